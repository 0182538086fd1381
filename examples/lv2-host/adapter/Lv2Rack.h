#pragma once

#include "BlockSequence.h"
#include "Lv2Presets.h"
#include "NQAudioGraph.h"
#include "sim/SimParameterHints.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Lv2Chain;
class Lv2Features;
class Lv2PlayerNode;
class Lv2PluginLibrary;
class Lv2PluginNode;
class Lv2RecorderNode;
class SimNode;

// Installed plugins in a chain, with a player feeding it and a recorder after it, as the graph
// the screen is generated from: the player node, one node per plugin, the recorder node.
// process() is the whole audio path of one block, the same whether JACK or a file calls it.
class Lv2Rack : public NQAudioGraph
{
public:
    // The library must outlive the rack.
    // Throws std::runtime_error (Lv2PluginError for a plugin that cannot be hosted) naming the
    // first URI that fails; nothing runs before every plugin is in place.
    Lv2Rack(const Lv2PluginLibrary &library, const std::vector<std::string> &uris,
            double sampleRate, uint32_t maxBlockLength);
    ~Lv2Rack() override;

    std::vector<std::shared_ptr<NQAudioNode>> nodes() const override;
    const std::vector<std::shared_ptr<Lv2PluginNode>> &pluginNodes() const { return plugins; }
    Lv2Chain &chain() const { return *lv2Chain; }
    Lv2PlayerNode &player() const { return *playerEngine; }
    Lv2RecorderNode &recorder() const { return *recorderEngine; }
    const SimParameterHints *hints(const NQParameter &parameter) const;
    double sampleRate() const { return rate; }

    std::vector<Lv2Presets::Preset> presets(const Lv2PluginNode &node) const;
    // One of the node's factory presets: its values and state. Throws std::runtime_error when
    // presetUri is not a preset of that plugin.
    Lv2Presets::Loaded readPreset(const Lv2PluginNode &node, const std::string &presetUri) const;
    // Hands a preset's state to a plugin with the state interface (others ignore it). The plugin
    // sits out the blocks meanwhile, so its run() never overlaps the restore. Port values are
    // not written here: write them through the parameters.
    void restoreState(const Lv2PluginNode &node, const LilvState &state);

    // Audio thread: plays, processes and records frames (any number, in blocks of at most the
    // chain's maximum) and copies the chain's output into outputs (channel c from the chain's
    // channel c modulo its count).
    void process(float *const *outputs, int outputCount, uint32_t frames);

private:
    LilvWorld *world;
    double rate;
    std::shared_ptr<Lv2Features> features;
    std::vector<std::shared_ptr<Lv2PluginNode>> plugins;
    std::unique_ptr<Lv2Chain> lv2Chain;
    BlockSequence blocks;
    std::shared_ptr<Lv2PlayerNode> playerEngine;
    std::shared_ptr<Lv2RecorderNode> recorderEngine;
    std::shared_ptr<SimNode> playerNode;
    std::shared_ptr<SimNode> recorderNode;
    std::vector<float *> chainInputs;
    std::vector<const float *> chainOutputs;
};
