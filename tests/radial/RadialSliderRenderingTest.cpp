#include "RadialPadFixture.h"

#include <QFontDatabase>
#include <cmath>
#include <numbers>

using namespace RadialTest;

namespace {

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

} // namespace

class RadialPadRendering : public RadialPad
{
protected:
    // The share of samples on the circle of a ring's stroke around the pad centre that touch a
    // dark stroke pixel.
    double ringCoverage(const QImage &image, double strokeRadius)
    {
        int dark = 0;
        for (int step = 0; step < 720; ++step) {
            const double angle = step * std::numbers::pi / 360.0;
            const QPointF pad(100 + std::cos(angle) * strokeRadius,
                              100 + std::sin(angle) * strokeRadius);
            const QPoint at = windowPoint(pad.x(), pad.y());
            int darkest = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    darkest = std::min(darkest, qGray(image.pixel(at.x() + dx, at.y() + dy)));
            // Grid curves are drawn at half opacity and never get this dark.
            dark += darkest < 90 ? 1 : 0;
        }
        return dark / 720.0;
    }

    QRgb pixelAtPad(const QImage &image, double x, double y)
    {
        return image.pixel(windowPoint(x, y));
    }
};

TEST_F(RadialPadRendering, KnobIsAWhiteDiscWithOutlineAndDotAtItsPositionEvenOutsideThePad)
{
    show({});
    QImage image = render();
    EXPECT_TRUE(isRed(pixelAtPad(image, 100, 100))) << "dot at the knob's centre";
    EXPECT_TRUE(isRed(pixelAtPad(image, 113, 100))) << "dot is 28 across";
    EXPECT_EQ(pixelAtPad(image, 116, 107), qRgb(255, 255, 255)) << "white between dot and edge";
    EXPECT_GT(qRed(pixelAtPad(image, 119.6, 100)), qGreen(pixelAtPad(image, 119.6, 100)) + 60)
        << "outline on the knob's edge";

    control->updateCurrentPosition({1.2, 0.5});
    image = render();
    EXPECT_TRUE(isRed(pixelAtPad(image, 240, 100)));
    EXPECT_FALSE(isRed(pixelAtPad(image, 100, 100)));

    show({.draggableControlSize = 400});
    image = render();
    EXPECT_TRUE(isRed(pixelAtPad(image, 195, 100))) << "dot 200 across";
    EXPECT_EQ(pixelAtPad(image, 210, 100), qRgb(255, 255, 255)) << "knob 400 across";
}

TEST_F(RadialPadRendering, DashedRingsInsideTheirDiametersAndAHalfOpaqueGridABlurLightens)
{
    show({});
    const QImage image = render();
    for (const double strokeRadius : {99.5, 89.5}) {
        const double coverage = ringCoverage(image, strokeRadius);
        EXPECT_GT(coverage, 0.5) << "ring of stroke radius " << strokeRadius;
        EXPECT_LT(coverage, 0.95) << "dashed, ring of stroke radius " << strokeRadius;
    }
    // Nothing of the outer ring reaches beyond the pad.
    EXPECT_EQ(pixelAtPad(image, 100, -2), qRgb(255, 255, 255));
    EXPECT_EQ(pixelAtPad(image, 201.5, 100), qRgb(255, 255, 255));
    const int plain = qGray(pixelAtPad(image, 100, 150));
    EXPECT_GT(plain, 100) << "grid curves are drawn at half opacity";
    EXPECT_LT(plain, 200) << "the vertical diameter is a grid curve";

    show({.blurCenterView = true});
    const int frosted = qGray(pixelAtPad(render(), 100, 150));
    EXPECT_GT(frosted, plain + 15);
    EXPECT_LT(frosted, 255) << "the disc is translucent";

    // Without grid lines neither curves nor rings show, and the layout is unchanged.
    show({.showCircleGridLines = false, .showDraggableControl = false});
    expectBlank(2);
    EXPECT_EQ(control->width(), 200);
}

TEST_F(RadialPadRendering, DebugReadoutSitsAboveThePadBeyondTheFrame)
{
    if (QFontDatabase::families().isEmpty())
        GTEST_SKIP() << "no fonts installed (scripts/setup.sh installs them)";
    CapturedStdout out;
    show({.debugModeEnabled = true, .at = {50, 150}});
    // The readout does not enlarge the frame: readout and pad are centred together.
    EXPECT_EQ(control->width(), 200);
    EXPECT_EQ(control->height(), 200);
    const QImage image = render();

    const int padTop = windowPoint(0, 0).y();
    int textPixels = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < image.width(); ++x)
            textPixels += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(textPixels, 50) << "readout text above the item's frame";
    EXPECT_GT(padTop, 150) << "the pad moved down by half the readout";
    EXPECT_TRUE(isRed(pixelAtPad(image, 100, 100)));
}
