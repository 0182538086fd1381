#pragma once

#include "UridMap.h"

#include <lv2/core/lv2.h>
#include <lv2/options/options.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the host gives every plugin it instantiates: urid:map and unmap, the options (sample
// rate, block lengths, atom sequence size) and the promise of bounded block lengths. The
// features live as long as the plugins made with them.
class Lv2Features
{
public:
    Lv2Features(double sampleRate, uint32_t maxBlockLength, uint32_t sequenceSize);
    Lv2Features(const Lv2Features &) = delete;
    Lv2Features &operator=(const Lv2Features &) = delete;

    // The null-terminated list lilv_plugin_instantiate() takes.
    const LV2_Feature *const *list() const { return pointers.data(); }
    // The first URI in required that the host neither provides nor may ignore.
    std::optional<std::string> firstUnsupported(const std::vector<std::string> &required) const;

    UridMap &urids() { return uridMap; }
    double sampleRate() const { return rate; }
    uint32_t maxBlockLength() const { return maxBlock; }
    uint32_t sequenceSize() const { return sequence; }

private:
    UridMap uridMap;
    const float rate;
    const int32_t maxBlock;
    const int32_t minBlock = 1;
    const int32_t sequence;
    std::array<LV2_Options_Option, 6> options{};
    std::array<LV2_Feature, 5> features{};
    std::array<const LV2_Feature *, 6> pointers{};
};
