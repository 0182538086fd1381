#pragma once

#include <lilv/lilv.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class UridMap;

// A plugin's factory presets, read with lilv.
class Lv2Presets
{
public:
    struct Preset
    {
        std::string uri;
        std::string label;
    };
    using State = std::unique_ptr<LilvState, void (*)(LilvState *)>;
    struct Loaded
    {
        // Control input values by LV2 symbol, in the preset's order.
        std::vector<std::pair<std::string, float>> values;
        // For plugins with the state interface: what lilv_state_restore() gives them.
        State state{nullptr, lilv_state_free};
    };

    Lv2Presets() = delete;

    // Sorted by label.
    static std::vector<Preset> of(LilvWorld *world, const LilvPlugin *plugin);
    // Throws std::runtime_error when the URI is not a preset lilv can read.
    static Loaded load(LilvWorld *world, UridMap &urids, const std::string &presetUri);
};
