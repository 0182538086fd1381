#pragma once

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

// The plain lilv loop a developer writes to try a plugin, without any of the host's classes:
// a mono plugin over a mono signal, one control set by symbol, every other port at its default.
inline std::vector<float> runWithLilv(LilvWorld *world, const std::string &uri, double rate,
                                      const std::vector<float> &input, const std::string &symbol,
                                      float value)
{
    std::map<std::string, LV2_URID> ids;
    LV2_URID_Map map{&ids, [](LV2_URID_Map_Handle handle, const char *text) {
                         auto &known = *static_cast<std::map<std::string, LV2_URID> *>(handle);
                         return known.emplace(text, LV2_URID(known.size() + 1)).first->second;
                     }};
    const LV2_Feature mapFeature{LV2_URID__map, &map};
    const LV2_Feature *features[] = {&mapFeature, nullptr};
    LilvNode *key = lilv_new_uri(world, uri.c_str());
    const LilvPlugin *plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), key);
    lilv_node_free(key);
    LilvInstance *instance = lilv_plugin_instantiate(plugin, rate, features);

    const uint32_t ports = lilv_plugin_get_num_ports(plugin);
    std::vector<float> defaults(ports), controls(ports);
    lilv_plugin_get_port_ranges_float(plugin, nullptr, nullptr, defaults.data());
    std::vector<std::vector<uint64_t>> atoms(ports, std::vector<uint64_t>(32768));
    const uint32_t block = 512;
    std::vector<float> in(block), out(block), result;
    LilvNode *audio = lilv_new_uri(world, LV2_CORE__AudioPort);
    LilvNode *control = lilv_new_uri(world, LV2_CORE__ControlPort);
    LilvNode *inputPort = lilv_new_uri(world, LV2_CORE__InputPort);
    std::vector<uint32_t> outputAtoms;
    for (uint32_t i = 0; i < ports; ++i) {
        const LilvPort *port = lilv_plugin_get_port_by_index(plugin, i);
        const bool isInput = lilv_port_is_a(plugin, port, inputPort);
        if (lilv_port_is_a(plugin, port, audio)) {
            lilv_instance_connect_port(instance, i, isInput ? in.data() : out.data());
        } else if (lilv_port_is_a(plugin, port, control)) {
            const bool chosen = symbol == lilv_node_as_string(lilv_port_get_symbol(plugin, port));
            controls[i] = chosen ? value : std::isnan(defaults[i]) ? 0.0f : defaults[i];
            lilv_instance_connect_port(instance, i, &controls[i]);
        } else {
            auto *sequence = reinterpret_cast<LV2_Atom_Sequence *>(atoms[i].data());
            sequence->atom.type = map.map(map.handle, LV2_ATOM__Sequence);
            sequence->atom.size = sizeof(LV2_Atom_Sequence_Body);
            if (!isInput)
                outputAtoms.push_back(i);
            lilv_instance_connect_port(instance, i, sequence);
        }
    }
    lilv_node_free(audio);
    lilv_node_free(control);
    lilv_node_free(inputPort);
    lilv_instance_activate(instance);
    for (size_t done = 0; done < input.size(); done += block) {
        const size_t count = std::min<size_t>(block, input.size() - done);
        std::copy_n(input.begin() + long(done), count, in.begin());
        for (uint32_t i : outputAtoms) {
            auto *sequence = reinterpret_cast<LV2_Atom_Sequence *>(atoms[i].data());
            sequence->atom.size = uint32_t(atoms[i].size() * 8 - sizeof(LV2_Atom));
        }
        lilv_instance_run(instance, uint32_t(count));
        result.insert(result.end(), out.begin(), out.begin() + long(count));
    }
    lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
    return result;
}
