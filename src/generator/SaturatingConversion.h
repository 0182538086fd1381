#pragma once

#include <cstdint>

namespace NequoraUI {

// Float-to-integer conversions that drop the fraction toward zero like a cast, but never leave
// the target type: values beyond its range give its nearest limit and NaN gives 0. A plain
// cast of such a value is undefined behaviour.
class SaturatingConversion
{
public:
    SaturatingConversion() = delete;

    static int32_t toInt32(float value);
    static uint32_t toUInt32(float value);
};

} // namespace NequoraUI
