#pragma once

#include <lilv/lilv.h>

#include <memory>
#include <string>
#include <vector>

class SimEngine;
class SimNode;

// The LV2 plugins installed on this machine, read with lilv. Nothing is instantiated and no audio
// runs: a plugin's control ports become parameters of a simulated engine, and their properties
// (logarithmic, integer, enumeration, toggled, units, output, port group, not on GUI) become its
// hints.
class Lv2PluginLibrary
{
public:
    struct Plugin
    {
        std::string uri;
        std::string name;
    };

    Lv2PluginLibrary();
    ~Lv2PluginLibrary();
    Lv2PluginLibrary(const Lv2PluginLibrary &) = delete;
    Lv2PluginLibrary &operator=(const Lv2PluginLibrary &) = delete;

    std::vector<Plugin> plugins() const;
    // The world the descriptions are read from, for hosts that instantiate the plugins.
    LilvWorld *lilvWorld() const { return world; }
    // An engine with one node holding the plugin's control ports in port order. Throws
    // std::runtime_error for a URI no installed plugin has.
    std::shared_ptr<SimEngine> engineFor(const std::string &uri) const;

private:
    using Node = std::unique_ptr<LilvNode, void (*)(LilvNode *)>;

    Node uri(const char *text) const;
    void addPort(SimEngine &engine, SimNode &node, const LilvPlugin *plugin,
                 const LilvPort *port) const;
    std::string unitOf(const LilvPlugin *plugin, const LilvPort *port) const;
    std::string groupOf(const LilvPlugin *plugin, const LilvPort *port) const;

    LilvWorld *world;
    Node controlPort, outputPort, toggled, integer, enumeration, logarithmic, notOnGUI, unit,
        unitSymbol, group, label, name, comment;
};
