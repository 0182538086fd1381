#include "Lv2Plugin.h"

#include "Lv2Features.h"

#include <lv2/atom/atom.h>
#include <lv2/resize-port/resize-port.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using Node = std::unique_ptr<LilvNode, void (*)(LilvNode *)>;

Node uriNode(LilvWorld *world, const char *uri)
{
    return Node(lilv_new_uri(world, uri), lilv_node_free);
}

float number(const LilvNode *node, float fallback)
{
    return node && (lilv_node_is_float(node) || lilv_node_is_int(node)) ? lilv_node_as_float(node)
                                                                        : fallback;
}

std::string nameOf(const LilvPlugin *plugin)
{
    const Node name(lilv_plugin_get_name(plugin), lilv_node_free);
    return name ? lilv_node_as_string(name.get()) : std::string();
}

} // namespace

Lv2Plugin::Lv2Plugin(LilvWorld *world, const LilvPlugin *plugin,
                     std::shared_ptr<Lv2Features> hostFeatures)
    : plugin(plugin), features(std::move(hostFeatures)),
      pluginUri(lilv_node_as_uri(lilv_plugin_get_uri(plugin))), pluginName(nameOf(plugin))
{
    checkFeatures();
    atomSequenceType = features->urids().map(LV2_ATOM__Sequence);
    atomChunkType = features->urids().map(LV2_ATOM__Chunk);
    lilvInstance = lilv_plugin_instantiate(plugin, features->sampleRate(), features->list());
    if (!lilvInstance)
        throw Lv2PluginError(pluginName + " (" + pluginUri + ") could not be instantiated");
    connectPorts(world);
    lilv_instance_activate(lilvInstance);
}

Lv2Plugin::~Lv2Plugin()
{
    lilv_instance_deactivate(lilvInstance);
    lilv_instance_free(lilvInstance);
}

void Lv2Plugin::checkFeatures() const
{
    std::vector<std::string> required;
    LilvNodes *nodes = lilv_plugin_get_required_features(plugin);
    LILV_FOREACH(nodes, i, nodes)
    required.emplace_back(lilv_node_as_uri(lilv_nodes_get(nodes, i)));
    lilv_nodes_free(nodes);
    if (const auto missing = features->firstUnsupported(required))
        throw Lv2PluginError(pluginName + " (" + pluginUri + ") needs the LV2 feature " + *missing +
                             ", which this host does not provide");
}

