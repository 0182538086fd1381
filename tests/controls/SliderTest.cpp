#include "platform/Slider.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using NequoraUI::platform::Slider;

namespace {

constexpr float inf = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

struct SliderTest : ::testing::Test
{
    void SetUp() override
    {
        // 300 pixels of knob travel, so a third of it falls exactly on a pixel.
        slider.resize(400, 28);
        slider.resize(400 + 300 - travel(), 28);
        slider.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
        ASSERT_EQ(travel(), 300);
    }

    int travel() const
    {
        return slider.pointForValue(slider.maximumValue()).x() -
               slider.pointForValue(slider.minimumValue()).x();
    }
    QPoint atFraction(double fraction) const
    {
        const QPoint start = slider.pointForValue(slider.minimumValue());
        return QPoint(start.x() + int(std::lround(fraction * travel())), start.y());
    }

    Slider slider;
};

// Programmatic changes pin silently; crossing or non-finite bounds keep the range consistent and
// never yield NaN.
TEST_F(SliderTest, ProgrammaticChangesPinSilentlyAndBoundsStayConsistent)
{
    slider.setMinimumValue(nan);
    slider.setMaximumValue(nan);
    EXPECT_EQ(std::pair(slider.minimumValue(), slider.maximumValue()), std::pair(0.0f, 1.0f));
    QSignalSpy spy(&slider, &Slider::valueChanged);
    slider.setMinimumValue(-2.0f);
    slider.setMaximumValue(4.0f);
    const std::pair<float, float> pins[] = {{5, 4},   {-9, -2},   {nan, -2},
                                            {inf, 4}, {-inf, -2}, {1.25f, 1.25f}};
    for (const auto &[value, pinned] : pins) {
        slider.setValue(value);
        EXPECT_EQ(slider.value(), pinned) << value;
    }
    slider.setMaximumValue(1.0f);
    EXPECT_EQ(slider.value(), 1.0f) << "a narrower range re-pins the value";
    EXPECT_EQ(spy.count(), 0);

    slider.setValue(0.5f);
    for (const float bound : {5.0f, -3.0f}) {
        bound > 0 ? slider.setMinimumValue(bound) : slider.setMaximumValue(bound);
        EXPECT_EQ(std::tuple(slider.minimumValue(), slider.maximumValue(), slider.value()),
                  std::tuple(bound, bound, bound));
    }
    // An empty range still answers a press with its one value, never NaN.
    QTest::mouseClick(&slider, Qt::LeftButton, {}, atFraction(0.5));
    EXPECT_EQ(slider.value(), -3.0f);

    slider.setMinimumValue(-inf);
    slider.setMaximumValue(inf);
    EXPECT_TRUE(std::isfinite(slider.minimumValue()) && std::isfinite(slider.maximumValue()));
    for (double fraction : {0.0, 0.25, 0.5, 1.0}) {
        QTest::mouseClick(&slider, Qt::LeftButton, {}, atFraction(fraction));
        EXPECT_TRUE(std::isfinite(slider.value())) << "at fraction " << fraction;
    }
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_TRUE(std::isfinite(slider.value()));
    EXPECT_TRUE(std::isfinite(float(slider.knobCenter().x())));
}

TEST_F(SliderTest, PressGivesTheFullPrecisionValueADragFollowsAndTheKnobHolds)
{
    QSignalSpy spy(&slider, &Slider::valueChanged);
    slider.setMaximumValue(100.0f);
    QTest::mousePress(&slider, Qt::LeftButton, {}, atFraction(1.0 / 3.0));
    EXPECT_FLOAT_EQ(slider.value(), 100.0f / 3.0f);
    EXPECT_EQ(slider.knobCenter().toPoint(), atFraction(1.0 / 3.0));
    QTest::mouseMove(&slider, atFraction(1.0) + QPoint(40, 0));
    EXPECT_EQ(slider.value(), 100.0f) << "beyond the track pins to the end";
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, atFraction(1.0) + QPoint(40, 0));
    EXPECT_EQ(spy.count(), 2);

