#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {

class StdRandom final : public Random {
public:
    StdRandom() { reseed(); }
    // 24 random bits: every value is exact in single precision and below 1,
    // so Int(r * n + 1) never reaches n + 1.
    double next() override { return (engine_() >> 8) * (1.0 / 16777216.0); }
    void reseed() override
    {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32), ++reseeds_};
        engine_.seed(seed);
    }

private:
    std::mt19937 engine_;
    unsigned reseeds_ = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

} // namespace

Random& Random::real()
{
    static StdRandom random;
    return random;
}

Clock& Clock::real()
{
    static SystemClock clock;
    return clock;
}

} // namespace platform