void Lv2Plugin::connectPorts(LilvWorld *world)
{
    const Node input = uriNode(world, LV2_CORE__InputPort);
    const Node audio = uriNode(world, LV2_CORE__AudioPort);
    const Node control = uriNode(world, LV2_CORE__ControlPort);
    const Node atom = uriNode(world, LV2_ATOM__AtomPort);
    const Node minimumSize = uriNode(world, LV2_RESIZE_PORT__minimumSize);
    const Node enabledDesignation = uriNode(world, LV2_CORE_PREFIX "enabled");
    const LilvPort *enablePortOfPlugin =
        lilv_plugin_get_port_by_designation(plugin, input.get(), enabledDesignation.get());

    const uint32_t count = lilv_plugin_get_num_ports(plugin);
    // Reserved up front: the plugin keeps pointers into these vectors.
    atomPorts.reserve(count);
    silentBuffers.reserve(count);
    for (uint32_t index = 0; index < count; ++index) {
        const LilvPort *port = lilv_plugin_get_port_by_index(plugin, index);
        const bool output = !lilv_port_is_a(plugin, port, input.get());
        if (lilv_port_is_a(plugin, port, audio.get())) {
            (output ? audioOuts : audioIns).push_back(index);
        } else if (lilv_port_is_a(plugin, port, control.get())) {
            auto entry = std::make_unique<Lv2ControlPort>();
            LilvNode *defaultNode = nullptr, *minimumNode = nullptr, *maximumNode = nullptr;
            lilv_port_get_range(plugin, port, &defaultNode, &minimumNode, &maximumNode);
            entry->index = index;
            entry->symbol = lilv_node_as_string(lilv_port_get_symbol(plugin, port));
            entry->minimum = number(minimumNode, 0.0f);
            entry->maximum = number(maximumNode, 1.0f);
            if (!std::isfinite(entry->minimum) || !std::isfinite(entry->maximum) ||
                entry->minimum > entry->maximum)
                entry->minimum = 0.0f, entry->maximum = 1.0f;
            const float fallback = number(defaultNode, entry->minimum);
            entry->defaultValue = std::isfinite(fallback)
                                      ? std::clamp(fallback, entry->minimum, entry->maximum)
                                      : entry->minimum;
            lilv_node_free(defaultNode);
            lilv_node_free(minimumNode);
            lilv_node_free(maximumNode);
            entry->output = output;
            entry->value = entry->defaultValue;
            entry->shared.store(entry->defaultValue);
            lilv_instance_connect_port(lilvInstance, index, &entry->value);
            if (port == enablePortOfPlugin)
                enabled = entry.get();
            controlPorts.push_back(std::move(entry));
        } else if (lilv_port_is_a(plugin, port, atom.get())) {
            const Node size(lilv_port_get(plugin, port, minimumSize.get()), lilv_node_free);
            const int asked =
                size && lilv_node_is_int(size.get()) ? lilv_node_as_int(size.get()) : 0;
            // At least the sequence size announced in the options.
            connectAtom(index, output,
                        std::max<uint32_t>(uint32_t(std::max(asked, 0)), features->sequenceSize()));
        } else {
            // CV and unknown port types get silence, a buffer as long as the longest block.
            silentBuffers.emplace_back(features->maxBlockLength(), 0.0f);
            lilv_instance_connect_port(lilvInstance, index, silentBuffers.back().data());
        }
    }
    audioOutBuffers.assign(count, nullptr);
    prepareAtomBuffers();
}

void Lv2Plugin::connectAtom(uint32_t index, bool output, uint32_t capacity)
{
    AtomPort port;
    port.buffer.assign((capacity + sizeof(uint64_t) - 1) / sizeof(uint64_t), 0);
    port.output = output;
    atomPorts.push_back(std::move(port));
    lilv_instance_connect_port(lilvInstance, index, atomPorts.back().buffer.data());
}

void Lv2Plugin::connectAudio(uint32_t portIndex, float *buffer)
{
    lilv_instance_connect_port(lilvInstance, portIndex, buffer);
    audioOutBuffers[portIndex] = buffer;
}

Lv2ControlPort *Lv2Plugin::control(const std::string &symbol) const
{
    for (const auto &port : controlPorts)
        if (port->symbol == symbol)
            return port.get();
    return nullptr;
}

void Lv2Plugin::prepareAtomBuffers()
{
    // Inputs are empty sequences; outputs announce their whole capacity as a chunk, which the
    // plugin overwrites with the sequence it writes.
    for (AtomPort &port : atomPorts) {
        auto *sequence = reinterpret_cast<LV2_Atom_Sequence *>(port.buffer.data());
        if (port.output) {
            sequence->atom.size =
                uint32_t(port.buffer.size() * sizeof(uint64_t) - sizeof(LV2_Atom));
            sequence->atom.type = atomChunkType;
        } else {
            sequence->atom.size = sizeof(LV2_Atom_Sequence_Body);
            sequence->atom.type = atomSequenceType;
            sequence->body.unit = 0;
            sequence->body.pad = 0;
        }
    }
}

void Lv2Plugin::process(uint32_t frames)
{
    if (suspended.load(std::memory_order_seq_cst)) {
        for (uint32_t index : audioOuts)
            if (float *buffer = audioOutBuffers[index])
                std::memset(buffer, 0, frames * sizeof(float));
        return;
    }
    for (const auto &port : controlPorts)
        if (!port->output)
            port->value = port->shared.load(std::memory_order_relaxed);
    prepareAtomBuffers();
    lilv_instance_run(lilvInstance, frames);
    for (const auto &port : controlPorts)
        if (port->output)
            port->shared.store(port->value, std::memory_order_relaxed);
}
