#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {

class StdRandom final : public Random {
public:
    StdRandom() { reseed(); }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
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
