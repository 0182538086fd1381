#include "Lv2PluginLibrary.h"

#include "ParameterPresentation.h"
#include "sim/SimEngine.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace {

const std::string unitsPrefix = "http://lv2plug.in/ns/extensions/units#";

// The units of the LV2 units vocabulary, as they are written after a number.
const std::map<std::string, std::string> unitSymbols = {
    {"hz", "Hz"},
    {"khz", "kHz"},
    {"mhz", "MHz"},
    {"db", "dB"},
    {"ms", "ms"},
    {"s", "s"},
    {"min", "min"},
    {"pc", "%"},
    {"bpm", "BPM"},
    {"cent", "cents"},
    {"oct", "oct"},
    {"semitone12TET", "st"},
    {"degree", "°"},
    {"bar", "bars"},
    {"beat", "beats"},
    {"frame", "frames"},
    {"m", "m"},
    {"cm", "cm"},
    {"mm", "mm"},
    {"km", "km"},
    // Note numbers are shown by name ("C4").
    {"midiNote", NequoraUI::ParameterPresentation::midiNoteUnit.toStdString()}};

std::string text(const LilvNode *node)
{
    return node && (lilv_node_is_string(node) || lilv_node_is_literal(node))
               ? lilv_node_as_string(node)
               : std::string();
}

float valueOf(const LilvNode *node, float fallback)
{
    return node && (lilv_node_is_float(node) || lilv_node_is_int(node)) ? lilv_node_as_float(node)
                                                                        : fallback;
}

} // namespace

Lv2PluginLibrary::Lv2PluginLibrary()
    : world(lilv_world_new()), controlPort(uri(LILV_URI_CONTROL_PORT)),
      outputPort(uri(LILV_URI_OUTPUT_PORT)), toggled(uri("http://lv2plug.in/ns/lv2core#toggled")),
      integer(uri("http://lv2plug.in/ns/lv2core#integer")),
      enumeration(uri("http://lv2plug.in/ns/lv2core#enumeration")),
      logarithmic(uri("http://lv2plug.in/ns/ext/port-props#logarithmic")),
      notOnGUI(uri("http://lv2plug.in/ns/ext/port-props#notOnGUI")),
      unit(uri("http://lv2plug.in/ns/extensions/units#unit")),
      unitSymbol(uri("http://lv2plug.in/ns/extensions/units#symbol")),
      group(uri("http://lv2plug.in/ns/ext/port-groups#group")),
      label(uri("http://www.w3.org/2000/01/rdf-schema#label")),
      name(uri("http://lv2plug.in/ns/lv2core#name")),
      comment(uri("http://www.w3.org/2000/01/rdf-schema#comment"))
{
    lilv_world_load_all(world);
}

Lv2PluginLibrary::~Lv2PluginLibrary()
{
    // The nodes belong to the world's data; free them before it.
    for (Node *node : {&controlPort, &outputPort, &toggled, &integer, &enumeration, &logarithmic,
                       &notOnGUI, &unit, &unitSymbol, &group, &label, &name, &comment})
        node->reset();
    lilv_world_free(world);
}

Lv2PluginLibrary::Node Lv2PluginLibrary::uri(const char *text) const
{
    return Node(lilv_new_uri(world, text), lilv_node_free);
}

std::vector<Lv2PluginLibrary::Plugin> Lv2PluginLibrary::plugins() const
{
    std::vector<Plugin> result;
    const LilvPlugins *all = lilv_world_get_all_plugins(world);
    LILV_FOREACH(plugins, i, all)
    {
        const LilvPlugin *plugin = lilv_plugins_get(all, i);
        const Node pluginName(lilv_plugin_get_name(plugin), lilv_node_free);
        result.push_back({lilv_node_as_uri(lilv_plugin_get_uri(plugin)), text(pluginName.get())});
    }
    std::sort(result.begin(), result.end(),
              [](const Plugin &a, const Plugin &b) { return a.uri < b.uri; });
    return result;
}

std::shared_ptr<SimEngine> Lv2PluginLibrary::engineFor(const std::string &pluginUri) const
{
    const Node key = uri(pluginUri.c_str());
    const LilvPlugin *plugin =
        lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), key.get());
    if (!plugin)
        throw std::runtime_error("no installed LV2 plugin has the URI " + pluginUri);
    const Node pluginName(lilv_plugin_get_name(plugin), lilv_node_free);
    auto engine = std::make_shared<SimEngine>();
    const auto node = engine->addNode("LV2Plugin", text(pluginName.get()));
    for (uint32_t index = 0; index < lilv_plugin_get_num_ports(plugin); ++index) {
        const LilvPort *port = lilv_plugin_get_port_by_index(plugin, index);
        if (lilv_port_is_a(plugin, port, controlPort.get()))
            addPort(*engine, *node, plugin, port);
    }
    return engine;
}

