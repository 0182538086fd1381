#pragma once

#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQUIntParameter.h"
#include "sim/SimNumberText.h"
#include "sim/SimParameterReporter.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

// A float, int or uint parameter: keeps its value inside [minimum, maximum] and logs every write.
template <typename Base, typename T> class SimNumberParameter : public Base
{
public:
    // Throws std::invalid_argument for a range or value the engine cannot hold.
    SimNumberParameter(std::string name, T value, T minimum, T maximum,
                       SimParameterReporter reporter = {})
        : parameterName(std::move(name)), current(value), minimum(minimum), maximum(maximum),
          reporter(std::move(reporter))
    {
        checkFinite("value", value);
        checkFinite("minimum", minimum);
        checkFinite("maximum", maximum);
        if (minimum > maximum)
            throw std::invalid_argument("minimum " + SimNumberText::of(minimum) +
                                        " is above maximum " + SimNumberText::of(maximum));
        if (value < minimum || value > maximum)
            throw std::invalid_argument("value " + SimNumberText::of(value) +
                                        " is outside the range " + SimNumberText::of(minimum) +
                                        " to " + SimNumberText::of(maximum));
    }

    std::string name() const override { return parameterName; }
    T value() const override { return current; }
    T minimumValue() const override { return minimum; }
    T maximumValue() const override { return maximum; }

    // Out-of-range values are pinned to the range; a NaN leaves the value as it was. Either
    // way the write is counted and reported as it was made.
    void setValue(T value) override
    {
        ++writes;
        lastWrite = value;
        if (!isNaN(value))
            current = std::clamp(value, minimum, maximum);
        reporter.report(parameterName, value);
    }

    int writeCount() const { return writes; }
    std::optional<T> lastWrittenValue() const { return lastWrite; }

private:
    static bool isNaN(T value)
    {
        if constexpr (std::is_floating_point_v<T>)
            return std::isnan(value);
        return false;
    }

    static void checkFinite(const char *what, T value)
    {
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(value))
                throw std::invalid_argument(std::string(what) + " is not a finite number");
        }
    }

    std::string parameterName;
    T current;
    T minimum;
    T maximum;
    SimParameterReporter reporter;
    int writes = 0;
    std::optional<T> lastWrite;
};

using SimFloatParameter = SimNumberParameter<NQFloatParameter, float>;
using SimIntParameter = SimNumberParameter<NQIntParameter, int32_t>;
using SimUIntParameter = SimNumberParameter<NQUIntParameter, uint32_t>;
