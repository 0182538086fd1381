#pragma once

#include <functional>

// The simulation's time source, in seconds. Tests pass their own so they can step time
// without sleeping.
class SimClock
{
public:
    using Now = std::function<double()>;

    // Seconds on std::chrono::steady_clock.
    static Now steady();
    // The given clock, or the steady one when none is given.
    static Now orSteady(Now now);
};
