#include "RadialSliderGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using NequoraUI::RadialSliderGeometry;
using Point = RadialSliderGeometry::Point;

namespace {

constexpr double kAbout = 1e-6;
constexpr double kAboutPoints = 0.01;

void expectNear(Point actual, Point expected, double tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x of (" << actual.x << ", " << actual.y << ")";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y of (" << actual.x << ", " << actual.y << ")";
}

void expectExact(Point actual, Point expected)
{
    EXPECT_DOUBLE_EQ(actual.x, expected.x);
    EXPECT_DOUBLE_EQ(actual.y, expected.y);
}

} // namespace

TEST(RadialSliderGeometry, MapSquareToDiscKeepsCentreAxesAndRoundsCorners)
{
    expectExact(RadialSliderGeometry::mapSquareToDisc({0.5, 0.5}), {0.5, 0.5});
    expectExact(RadialSliderGeometry::mapSquareToDisc({1, 0.5}), {1, 0.5});
    expectExact(RadialSliderGeometry::mapSquareToDisc({0.75, 0.5}), {0.75, 0.5});
    expectNear(RadialSliderGeometry::mapSquareToDisc({1, 1}), {0.853553, 0.853553}, kAbout);
    expectNear(RadialSliderGeometry::mapSquareToDisc({0, 0}), {0.146447, 0.146447}, kAbout);
    expectNear(RadialSliderGeometry::mapSquareToDisc({0.75, 0.75}), {0.676777, 0.676777}, kAbout);
    expectNear(RadialSliderGeometry::mapSquareToDisc({1, 0.75}), {0.947214, 0.723607}, kAbout);
}

TEST(RadialSliderGeometry, MapSquareToDiscDoesNotClampOutsidePoints)
{
    expectExact(RadialSliderGeometry::mapSquareToDisc({1.5, 0.5}), {1.5, 0.5});
    const Point far = RadialSliderGeometry::mapSquareToDisc({2, 2});
    EXPECT_GT(std::hypot(far.x - 0.5, far.y - 0.5), 0.5);
}

TEST(RadialSliderGeometry, DragFollowsTheFingerInsideTheDisc)
{
    const RadialSliderGeometry geometry(200, 40);
    expectExact(geometry.dragPosition({100, 100}), {0.5, 0.5});
    expectExact(geometry.dragPosition({150, 100}), {0.75, 0.5});
}

TEST(RadialSliderGeometry, DragOutsideTheDiscSlidesAlongTheCircle)
{
    const RadialSliderGeometry geometry(200, 40);
    expectExact(geometry.dragPosition({200, 100}), {1, 0.5});
    expectExact(geometry.dragPosition({300, 100}), {1, 0.5});
    expectExact(geometry.dragPosition({100, 0}), {0.5, 1});
    expectExact(geometry.dragPosition({100, -50}), {0.5, 1});
    expectNear(geometry.dragPosition({0, 0}), {0.146447, 0.853553}, kAbout);
    expectNear(geometry.dragPosition({-100, 300}), {0.146447, 0.146447}, kAbout);
}

TEST(RadialSliderGeometry, KnobCentreAndHitArea)
{
    const RadialSliderGeometry geometry(200, 40);
    expectExact(geometry.knobCentre({0.5, 0.5}), {100, 100});
    expectExact(geometry.knobCentre({1, 0.5}), {200, 100});
    expectNear(geometry.knobCentre({0.146447, 0.853553}), {29.29, 29.29}, kAboutPoints);

    // Radius 20 plus half the outline.
    EXPECT_TRUE(geometry.knobContains({0.5, 0.5}, {120.5, 100}));
    EXPECT_FALSE(geometry.knobContains({0.5, 0.5}, {121, 100}));
    EXPECT_FALSE(RadialSliderGeometry(200, 0).knobContains({0.5, 0.5}, {100, 100}));
}

TEST(RadialSliderGeometry, DerivedSizes)
{
    const RadialSliderGeometry small(200, 40);
    EXPECT_DOUBLE_EQ(small.outerRingDiameter(), 200);
    EXPECT_DOUBLE_EQ(small.innerRingDiameter(), 180);
    EXPECT_DOUBLE_EQ(small.blurDiscDiameter(), 178);
    EXPECT_DOUBLE_EQ(small.dotDiameter(), 28);
    EXPECT_DOUBLE_EQ(RadialSliderGeometry(200, 400).dotDiameter(), 200);

    const auto outer = small.ringStrokeRect(200);
    EXPECT_DOUBLE_EQ(outer.x, 0.5);
    EXPECT_DOUBLE_EQ(outer.width, 199);
    const auto inner = small.ringStrokeRect(180);
    EXPECT_DOUBLE_EQ(inner.x, 10.5);
    EXPECT_DOUBLE_EQ(inner.width, 179);
}

