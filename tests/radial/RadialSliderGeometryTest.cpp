#include "RadialSliderGeometry.h"

#include <cmath>
#include <gtest/gtest.h>

using NequoraUI::RadialSliderGeometry;
using Point = RadialSliderGeometry::Point;

const auto expectNear = [](Point actual, Point expected, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x of (" << actual.x << ", " << actual.y << ")";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y of (" << actual.x << ", " << actual.y << ")";
};

TEST(RadialSliderGeometry, MapSquareToDiscKeepsCentreAndAxesRoundsCornersAndDoesNotClamp)
{
    const std::pair<Point, Point> cases[] = {
        {{0.5, 0.5}, {0.5, 0.5}},          {{1, 0.5}, {1, 0.5}},
        {{0.75, 0.5}, {0.75, 0.5}},        {{1, 1}, {0.853553, 0.853553}},
        {{0, 0}, {0.146447, 0.146447}},    {{0.75, 0.75}, {0.676777, 0.676777}},
        {{1, 0.75}, {0.947214, 0.723607}}, {{1.5, 0.5}, {1.5, 0.5}}};
    for (const auto &[in, out] : cases)
        expectNear(RadialSliderGeometry::mapSquareToDisc(in), out);
    const Point far = RadialSliderGeometry::mapSquareToDisc({2, 2});
    EXPECT_GT(std::hypot(far.x - 0.5, far.y - 0.5), 0.5);
}

TEST(RadialSliderGeometry, KnobHitAreaIsItsRadiusPlusHalfTheOutlineAndTheReadoutStacksAbove)
{
    const RadialSliderGeometry small(200, 40);
    expectNear(small.knobCentre({0.146447, 0.853553}), {29.29, 29.29}, 0.01);
    EXPECT_TRUE(small.knobContains({0.5, 0.5}, {120.5, 100}));
    EXPECT_FALSE(small.knobContains({0.5, 0.5}, {121, 100}));
    EXPECT_FALSE(RadialSliderGeometry(200, 0).knobContains({0.5, 0.5}, {100, 100}));

    EXPECT_DOUBLE_EQ(small.composition(false, 0, 0).pad.y, 0);
    const auto debug = small.composition(true, 160, 92);
    // Stack of 92 + 8 + 200 = 300 centred in 200: 50 above the frame and 50 below.
    EXPECT_DOUBLE_EQ(debug.readout.y, -50);
    EXPECT_DOUBLE_EQ(debug.pad.y, 50);
    EXPECT_EQ(RadialSliderGeometry::debugLine({0.1, 0.00001}),
              "[NQRadialSliderControl] New (X,Y) position: (0.1, 1e-05)");
    EXPECT_EQ(RadialSliderGeometry::readoutText(RadialSliderGeometry::yReadoutKey, 2),
              "Y pos: 2.000000");
}

TEST(RadialSliderGeometry, GridHasElevenCurvesFromBottomToTopWithArcsInTheMiddle)
{
    const auto points = RadialSliderGeometry::gridPoints(200, 200);
    ASSERT_EQ(points.size(), 11u * 101u);
    const auto at = [&](int u, int i) { return points[u * 101 + i]; };
    const std::tuple<int, int, Point> cases[] = {{0, 0, {29.29, 170.71}},  {0, 50, {0, 100}},
                                                 {0, 100, {29.29, 29.29}}, {5, 0, {100, 200}},
                                                 {5, 100, {100, 0}},       {2, 0, {48.55, 185.75}},
                                                 {2, 50, {40, 100}},       {10, 50, {200, 100}}};
    for (const auto &[u, i, point] : cases)
        expectNear(at(u, i), point, 0.01);
    for (int i = 0; i <= 100; ++i)
        EXPECT_NEAR(at(5, i).x, 100, 1e-9) << "point " << i;
    // Curve u = 2 (X = -0.6): where |Y| <= 0.6 it lies on the circle of radius 60.
    for (int i = 20; i <= 80; ++i)
        EXPECT_NEAR(std::hypot(at(2, i).x - 100, at(2, i).y - 100), 60, 1e-9) << "point " << i;
}
