#pragma once
// Asynchronous playing of a WAV file.
#include "platform/Seam.h"
#include <QString>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing the file and returns at once. A missing or unplayable file,
    // or a machine without audio, plays nothing and reports nothing.
    virtual void play(const QString& path) = 0;
    static Sound& real();
};

inline void PlaySound(const QString& path) { Seam<Sound>::current().play(path); }

} // namespace platform
