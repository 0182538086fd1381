#include "platform/Switch.h"
#include "support/Widgets.h"

#include <QTest>
#include <gtest/gtest.h>

using NequoraUI::platform::Switch;

// Flips, silent changes and the space key are walked through SwitchView (FormWidgetsTest).
TEST(SwitchTest, PaintsTheOnAndOffColoursAndADisabledSwitchIgnoresClicks)
{
    Switch toggle;
    ASSERT_TRUE(
        NequoraUI::testing::shown(toggle, toggle.sizeHint().width(), toggle.sizeHint().height()));
    int reports = 0;
    QObject::connect(&toggle, &Switch::valueChanged, &toggle, [&reports] { ++reports; });
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(5, 5)); // anywhere on it flips
    EXPECT_TRUE(toggle.isOn());
    EXPECT_NE(toggle.focusPolicy() & Qt::TabFocus, 0);

    // The track shows beside the thumb: on the left when on, on the right when off.
    const int middle = toggle.height() / 2;
    const QPoint left(6, middle), right(toggle.width() - 7, middle);
    QImage image = toggle.grab().toImage();
    EXPECT_EQ(image.pixelColor(left), Switch::onColor());
    EXPECT_EQ(image.pixelColor(right), QColor(Qt::white)) << "the thumb sits on the right";
    toggle.setOn(false);
    image = toggle.grab().toImage();
    EXPECT_EQ(image.pixelColor(right), Switch::offColor());
    EXPECT_EQ(image.pixelColor(left), QColor(Qt::white));

    toggle.setEnabled(false);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_FALSE(toggle.isOn());
    EXPECT_EQ(reports, 1);
}
