#pragma once

#include "Lv2ControlPort.h"
#include "Lv2Plugin.h"

#include "NQBoolParameter.h"

#include <memory>
#include <string>

// A toggled control port as a switch, crossing to the audio thread as Lv2NumberParameter does.
// Inverted, it shows an lv2:enabled port as the node's bypass switch (on = bypassed).
class Lv2BoolParameter : public NQBoolParameter
{
public:
    Lv2BoolParameter(std::string name, std::shared_ptr<Lv2Plugin> plugin, Lv2ControlPort &port,
                     bool inverted = false)
        : parameterName(std::move(name)), plugin(std::move(plugin)), port(port), inverted(inverted)
    {}

    std::string name() const override { return parameterName; }
    const std::string &symbol() const { return port.symbol; }

    bool value() const override
    {
        const float threshold = (port.minimum + port.maximum) / 2;
        return (port.shared.load(std::memory_order_relaxed) > threshold) != inverted;
    }
    void setValue(bool value) override
    {
        if (!port.output)
            port.shared.store(value != inverted ? port.maximum : port.minimum,
                              std::memory_order_relaxed);
    }

private:
    std::string parameterName;
    std::shared_ptr<Lv2Plugin> plugin;
    Lv2ControlPort &port;
    const bool inverted;
};
