#pragma once

#include "Lv2ControlPort.h"
#include "Lv2Plugin.h"

#include "NQFloatParameter.h"
#include "NQIntParameter.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

// A control port as a float or integer parameter. setValue() runs on the main thread and only
// stores into the port's atomic (see Lv2ControlPort), so a change costs the audio thread nothing
// and applies from the next block. An output port is read-only: writes are ignored and value()
// is what the plugin published last. The parameter keeps its plugin alive.
template <typename Base, typename T> class Lv2NumberParameter : public Base
{
public:
    Lv2NumberParameter(std::string name, std::shared_ptr<Lv2Plugin> plugin, Lv2ControlPort &port,
                       T minimum, T maximum)
        : parameterName(std::move(name)), plugin(std::move(plugin)), port(port), minimum(minimum),
          maximum(maximum)
    {}

    std::string name() const override { return parameterName; }
    T minimumValue() const override { return minimum; }
    T maximumValue() const override { return maximum; }
    const std::string &symbol() const { return port.symbol; }
    bool isOutput() const { return port.output; }

    T value() const override
    {
        const float current = port.shared.load(std::memory_order_relaxed);
        if constexpr (std::is_floating_point_v<T>) {
            return current;
        } else {
            // A plugin may publish anything; pin it before converting so nothing overflows.
            if (!std::isfinite(current))
                return minimum;
            return T(std::clamp<double>(std::round(double(current)), minimum, maximum));
        }
    }

    // Pinned to the range; a NaN changes nothing.
    void setValue(T value) override
    {
        if (port.output)
            return;
        if constexpr (std::is_floating_point_v<T>) {
            if (std::isnan(value))
                return;
        }
        port.shared.store(float(std::clamp(value, minimum, maximum)), std::memory_order_relaxed);
    }

private:
    std::string parameterName;
    std::shared_ptr<Lv2Plugin> plugin;
    Lv2ControlPort &port;
    T minimum;
    T maximum;
};

using Lv2FloatParameter = Lv2NumberParameter<NQFloatParameter, float>;
using Lv2IntParameter = Lv2NumberParameter<NQIntParameter, int32_t>;
