#include "SaturatingConversion.h"

#include <gtest/gtest.h>
#include <limits>

using NequoraUI::SaturatingConversion;

namespace {
constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();
} // namespace

TEST(SaturatingConversion, TruncatesTowardZeroInsideTheRange)
{
    EXPECT_EQ(SaturatingConversion::toInt32(2.7f), 2);
    EXPECT_EQ(SaturatingConversion::toInt32(-2.7f), -2);
    EXPECT_EQ(SaturatingConversion::toInt32(-4.6f), -4);
    EXPECT_EQ(SaturatingConversion::toInt32(-0.9f), 0);
    EXPECT_EQ(SaturatingConversion::toUInt32(0.9f), 0u);
    EXPECT_EQ(SaturatingConversion::toUInt32(99.99f), 99u);
    EXPECT_EQ(SaturatingConversion::toUInt32(-0.5f), 0u);
    // The largest floats that still fit.
    EXPECT_EQ(SaturatingConversion::toInt32(2147483520.0f), 2147483520);
    EXPECT_EQ(SaturatingConversion::toInt32(-2147483648.0f), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(SaturatingConversion::toUInt32(4294967040.0f), 4294967040u);
}

TEST(SaturatingConversion, OutOfRangeSaturatesAndNaNGivesZero)
{
    // The float nearest to the largest int32 is one above it.
    EXPECT_EQ(SaturatingConversion::toInt32(float(std::numeric_limits<int32_t>::max())),
              std::numeric_limits<int32_t>::max());
    EXPECT_EQ(SaturatingConversion::toInt32(1e20f), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(SaturatingConversion::toInt32(-2147483904.0f), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(SaturatingConversion::toInt32(infinity), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(SaturatingConversion::toInt32(-infinity), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(SaturatingConversion::toInt32(nan), 0);

    EXPECT_EQ(SaturatingConversion::toUInt32(float(std::numeric_limits<uint32_t>::max())),
              std::numeric_limits<uint32_t>::max());
    EXPECT_EQ(SaturatingConversion::toUInt32(infinity), std::numeric_limits<uint32_t>::max());
    EXPECT_EQ(SaturatingConversion::toUInt32(-5.0f), 0u);
    EXPECT_EQ(SaturatingConversion::toUInt32(-infinity), 0u);
    EXPECT_EQ(SaturatingConversion::toUInt32(nan), 0u);
}
