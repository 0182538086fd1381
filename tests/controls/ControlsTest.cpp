#include "platform/Color.h"
#include "platform/ProgressBar.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"
#include "platform/Switch.h"
#include "support/Widgets.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace NequoraUI::platform;

// Every property of a platform control notifies, once per real change and for setters too.
TEST(Controls, PropertiesNotifyEveryChangeOnce)
{
    Slider slider;
    Switch toggle;
    SegmentedControl segments;
    ProgressBar bar;
    const std::pair<QWidget *, std::vector<std::pair<const char *, QVariant>>> controls[] = {
        {&slider,
         {{"maximumValue", 4.0f}, {"minimumValue", 1.0f}, {"value", 3.0f}, {"continuous", false}}},
        {&toggle, {{"on", true}}},
        {&segments, {{"segmentTitles", QStringList{"A", "B"}}, {"selectedSegmentIndex", 1}}},
        {&bar, {{"progress", 0.5f}}}};
    for (const auto &[control, writes] : controls) {
        const QMetaObject *meta = control->metaObject();
        for (const auto &[name, value] : writes) {
            SCOPED_TRACE(name);
            const QMetaProperty property = meta->property(meta->indexOfProperty(name));
            ASSERT_TRUE(property.hasNotifySignal());
            QSignalSpy spy(control, property.notifySignal());
            EXPECT_TRUE(control->setProperty(name, value));
            EXPECT_TRUE(control->setProperty(name, value));
            EXPECT_EQ(spy.count(), 1);
            EXPECT_EQ(control->property(name), value);
        }
    }
}

// Fractions outside 0 ... 1 are pinned through ProgressView; non-finite ones here.
TEST(Controls, ProgressBarPaintsTheFillInProportionAndPinsNonFiniteProgress)
{
    ProgressBar bar;
    bar.resize(200, bar.sizeHint().height());
    EXPECT_LE(bar.sizeHint().height(), 6);
    EXPECT_GE(bar.minimumSizeHint().height(), 2);
    bar.setProgress(0.25f);
    const int middle = bar.height() / 2;
    const QImage image = bar.grab().toImage();
    for (int x : {25, 45})
        EXPECT_EQ(image.pixelColor(x, middle), Color::systemBlue()) << x;
    for (int x : {56, 150})
        EXPECT_NE(image.pixelColor(x, middle), Color::systemBlue()) << x;
    EXPECT_EQ(image.pixelColor(150, middle), image.pixelColor(100, middle)) << "plain track";

    bar.setProgress(std::numeric_limits<float>::infinity());
    EXPECT_EQ(bar.progress(), 1.0f);
    bar.setProgress(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(bar.progress(), 0.0f);
    EXPECT_NE(bar.grab().toImage().pixelColor(25, middle), Color::systemBlue());
}

// Flips, silent changes and the space key are walked through SwitchView (FormWidgetsTest).
TEST(Controls, SwitchFlipsOnAClickAnywhereAndPaintsTheOnAndOffColours)
{
    Switch toggle;
    ASSERT_TRUE(
        NequoraUI::testing::shown(toggle, toggle.sizeHint().width(), toggle.sizeHint().height()));
    QSignalSpy reports(&toggle, &Switch::valueChanged);
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(5, 5)); // anywhere on it flips
    EXPECT_TRUE(toggle.isOn());

    // The track shows beside the thumb: on the left when on, on the right when off.
    const int middle = toggle.height() / 2;
    const QPoint left(6, middle), right(toggle.width() - 7, middle);
    QImage image = toggle.grab().toImage();
    EXPECT_EQ(image.pixelColor(left), toggle.onColor());
    EXPECT_EQ(image.pixelColor(right), QColor(Qt::white)) << "the thumb sits on the right";
    toggle.setOn(false);
    image = toggle.grab().toImage();
    EXPECT_EQ(image.pixelColor(right), toggle.offColor());
    EXPECT_EQ(image.pixelColor(left), QColor(Qt::white));

    EXPECT_EQ(reports.count(), 1);
}
