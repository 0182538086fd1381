#include "SaturatingConversion.h"

#include <cmath>
#include <limits>

namespace NequoraUI {

namespace {

// 2^31 and 2^32 are exact floats; every float at or above them is out of range.
constexpr float int32Bound = 2147483648.0f;
constexpr float uint32Bound = 4294967296.0f;

} // namespace

int32_t SaturatingConversion::toInt32(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= int32Bound)
        return std::numeric_limits<int32_t>::max();
    if (value < -int32Bound)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

uint32_t SaturatingConversion::toUInt32(float value)
{
    // Also catches NaN, and negatives whose truncation would be below zero.
    if (!(value > 0.0f))
        return 0;
    if (value >= uint32Bound)
        return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(value);
}

} // namespace NequoraUI