    // A press on the knob holds it where it was pressed: without movement nothing changes.
    slider.setMaximumValue(1.0f);
    slider.setValue(0.35f);
    spy.clear();
    const QPoint grab = slider.knobCenter().toPoint() + QPoint(5, 0);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, grab);
    EXPECT_EQ(spy.count(), 0);
    QTest::mousePress(&slider, Qt::LeftButton, {}, grab);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, grab + QPoint(30, 0));
    EXPECT_NEAR(slider.value(), 0.45f, 0.002f) << "the knob follows the pointer's movement";
}

// Keys report each change at once, also on a slider that reports drags only on release.
TEST_F(SliderTest, NonContinuousDragReportsOnceOnReleaseKeysStepByAHundredthOrByTheSetStep)
{
    slider.setContinuous(false);
    slider.setValue(0.5f);
    QSignalSpy spy(&slider, &Slider::valueChanged);
    QTest::mousePress(&slider, Qt::LeftButton, {}, atFraction(0.2));
    QTest::mouseMove(&slider, atFraction(0.8));
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, atFraction(0.9));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FLOAT_EQ(slider.value(), 0.9f);

    // Away and back to the starting value is still a change the user made.
    QTest::mousePress(&slider, Qt::LeftButton, {}, atFraction(0.3));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, atFraction(0.9));
    EXPECT_EQ(spy.count(), 2);

    slider.setMinimumValue(-100.0f);
    slider.setMaximumValue(100.0f);
    slider.setValue(0.0f);
    spy.clear();
    const std::pair<Qt::Key, float> keys[] = {{Qt::Key_Right, 2}, {Qt::Key_Down, 0},
                                              {Qt::Key_Left, -2}, {Qt::Key_End, 100},
                                              {Qt::Key_Up, 100},  {Qt::Key_Home, -100}};
    for (const auto &[key, value] : keys) {
        QTest::keyClick(&slider, key);
        EXPECT_FLOAT_EQ(slider.value(), value) << key;
    }
    EXPECT_EQ(spy.count(), 5) << "one report per key that moved the value";

    // A step snaps every change and keeps the maximum reachable.
    slider.setMaximumValue(9.5f);
    slider.setMinimumValue(0.0f);
    slider.setStep(1.0f);
    QTest::keyClick(&slider, Qt::Key_End);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.value(), 9.0f);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(slider.value(), 9.5f);
}

TEST_F(SliderTest, WheelStepsOnlyWithFocusAndPassesOnAtTheEnd)
{
    slider.setMaximumValue(10.0f);
    slider.setValue(5.0f);
    QSignalSpy spy(&slider, &Slider::valueChanged);
    const QPointF at = slider.knobCenter();
    auto wheel = [&](int delta) {
        QWheelEvent event(at, slider.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&slider, &event);
        return event.isAccepted();
    };
    EXPECT_FALSE(wheel(120)) << "the focus a new window hands out is not the user's choice";
    slider.clearFocus();
    slider.setFocus();
    EXPECT_TRUE(wheel(120));
    EXPECT_FLOAT_EQ(slider.value(), 5.1f);
    EXPECT_TRUE(wheel(-240));
    EXPECT_FLOAT_EQ(slider.value(), 4.9f);
    EXPECT_EQ(spy.count(), 2);

    slider.setValue(10.0f);
    EXPECT_FALSE(wheel(120)) << "nothing to step at the end: a scroll area may scroll instead";
    EXPECT_EQ(spy.count(), 2);
}

TEST(SliderLifetime, AReceiverMayDeleteTheSliderWhenItReports)
{
    QWidget window;
    QPointer<Slider> slider = new Slider(&window);
    slider->resize(300, 28);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // A screen rebuilt in answer to a change deletes the control that reported it.
    QObject::connect(slider, &Slider::valueChanged, &window, [&] { delete slider.data(); });
    // The press lands on the knob, so the release is what reports.
    QTest::mousePress(slider, Qt::LeftButton, {}, slider->knobCenter().toPoint());
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(200, 14));
    EXPECT_TRUE(slider.isNull());
}

} // namespace