void Lv2PluginLibrary::addPort(SimEngine &engine, SimNode &node, const LilvPlugin *plugin,
                               const LilvPort *port) const
{
    LilvNode *defaultNode = nullptr, *minimumNode = nullptr, *maximumNode = nullptr;
    lilv_port_get_range(plugin, port, &defaultNode, &minimumNode, &maximumNode);
    float minimum = valueOf(minimumNode, 0.0f);
    float maximum = valueOf(maximumNode, 1.0f);
    float value = valueOf(defaultNode, minimum);
    lilv_node_free(defaultNode);
    lilv_node_free(minimumNode);
    lilv_node_free(maximumNode);
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum > maximum)
        minimum = 0.0f, maximum = 1.0f;
    value = std::isfinite(value) ? std::clamp(value, minimum, maximum) : minimum;

    // Port names may repeat within a plugin; the symbol never does.
    const Node portName(lilv_port_get_name(plugin, port), lilv_node_free);
    std::string title = text(portName.get());
    const std::string symbol = text(lilv_port_get_symbol(plugin, port));
    const auto used = node.parameters();
    if (title.empty() || std::any_of(used.begin(), used.end(),
                                     [&](const auto &other) { return other->name() == title; }))
        title += " (" + symbol + ")";

    SimParameterHints hints;
    hints.readOnly = lilv_port_is_a(plugin, port, outputPort.get());
    hints.group = groupOf(plugin, port);
    const Node portComment(lilv_port_get(plugin, port, comment.get()), lilv_node_free);
    hints.description = text(portComment.get());
    // The port's lv2:default is where a reset takes it.
    if (!hints.readOnly)
        hints.defaultValue = value;
    // A port the plugin keeps for itself (a notification, an internal state) is not a row.
    hints.hidden = lilv_port_has_property(plugin, port, notOnGUI.get());
    std::shared_ptr<NQParameter> parameter;
    if (lilv_port_has_property(plugin, port, toggled.get())) {
        engine.setHints(node.addBoolParameter(title, value > 0.0f), hints);
        return;
    }
    // A whole-number port whose range holds no whole number is shown as a float one.
    const double low = std::ceil(minimum), high = std::floor(maximum);
    const bool whole = lilv_port_has_property(plugin, port, integer.get()) && low <= high &&
                       low >= INT32_MIN && high <= INT32_MAX;
    if (whole)
        parameter =
            node.addIntParameter(title, int32_t(std::clamp(std::round(double(value)), low, high)),
                                 int32_t(low), int32_t(high));
    else
        parameter = node.addFloatParameter(title, value, minimum, maximum);
    if (lilv_port_has_property(plugin, port, logarithmic.get()))
        hints.scale = SimParameterHints::Scale::Logarithmic;
    hints.unit = unitOf(plugin, port);
    if (lilv_port_has_property(plugin, port, enumeration.get())) {
        LilvScalePoints *points = lilv_port_get_scale_points(plugin, port);
        LILV_FOREACH(scale_points, i, points)
        {
            const LilvScalePoint *point = lilv_scale_points_get(points, i);
            const double pointValue = valueOf(lilv_scale_point_get_value(point), NAN);
            if (pointValue >= minimum && pointValue <= maximum)
                hints.choices.emplace_back(pointValue, text(lilv_scale_point_get_label(point)));
        }
        lilv_scale_points_free(points);
        std::sort(hints.choices.begin(), hints.choices.end());
    }
    engine.setHints(parameter, std::move(hints));
}

std::string Lv2PluginLibrary::unitOf(const LilvPlugin *plugin, const LilvPort *port) const
{
    LilvNodes *units = lilv_port_get_value(plugin, port, unit.get());
    std::string result;
    if (const LilvNode *first = units ? lilv_nodes_get_first(units) : nullptr) {
        const std::string unitUri = lilv_node_is_uri(first) ? lilv_node_as_uri(first) : "";
        const auto known = unitUri.rfind(unitsPrefix, 0) == 0
                               ? unitSymbols.find(unitUri.substr(unitsPrefix.size()))
                               : unitSymbols.end();
        if (known != unitSymbols.end()) {
            result = known->second;
        } else {
            // A unit of the plugin's own, described by its symbol.
            const Node own(lilv_world_get(world, first, unitSymbol.get(), nullptr), lilv_node_free);
            result = text(own.get());
        }
    }
    lilv_nodes_free(units);
    return result;
}

std::string Lv2PluginLibrary::groupOf(const LilvPlugin *plugin, const LilvPort *port) const
{
    const Node groupNode(lilv_port_get(plugin, port, group.get()), lilv_node_free);
    if (!groupNode)
        return {};
    for (const Node *property : {&label, &name}) {
        const Node title(lilv_world_get(world, groupNode.get(), property->get(), nullptr),
                         lilv_node_free);
        if (title)
            return text(title.get());
    }
    const std::string groupUri = lilv_node_as_string(groupNode.get());
    return groupUri.substr(groupUri.find_last_of("#/") + 1);
}
