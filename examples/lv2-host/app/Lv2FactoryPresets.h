#pragma once

#include "FactoryPresetProvider.h"

#include <memory>

class Lv2Rack;

// The plugins' own LV2 presets offered as the screen's factory presets: listed first in its
// preset bar and never changed. Values are keyed as the screen keys its rows (node name,
// parameter name); with more than one plugin a preset's name starts with its plugin's.
// Loading one through the bar writes control values only; a plugin's state travels with the
// per-plugin "Preset" row.
class Lv2FactoryPresets : public NequoraUI::FactoryPresetProvider
{
public:
    explicit Lv2FactoryPresets(std::weak_ptr<const Lv2Rack> rack);

    std::vector<NequoraUI::Preset> factoryPresets() const override;

private:
    std::weak_ptr<const Lv2Rack> rack;
};
