#include "sim/SimClock.h"

#include <chrono>
#include <utility>

SimClock::Now SimClock::steady()
{
    return [] {
        const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration<double>(sinceEpoch).count();
    };
}

SimClock::Now SimClock::orSteady(Now now)
{
    return now ? std::move(now) : steady();
}
