#include "ControlSettings.h"

#include "Lv2Plugin.h"
#include "Lv2PluginNode.h"
#include "Lv2Rack.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace {

std::string numberText(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

} // namespace

void ControlSettings::apply(const Lv2Rack &rack, const std::string &assignment)
{
    const auto equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
        throw std::runtime_error("--set takes SYMBOL=VALUE, not " + assignment);
    const std::string symbol = assignment.substr(0, equals);
    const std::string text = assignment.substr(equals + 1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw std::runtime_error("the value of " + symbol + " is not a number: " + text);
    for (const auto &node : rack.pluginNodes()) {
        const Lv2ControlPort *port = node->plugin()->control(symbol);
        if (!port || port->output)
            continue;
        if (value < port->minimum || value > port->maximum)
            throw std::runtime_error(text + " is outside the range of " + symbol + " (" +
                                     numberText(port->minimum) + " to " +
                                     numberText(port->maximum) + ")");
        node->setControl(symbol, value);
        return;
    }
    throw std::runtime_error("no plugin in the chain has a control input named " + symbol);
}

void ControlSettings::applyPreset(Lv2Rack &rack, const std::string &presetUri)
{
    for (const auto &node : rack.pluginNodes()) {
        Lv2Presets::Loaded loaded;
        try {
            loaded = rack.readPreset(*node, presetUri);
        } catch (const std::runtime_error &) {
            continue;
        }
        for (const auto &[symbol, value] : loaded.values)
            node->setControl(symbol, value);
        rack.restoreState(*node, *loaded.state);
        return;
    }
    throw std::runtime_error("no plugin in the chain has the preset " + presetUri);
}
