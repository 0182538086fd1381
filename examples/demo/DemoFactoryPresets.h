#pragma once

#include "FactoryPresetProvider.h"

// The presets the demo ships with, as a plugin would: listed first, never changed.
class DemoFactoryPresets : public NequoraUI::FactoryPresetProvider
{
public:
    std::vector<NequoraUI::Preset> factoryPresets() const override;
};
