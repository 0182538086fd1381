#include "Lv2PluginNode.h"

#include "Lv2BoolParameter.h"
#include "Lv2NumberParameter.h"
#include "Lv2Plugin.h"
#include "sim/SimEngine.h"

#include <stdexcept>

Lv2PluginNode::Lv2PluginNode(std::shared_ptr<Lv2Plugin> plugin, const SimEngine &description,
                             std::string displayName)
    : lv2Plugin(std::move(plugin)), name(std::move(displayName))
{
    const auto nodes = description.graph()->nodes();
    const auto described =
        nodes.empty() ? std::vector<std::shared_ptr<NQParameter>>() : nodes.front()->parameters();
    const auto &ports = lv2Plugin->controls();
    if (described.size() != ports.size())
        throw std::logic_error("the description of " + lv2Plugin->uri() +
                               " does not match its control ports");
    for (size_t i = 0; i < ports.size(); ++i)
        add(described[i], description.hints(*described[i]), *ports[i]);
}

void Lv2PluginNode::add(const std::shared_ptr<NQParameter> &description,
                        const SimParameterHints *hints, Lv2ControlPort &port)
{
    Control control;
    if (&port == lv2Plugin->enablePort()) {
        auto bypass = std::make_shared<Lv2BoolParameter>(bypassTitle, lv2Plugin, port, true);
        control = {bypass, [bypass](double v) { bypass->setValue(!(v > 0.5)); },
                   [bypass] { return bypass->value() ? 0.0 : 1.0; }};
        params.insert(params.begin(), bypass);
        bySymbol.emplace(port.symbol, std::move(control));
        return;
    }
    const std::string title = description->name();
    if (std::dynamic_pointer_cast<NQBoolParameter>(description)) {
        auto toggle = std::make_shared<Lv2BoolParameter>(title, lv2Plugin, port);
        control = {toggle, [toggle](double v) { toggle->setValue(v > 0.5); },
                   [toggle] { return toggle->value() ? 1.0 : 0.0; }};
    } else if (const auto whole = std::dynamic_pointer_cast<NQIntParameter>(description)) {
        auto number = std::make_shared<Lv2IntParameter>(
            title, lv2Plugin, port, whole->minimumValue(), whole->maximumValue());
        control = {number, [number](double v) { number->setValue(int32_t(std::lround(v))); },
                   [number] { return double(number->value()); }};
    } else {
        auto number =
            std::make_shared<Lv2FloatParameter>(title, lv2Plugin, port, port.minimum, port.maximum);
        control = {number, [number](double v) { number->setValue(float(v)); },
                   [number] { return double(number->value()); }};
    }
    if (hints)
        parameterHints.emplace(control.parameter.get(), *hints);
    params.push_back(control.parameter);
    bySymbol.emplace(port.symbol, std::move(control));
}

const SimParameterHints *Lv2PluginNode::hints(const NQParameter &parameter) const
{
    const auto found = parameterHints.find(&parameter);
    return found == parameterHints.end() ? nullptr : &found->second;
}

bool Lv2PluginNode::setControl(const std::string &symbol, double value) const
{
    const auto found = bySymbol.find(symbol);
    const Lv2ControlPort *port = lv2Plugin->control(symbol);
    if (found == bySymbol.end() || !port || port->output)
        return false;
    found->second.write(value);
    return true;
}

std::optional<double> Lv2PluginNode::control(const std::string &symbol) const
{
    const auto found = bySymbol.find(symbol);
    if (found == bySymbol.end())
        return std::nullopt;
    return found->second.read();
}

std::shared_ptr<NQParameter> Lv2PluginNode::parameter(const std::string &symbol) const
{
    const auto found = bySymbol.find(symbol);
    return found == bySymbol.end() ? nullptr : found->second.parameter;
}