TEST(RadialSliderGeometry, GridHasElevenCurvesFromBottomToTop)
{
    const auto points = RadialSliderGeometry::gridPoints(200, 200);
    ASSERT_EQ(points.size(), 11u * 101u);
    const auto at = [&](int u, int i) { return points[u * 101 + i]; };

    expectNear(at(0, 0), {29.29, 170.71}, kAboutPoints);
    expectNear(at(0, 50), {0, 100}, kAboutPoints);
    expectNear(at(0, 100), {29.29, 29.29}, kAboutPoints);

    for (int i = 0; i <= 100; ++i)
        EXPECT_NEAR(at(5, i).x, 100, 1e-9) << "point " << i;
    expectNear(at(5, 0), {100, 200}, 1e-9);
    expectNear(at(5, 100), {100, 0}, 1e-9);

    expectNear(at(2, 0), {48.55, 185.75}, kAboutPoints);
    expectNear(at(2, 50), {40, 100}, kAboutPoints);
    expectNear(at(10, 50), {200, 100}, kAboutPoints);
}

TEST(RadialSliderGeometry, GridMiddlePartIsAnArcOfItsOwnRadius)
{
    const auto points = RadialSliderGeometry::gridPoints(200, 200);
    // Curve u = 2 (X = -0.6): where |Y| <= 0.6 it lies on the circle of radius 60.
    for (int i = 20; i <= 80; ++i) {
        const Point p = points[2 * 101 + i];
        EXPECT_NEAR(std::hypot(p.x - 100, p.y - 100), 60, 1e-9) << "point " << i;
    }
}

TEST(RadialSliderGeometry, ReadoutStacksAboveThePadCentredInTheFrame)
{
    const RadialSliderGeometry geometry(200, 40);
    const auto plain = geometry.composition(false, 0, 0);
    EXPECT_DOUBLE_EQ(plain.pad.y, 0);
    EXPECT_DOUBLE_EQ(plain.pad.height, 200);

    const auto debug = geometry.composition(true, 160, 92);
    // Stack of 92 + 8 + 200 = 300 centred in 200: 50 above the frame and 50 below.
    EXPECT_DOUBLE_EQ(debug.readout.y, -50);
    EXPECT_DOUBLE_EQ(debug.readout.x, 20);
    EXPECT_DOUBLE_EQ(debug.pad.y, 50);
    EXPECT_DOUBLE_EQ(debug.pad.y + debug.pad.height, 250);
}

TEST(RadialSliderGeometry, DebugLineAndReadoutTexts)
{
    EXPECT_EQ(RadialSliderGeometry::debugLine({0.5, 0.5}),
              "[NQRadialSliderControl] New (X,Y) position: (0.5, 0.5)");
    EXPECT_EQ(RadialSliderGeometry::debugLine({1, 0}),
              "[NQRadialSliderControl] New (X,Y) position: (1.0, 0.0)");
    EXPECT_EQ(RadialSliderGeometry::debugLine({0.1, 0.00001}),
              "[NQRadialSliderControl] New (X,Y) position: (0.1, 1e-05)");

    EXPECT_EQ(RadialSliderGeometry::readoutText(RadialSliderGeometry::xReadoutKey, 0.5),
              "X pos: 0.500000");
    EXPECT_EQ(RadialSliderGeometry::readoutText(RadialSliderGeometry::yReadoutKey, 2),
              "Y pos: 2.000000");
}

TEST(RadialSliderGeometry, OnlyPositiveFiniteSizesAreUsable)
{
    EXPECT_TRUE(RadialSliderGeometry(200, 40).isUsable());
    EXPECT_FALSE(RadialSliderGeometry(0, 40).isUsable());
    EXPECT_FALSE(RadialSliderGeometry(-200, 40).isUsable());
    EXPECT_FALSE(RadialSliderGeometry(std::numeric_limits<double>::quiet_NaN(), 40).isUsable());
    EXPECT_FALSE(RadialSliderGeometry(std::numeric_limits<double>::infinity(), 40).isUsable());
}
