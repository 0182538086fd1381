#include "SliderView.h"
#include "platform/Slider.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using NequoraUI::SliderView;
using NequoraUI::platform::Slider;

namespace {

struct SliderFixture
{
    SliderFixture(float initial, float minimum, float maximum)
        : view(QStringLiteral("Gain"), initial, minimum, maximum,
               [this](float value) { reported.push_back(value); })
    {
        view.resize(320, 80);
        view.show();
        slider = view.findChild<Slider *>(QStringLiteral("slider"));
        valueLabel = view.findChild<QLabel *>(QStringLiteral("valueLabel"));
    }

    void clickAt(float value)
    {
        QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(value));
    }

    QString label() const { return valueLabel->text(); }

    std::vector<float> reported;
    SliderView view;
    Slider *slider = nullptr;
    QLabel *valueLabel = nullptr;
};

} // namespace

TEST(SliderView, ShowsTitleRangeAndTheInitialValuePassedIn)
{
    SliderFixture f(5.0f, 0.0f, 1.0f);
    EXPECT_EQ(f.view.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(), "Gain");
    EXPECT_EQ(f.slider->minimumValue(), 0.0f);
    EXPECT_EQ(f.slider->maximumValue(), 1.0f);
    EXPECT_EQ(f.slider->value(), 1.0f) << "the slider pins the initial value";
    EXPECT_EQ(f.label(), "5.0") << "the label shows the value passed in";
    EXPECT_TRUE(f.reported.empty());
}

TEST(SliderView, UserChangeShowsTwoDecimalsAndReportsTheFullValue)
{
    SliderFixture f(2.0f, 0.0f, 4.0f);
    EXPECT_EQ(f.label(), "2.0");

    f.clickAt(3.0f);
    f.clickAt(2.0f);
    ASSERT_EQ(f.reported.size(), 2u);
    EXPECT_NEAR(f.reported[1], 2.0f, 0.02f);
    EXPECT_EQ(f.reported[1], f.slider->value());
    EXPECT_EQ(f.label(), QString::number(double(f.reported[1]), 'f', 2));

    f.clickAt(4.0f / 3.0f);
    ASSERT_EQ(f.reported.size(), 3u);
    const float third = f.reported[2];
    EXPECT_NEAR(third, 1.3333f, 0.02f);
    EXPECT_NE(third * 100.0f, std::round(third * 100.0f))
        << "the handler gets more than two decimals";
    EXPECT_EQ(f.label(), QString::number(double(third), 'f', 2));
}

TEST(SliderView, DragReportsEveryMoveAndKeyboardStepsToo)
{
    SliderFixture f(0.0f, 0.0f, 100.0f);
    QTest::mousePress(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(10));
    QTest::mouseMove(f.slider, f.slider->pointForValue(50));
    QTest::mouseMove(f.slider, f.slider->pointForValue(90));
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(90));
    ASSERT_GE(f.reported.size(), 3u);
    EXPECT_NEAR(f.reported.back(), 90.0f, 1.0f);

    f.slider->setFocus();
    QTest::keyClick(f.slider, Qt::Key_End);
    EXPECT_EQ(f.reported.back(), 100.0f);
    EXPECT_EQ(f.label(), "100.00");
}

TEST(SliderView, SmallNegativeUserValueKeepsItsSign)
{
    SliderFixture f(0.0f, -0.002f, 0.0f);
    f.clickAt(-0.001f);
    ASSERT_EQ(f.reported.size(), 1u);
    EXPECT_LT(f.reported[0], 0.0f);
    EXPECT_EQ(f.label(), "-0.00");
}

TEST(SliderView, SetValuePinsTheSliderShowsThePassedValueAndReportsNothing)
{
    SliderFixture f(0.5f, 0.0f, 1.0f);
    f.view.setValue(7.25f);
    EXPECT_EQ(f.slider->value(), 1.0f);
    EXPECT_EQ(f.label(), "7.25");
    f.view.setValue(0.1f);
    EXPECT_EQ(f.slider->value(), 0.1f);
    EXPECT_EQ(f.label(), "0.1");
    EXPECT_TRUE(f.reported.empty());
}

TEST(SliderView, WorksWithoutAHandler)
{
    SliderView view(QStringLiteral("Silent"), 0.5f, 0.0f, 1.0f, {});
    view.resize(300, 80);
    view.show();
    auto *slider = view.findChild<Slider *>(QStringLiteral("slider"));
    QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(1.0f));
    EXPECT_EQ(view.findChild<QLabel *>(QStringLiteral("valueLabel"))->text(), "1.00");
}
