#include "Lv2FactoryPresets.h"

#include "Lv2PluginNode.h"
#include "Lv2Rack.h"

#include "GraphParameters.h"
#include "NQBoolParameter.h"

using namespace NequoraUI;

Lv2FactoryPresets::Lv2FactoryPresets(std::weak_ptr<const Lv2Rack> hostRack)
    : rack(std::move(hostRack))
{}

std::vector<Preset> Lv2FactoryPresets::factoryPresets() const
{
    std::vector<Preset> presets;
    const auto owner = rack.lock();
    if (!owner)
        return presets;
    const auto &plugins = owner->pluginNodes();
    const QStringList nodeNames = GraphParameters::nodeNames({plugins.begin(), plugins.end()});
    for (size_t n = 0; n < plugins.size(); ++n) {
        for (const auto &listed : owner->presets(*plugins[n])) {
            Preset preset;
            preset.name = QString::fromStdString(listed.label);
            if (plugins.size() > 1)
                preset.name = nodeNames[qsizetype(n)] + ": " + preset.name;
            try {
                for (const auto &[symbol, value] :
                     owner->readPreset(*plugins[n], listed.uri).values)
                    if (const auto parameter = plugins[n]->parameter(symbol))
                        preset.values.emplace_back(
                            ParameterKey{nodeNames[qsizetype(n)],
                                         QString::fromStdString(parameter->name())},
                            std::dynamic_pointer_cast<NQBoolParameter>(parameter)
                                ? QVariant(value > 0.5f)
                                : QVariant(double(value)));
            } catch (const std::runtime_error &) {
                continue; // lilv cannot read it: not offered
            }
            presets.push_back(std::move(preset));
        }
    }
    return presets;
}
