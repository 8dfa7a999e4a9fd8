#pragma once
// Random numbers and the clock.
#include "platform/Seam.h"
#include <QDateTime>

namespace platform {

class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;   // in [0, 1)
    virtual void reseed() = 0;   // a fresh seed from the clock
    static Random& real();
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
    static Clock& real();
};

inline double Rnd() { return Seam<Random>::current().next(); }
inline void Randomize() { Seam<Random>::current().reseed(); }
inline QDateTime Now() { return Seam<Clock>::current().now(); }

} // namespace platform
