#include "SaturatingConversion.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>

using NequoraUI::SaturatingConversion;

TEST(SaturatingConversion, TruncatesTowardZeroSaturatesOutsideAndNaNGivesZero)
{
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr int32_t intMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t intMax = std::numeric_limits<int32_t>::max();
    constexpr uint32_t uintMax = std::numeric_limits<uint32_t>::max();
    // 2147483520 and 4294967040 are the largest floats that still fit; float(intMax) is the
    // float nearest the largest int32, one above it.
    // clang-format off
    const std::pair<float, int32_t> toInt[] = {
        {2.7f, 2}, {-2.7f, -2}, {-4.6f, -4}, {-0.9f, 0}, {2147483520.0f, 2147483520},
        {-2147483648.0f, intMin}, {float(intMax), intMax}, {1e20f, intMax},
        {-2147483904.0f, intMin}, {inf, intMax}, {-inf, intMin}, {nan, 0}};
    const std::pair<float, uint32_t> toUInt[] = {
        {0.9f, 0u}, {99.99f, 99u}, {-0.5f, 0u}, {4294967040.0f, 4294967040u},
        {float(uintMax), uintMax}, {inf, uintMax}, {-5.0f, 0u}, {-inf, 0u}, {nan, 0u}};
    // clang-format on
    for (const auto &[in, out] : toInt)
        EXPECT_EQ(SaturatingConversion::toInt32(in), out) << in;
    for (const auto &[in, out] : toUInt)
        EXPECT_EQ(SaturatingConversion::toUInt32(in), out) << in;
}
