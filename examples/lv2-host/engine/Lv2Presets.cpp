#include "Lv2Presets.h"

#include "UridMap.h"

#include <lv2/atom/atom.h>
#include <lv2/presets/presets.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

using Node = std::unique_ptr<LilvNode, void (*)(LilvNode *)>;

struct Collector
{
    std::vector<std::pair<std::string, float>> *values;
    LV2_URID floatType, doubleType, intType, longType, boolType;
};

// lilv_state_restore() and lilv_state_emit_port_values() hand each port value to this.
void collect(const char *symbol, void *data, const void *value, uint32_t size, uint32_t type)
{
    const auto *into = static_cast<Collector *>(data);
    float number;
    if (type == into->floatType && size == sizeof(float))
        std::memcpy(&number, value, sizeof number);
    else if (type == into->doubleType && size == sizeof(double))
        number = float(*static_cast<const double *>(value));
    else if ((type == into->intType || type == into->boolType) && size == sizeof(int32_t))
        number = float(*static_cast<const int32_t *>(value));
    else if (type == into->longType && size == sizeof(int64_t))
        number = float(*static_cast<const int64_t *>(value));
    else
        return;
    into->values->emplace_back(symbol, number);
}

} // namespace

std::vector<Lv2Presets::Preset> Lv2Presets::of(LilvWorld *world, const LilvPlugin *plugin)
{
    const Node presetClass(lilv_new_uri(world, LV2_PRESETS__Preset), lilv_node_free);
    const Node label(lilv_new_uri(world, LILV_NS_RDFS "label"), lilv_node_free);
    std::vector<Preset> result;
    LilvNodes *presets = lilv_plugin_get_related(plugin, presetClass.get());
    LILV_FOREACH(nodes, i, presets)
    {
        const LilvNode *preset = lilv_nodes_get(presets, i);
        lilv_world_load_resource(world, preset);
        const Node title(lilv_world_get(world, preset, label.get(), nullptr), lilv_node_free);
        const std::string uri = lilv_node_as_uri(preset);
        result.push_back({uri, title ? lilv_node_as_string(title.get()) : uri});
    }
    lilv_nodes_free(presets);
    std::sort(result.begin(), result.end(),
              [](const Preset &a, const Preset &b) { return a.label < b.label; });
    return result;
}

Lv2Presets::Loaded Lv2Presets::load(LilvWorld *world, UridMap &urids, const std::string &presetUri)
{
    const Node preset(lilv_new_uri(world, presetUri.c_str()), lilv_node_free);
    lilv_world_load_resource(world, preset.get());
    Loaded loaded;
    loaded.state.reset(lilv_state_new_from_world(world, urids.mapFeature(), preset.get()));
    if (!loaded.state)
        throw std::runtime_error("no LV2 preset has the URI " + presetUri);
    Collector collector{
        &loaded.values,           urids.map(LV2_ATOM__Float), urids.map(LV2_ATOM__Double),
        urids.map(LV2_ATOM__Int), urids.map(LV2_ATOM__Long),  urids.map(LV2_ATOM__Bool)};
    lilv_state_emit_port_values(loaded.state.get(), collect, &collector);
    return loaded;
}
