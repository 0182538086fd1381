#include "Lv2Rack.h"

#include "Lv2Chain.h"
#include "Lv2Features.h"
#include "Lv2PlayerNode.h"
#include "Lv2Plugin.h"
#include "Lv2PluginLibrary.h"
#include "Lv2PluginNode.h"
#include "Lv2RecorderNode.h"
#include "sim/SimEngine.h"
#include "sim/SimNode.h"

#include <lv2/state/state.h>

#include <algorithm>
#include <cstring>

namespace {

// Room for the messages plugins exchange with their own user interfaces, which we do not run.
constexpr uint32_t sequenceSize = 65536;

std::string uniqueName(const std::string &name,
                       const std::vector<std::shared_ptr<Lv2PluginNode>> &taken)
{
    std::string candidate = name;
    for (int n = 2; std::any_of(taken.begin(), taken.end(),
                                [&](const auto &node) { return node->displayName() == candidate; });
         ++n)
        candidate = name + " " + std::to_string(n);
    return candidate;
}

} // namespace

Lv2Rack::Lv2Rack(const Lv2PluginLibrary &library, const std::vector<std::string> &uris,
                 double sampleRate, uint32_t maxBlockLength)
    : world(library.lilvWorld()), rate(sampleRate),
      features(std::make_shared<Lv2Features>(sampleRate, maxBlockLength, sequenceSize))
{
    std::vector<std::shared_ptr<Lv2Plugin>> instances;
    for (const std::string &uri : uris) {
        const auto description = library.engineFor(uri);
        LilvNode *key = lilv_new_uri(world, uri.c_str());
        const LilvPlugin *plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), key);
        lilv_node_free(key);
        auto instance = std::make_shared<Lv2Plugin>(world, plugin, features);
        const std::string name = uniqueName(instance->name(), plugins);
        plugins.push_back(std::make_shared<Lv2PluginNode>(instance, *description, name));
        instances.push_back(std::move(instance));
    }
    lv2Chain = std::make_unique<Lv2Chain>(std::move(instances), maxBlockLength);
    for (int c = 0; c < lv2Chain->inputChannelCount(); ++c)
        chainInputs.push_back(lv2Chain->input(c));
    for (int c = 0; c < lv2Chain->outputChannelCount(); ++c)
        chainOutputs.push_back(lv2Chain->output(c));
    playerEngine = std::make_shared<Lv2PlayerNode>(blocks, lv2Chain->inputChannelCount(),
                                                   sampleRate, maxBlockLength);
    recorderEngine = std::make_shared<Lv2RecorderNode>(blocks, lv2Chain->outputChannelCount(),
                                                       sampleRate, maxBlockLength);
    playerNode =
        std::make_shared<SimNode>(SimEngine::playerType, "Player", NQAudioNodeHandle{playerEngine});
    recorderNode = std::make_shared<SimNode>(SimEngine::recorderType, "Recorder",
                                             NQAudioNodeHandle{recorderEngine});
}

Lv2Rack::~Lv2Rack() = default;

std::vector<std::shared_ptr<NQAudioNode>> Lv2Rack::nodes() const
{
    std::vector<std::shared_ptr<NQAudioNode>> result{playerNode};
    result.insert(result.end(), plugins.begin(), plugins.end());
    result.push_back(recorderNode);
    return result;
}

const SimParameterHints *Lv2Rack::hints(const NQParameter &parameter) const
{
    for (const auto &node : plugins)
        if (const SimParameterHints *found = node->hints(parameter))
            return found;
    return nullptr;
}

void Lv2Rack::process(float *const *outputs, int outputCount, uint32_t frames)
{
    blocks.enterBlock();
    const uint32_t maxBlock = lv2Chain->maxBlockLength();
    for (uint32_t done = 0; done < frames;) {
        const uint32_t count = std::min(frames - done, maxBlock);
        playerEngine->render(chainInputs.data(), count);
        lv2Chain->process(count);
        recorderEngine->capture(chainOutputs.data(), count);
        for (int c = 0; c < outputCount; ++c)
            std::memcpy(outputs[c] + done, chainOutputs[size_t(c) % chainOutputs.size()],
                        count * sizeof(float));
        done += count;
    }
    blocks.leaveBlock();
}

std::vector<Lv2Presets::Preset> Lv2Rack::presets(const Lv2PluginNode &node) const
{
    return Lv2Presets::of(world, node.plugin()->lilvPlugin());
}

Lv2Presets::Loaded Lv2Rack::readPreset(const Lv2PluginNode &node,
                                       const std::string &presetUri) const
{
    auto loaded = Lv2Presets::load(world, features->urids(), presetUri);
    const LilvNode *owner = lilv_state_get_plugin_uri(loaded.state.get());
    if (!owner || node.plugin()->uri() != lilv_node_as_uri(owner))
        throw std::runtime_error(presetUri + " is not a preset of " + node.plugin()->uri());
    return loaded;
}

void Lv2Rack::restoreState(const Lv2PluginNode &node, const LilvState &state)
{
    const Lv2Plugin &plugin = *node.plugin();
    LilvNode *stateInterface = lilv_new_uri(world, LV2_STATE__interface);
    const bool hasState = lilv_plugin_has_extension_data(plugin.lilvPlugin(), stateInterface);
    lilv_node_free(stateInterface);
    if (!hasState || lilv_state_get_num_properties(&state) == 0)
        return;
    node.plugin()->setSuspended(true);
    blocks.waitForBlockBoundary();
    lilv_state_restore(&state, plugin.instance(), nullptr, nullptr, 0, features->list());
    node.plugin()->setSuspended(false);
}
