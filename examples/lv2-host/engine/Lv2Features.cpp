#include "Lv2Features.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/parameters/parameters.h>

#include <algorithm>

namespace {

// Features a plugin may ask for that need nothing from the host: hardRTCapable and inPlaceBroken
// describe the plugin, isLive says it expects real-time use, which we give.
constexpr const char *ignorable[] = {
    LV2_CORE__hardRTCapable,
    LV2_CORE__inPlaceBroken,
    LV2_CORE__isLive,
};

} // namespace

Lv2Features::Lv2Features(double sampleRate, uint32_t maxBlockLength, uint32_t sequenceSize)
    : rate(float(sampleRate)), maxBlock(int32_t(maxBlockLength)), sequence(int32_t(sequenceSize))
{
    const LV2_URID intType = uridMap.map(LV2_ATOM__Int);
    const auto option = [&](const char *key, LV2_URID type, const void *value) {
        return LV2_Options_Option{LV2_OPTIONS_INSTANCE, 0,    uridMap.map(key),
                                  sizeof(int32_t),      type, value};
    };
    options = {option(LV2_PARAMETERS__sampleRate, uridMap.map(LV2_ATOM__Float), &rate),
               option(LV2_BUF_SIZE__minBlockLength, intType, &minBlock),
               option(LV2_BUF_SIZE__maxBlockLength, intType, &maxBlock),
               option(LV2_BUF_SIZE__nominalBlockLength, intType, &maxBlock),
               option(LV2_BUF_SIZE__sequenceSize, intType, &sequence),
               LV2_Options_Option{LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    features = {LV2_Feature{LV2_URID__map, uridMap.mapFeature()},
                LV2_Feature{LV2_URID__unmap, uridMap.unmapFeature()},
                LV2_Feature{LV2_OPTIONS__options, options.data()},
                LV2_Feature{LV2_BUF_SIZE__boundedBlockLength, nullptr},
                LV2_Feature{LV2_CORE__hardRTCapable, nullptr}};
    for (size_t i = 0; i < features.size(); ++i)
        pointers[i] = &features[i];
    pointers.back() = nullptr;
}

std::optional<std::string>
Lv2Features::firstUnsupported(const std::vector<std::string> &required) const
{
    for (const std::string &uri : required) {
        const bool provided = std::any_of(features.begin(), features.end(),
                                          [&](const LV2_Feature &f) { return uri == f.URI; });
        const bool harmless =
            std::find(std::begin(ignorable), std::end(ignorable), uri) != std::end(ignorable);
        if (!provided && !harmless)
            return uri;
    }
    return std::nullopt;
}
