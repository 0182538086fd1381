#pragma once

#include "Preset.h"

#include <vector>

namespace NequoraUI {

// The presets a host or plugin ships. A preset store lists them first and never changes them.
class FactoryPresetProvider
{
public:
    virtual ~FactoryPresetProvider() = default;
    virtual std::vector<Preset> factoryPresets() const = 0;
};

} // namespace NequoraUI
