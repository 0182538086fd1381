#pragma once

#include "Lv2ControlPort.h"
#include "NQAudioNode.h"
#include "sim/SimParameterHints.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class Lv2Plugin;
class SimEngine;

// A running plugin as a node of the screen's graph: each control input a parameter, each
// control output a read-only one, the lv2:enabled port (if any) first, as a "Bypass" switch.
// Titles, kinds, ranges and presentation hints come from the plugin's description (the panel's
// reading of its ports); the values live in the plugin's ports.
class Lv2PluginNode : public NQAudioNode
{
public:
    static constexpr const char *nodeType = "LV2Plugin";
    static constexpr const char *bypassTitle = "Bypass";

    // description: the one-node engine Lv2PluginLibrary::engineFor() gives for this plugin.
    // Throws std::logic_error when the description does not match the plugin's ports.
    Lv2PluginNode(std::shared_ptr<Lv2Plugin> plugin, const SimEngine &description,
                  std::string displayName);

    std::string type() const override { return nodeType; }
    std::string displayName() const override { return name; }
    std::vector<std::shared_ptr<NQParameter>> parameters() const override { return params; }
    NQAudioNodeHandle audioNode() const override { return {}; }

    const std::shared_ptr<Lv2Plugin> &plugin() const { return lv2Plugin; }
    // Null for a parameter without hints.
    const SimParameterHints *hints(const NQParameter &parameter) const;

    // The control input with that LV2 symbol, through its parameter's setValue (the path of a
    // user's change); false when the plugin has no such input.
    bool setControl(const std::string &symbol, double value) const;
    // The current value of a control port (input or output), by symbol.
    std::optional<double> control(const std::string &symbol) const;
    std::shared_ptr<NQParameter> parameter(const std::string &symbol) const;

private:
    void add(const std::shared_ptr<NQParameter> &description, const SimParameterHints *hints,
             Lv2ControlPort &port);

    struct Control
    {
        std::shared_ptr<NQParameter> parameter;
        std::function<void(double)> write;
        std::function<double()> read;
    };

    std::shared_ptr<Lv2Plugin> lv2Plugin;
    std::string name;
    std::vector<std::shared_ptr<NQParameter>> params;
    std::unordered_map<std::string, Control> bySymbol;
    std::unordered_map<const NQParameter *, SimParameterHints> parameterHints;
};
