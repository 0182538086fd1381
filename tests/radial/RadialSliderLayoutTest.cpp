#include "RadialSliderLayout.h"

#include <gtest/gtest.h>

using NequoraUI::RadialSliderGeometry;
using NequoraUI::RadialSliderLayout;

namespace {

RadialSliderLayout layoutOf(double side, QSizeF item, RadialSliderLayout::Point knob,
                            bool showKnob = true)
{
    return RadialSliderLayout(RadialSliderGeometry(side, 40), item, {showKnob, false, knob});
}

} // namespace

// The painted area covers the item and every part, but a knob placed far away cannot make the
// texture grow past the pad's side, nor past a fixed overflow however large the pad.
TEST(RadialSliderLayout, PaintAreaCoversEveryPartUpToACappedOverflow)
{
    struct Case
    {
        double side;
        QSizeF item;
        RadialSliderLayout::Point knob;
        QRectF area;
    };
    const Case cases[] = {
        {200, {300, 300}, {0.5, 0.5}, {0, 0, 300, 300}},
        {200, {100, 100}, {0.5, 0.5}, {-50, -50, 200, 200}},
        {200, {200, 200}, {1.5, 0.5}, {0, 0, 321, 200}},
        {200, {200, 200}, {50, 0.5}, {0, 0, 400, 200}},
        {5000, {5000, 5000}, {50, 0.5}, {0, 0, 7048, 5000}},
        {0, {80, 60}, {50, 50}, {0, 0, 80, 60}},
    };
    for (const Case &c : cases) {
        const QRectF area = layoutOf(c.side, c.item, c.knob).paintArea();
        EXPECT_EQ(area, c.area) << "side " << c.side << ", knob x " << c.knob.x << ": " << area.x()
                                << " " << area.y() << " " << area.width() << " x " << area.height();
    }
    EXPECT_EQ(RadialSliderLayout::textureSize({0, 0, 7048.2, 20000}), QSize(7049, 16384));
}

// A knob outside the frame still takes the pointer, unless it is hidden.
TEST(RadialSliderLayout, TheKnobTakesThePointerOutsideTheFrameOnlyWhenShown)
{
    const QPointF onKnob(310, 100);
    EXPECT_TRUE(layoutOf(200, {200, 200}, {1.5, 0.5}).contains(onKnob));
    EXPECT_FALSE(layoutOf(200, {200, 200}, {1.5, 0.5}, false).contains(onKnob));
    EXPECT_FALSE(layoutOf(200, {200, 200}, {1.5, 0.5}).contains({250, 100}));
    EXPECT_FALSE(layoutOf(0, {200, 200}, {0.5, 0.5}).contains({0, 0}));
}
