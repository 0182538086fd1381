#include "SliderView.h"
#include "platform/Slider.h"
#include "support/Widgets.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using NequoraUI::SliderView;
using NequoraUI::platform::Slider;
using NequoraUI::testing::labelText;

namespace {

struct SliderFixture
{
    SliderFixture(float initial, float minimum, float maximum)
        : view(QStringLiteral("Gain"), initial, minimum, maximum,
               [this](float value) { reported.push_back(value); })
    {
        NequoraUI::testing::shown(view, 320, 80);
        slider = NequoraUI::testing::child<Slider>(&view, "slider");
    }
    void clickAt(float value)
    {
        QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(value));
    }
    QString label() const { return labelText(&view, "valueLabel"); }

    std::vector<float> reported;
    SliderView view;
    Slider *slider = nullptr;
};

} // namespace

// The label shows the value passed in, not the pinned one; nothing is reported.
TEST(SliderView, InitialAndProgrammaticValuesPinTheSliderSilently)
{
    SliderFixture f(5.0f, 0.0f, 1.0f);
    EXPECT_EQ(labelText(&f.view, "titleLabel"), "Gain");
    EXPECT_EQ(f.slider->minimumValue(), 0.0f);
    EXPECT_EQ(f.slider->value(), 1.0f);
    EXPECT_EQ(f.label(), "5.0");
    f.view.setValue(-7.25f);
    EXPECT_EQ(f.slider->value(), 0.0f);
    EXPECT_EQ(f.label(), "-7.25");
    f.view.setValue(0.1f);
    EXPECT_EQ(f.label(), "0.1");
    EXPECT_TRUE(f.reported.empty());
}

TEST(SliderView, UserChangeShowsTwoDecimalsAndReportsTheFullValue)
{
    SliderFixture f(2.0f, 0.0f, 4.0f);
    EXPECT_EQ(f.label(), "2.0");
    f.clickAt(3.0f);
    f.clickAt(2.0f);
    ASSERT_EQ(f.reported.size(), 2u);
    EXPECT_EQ(f.reported[1], f.slider->value());
    EXPECT_EQ(f.label(), QString::number(double(f.reported[1]), 'f', 2));

    f.clickAt(4.0f / 3.0f);
    const float third = f.reported.back();
    EXPECT_NEAR(third, 1.3333f, 0.02f);
    EXPECT_NE(third * 100.0f, std::round(third * 100.0f)) << "more than two decimals";
    EXPECT_EQ(f.label(), QString::number(double(third), 'f', 2));

    QTest::mousePress(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(1));
    QTest::mouseMove(f.slider, f.slider->pointForValue(2));
    QTest::mouseMove(f.slider, f.slider->pointForValue(3.6f));
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(3.6f));
    EXPECT_GE(f.reported.size(), 6u) << "every move of a drag";
    EXPECT_NEAR(f.reported.back(), 3.6f, 0.05f);
}

TEST(SliderView, SmallNegativeUserValueKeepsItsSignAndNoHandlerIsNeeded)
{
    SliderFixture f(0.0f, -0.002f, 0.0f);
    f.clickAt(-0.001f);
    ASSERT_EQ(f.reported.size(), 1u);
    EXPECT_LT(f.reported[0], 0.0f);
    EXPECT_EQ(f.label(), "-0.00");

    SliderView silent(QStringLiteral("Silent"), 0.5f, 0.0f, 1.0f, {});
    ASSERT_TRUE(NequoraUI::testing::shown(silent, 300, 80));
    auto *slider = NequoraUI::testing::child<Slider>(&silent, "slider");
    QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(1.0f));
    EXPECT_EQ(labelText(&silent, "valueLabel"), "1.00");
}

// Whole steps over 0-4: a key's share of the track (a hundredth, a tenth) is under half a step,
// yet each arrow or page key moves one.
TEST(SliderView, KeysMoveAPresentedWholeNumberSliderAtLeastOneStep)
{
    NequoraUI::ParameterPresentation whole;
    whole.step = 1;
    for (const auto &[key, sign] : {std::pair{Qt::Key_Up, 1.0f},
                                    {Qt::Key_Left, -1.0f},
                                    {Qt::Key_PageUp, 1.0f},
                                    {Qt::Key_PageDown, -1.0f}}) {
        SCOPED_TRACE(key);
        SliderFixture f(2.0f, 0.0f, 4.0f);
        f.view.setPresentation(whole);
        QTest::keyClick(f.slider, key);
        QTest::keyClick(f.slider, key);
        EXPECT_EQ(f.reported, (std::vector<float>{2 + sign, 2 + 2 * sign}));
    }
}
