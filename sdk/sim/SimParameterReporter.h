#pragma once

#include "sim/SimEventHub.h"
#include "sim/SimNumberText.h"

#include <memory>
#include <string>
#include <utility>

// Lets a parameter report its writes without keeping the engine's hub alive.
class SimParameterReporter
{
public:
    SimParameterReporter() = default;
    SimParameterReporter(std::weak_ptr<const SimEventHub> hub, std::string nodeName)
        : hub(std::move(hub)), nodeName(std::move(nodeName))
    {}

    template <typename T> void report(const std::string &parameterName, T value) const
    {
        if (const auto events = hub.lock())
            events->reportWrite({nodeName, parameterName, value, SimNumberText::of(value)});
    }

private:
    std::weak_ptr<const SimEventHub> hub;
    std::string nodeName;
};
