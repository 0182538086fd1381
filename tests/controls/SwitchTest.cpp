#include "platform/Switch.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using NequoraUI::platform::Switch;

namespace {

class SwitchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        toggle.resize(toggle.sizeHint());
        toggle.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&toggle));
    }

    Switch toggle;
};

TEST_F(SwitchTest, ClicksAndSpaceFlipAndReportTheNewStateSetOnAndDisabledStaySilent)
{
    std::vector<bool> reported;
    QObject::connect(&toggle, &Switch::valueChanged, &toggle,
                     [&] { reported.push_back(toggle.isOn()); });
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(reported, (std::vector<bool>{true, false}));

    // After a silent change, the next flip reports the state after that flip.
    toggle.setOn(true);
    EXPECT_EQ(reported.size(), 2u);
    EXPECT_NE(toggle.focusPolicy() & Qt::TabFocus, 0);
    toggle.setFocus();
    QTest::keyClick(&toggle, Qt::Key_Space);
    EXPECT_EQ(reported, (std::vector<bool>{true, false, false}));

    toggle.setEnabled(false);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_FALSE(toggle.isOn());
    EXPECT_EQ(reported.size(), 3u);
}

TEST_F(SwitchTest, PaintsTheOnAndOffColours)
{
    // The track shows beside the thumb: on the left when on, on the right when off.
    const int middle = toggle.height() / 2;
    const QPoint left(6, middle), right(toggle.width() - 7, middle);
    toggle.setOn(true);
    QImage image = toggle.grab().toImage();
    EXPECT_EQ(image.pixelColor(left), Switch::onColor());
    EXPECT_EQ(image.pixelColor(right), QColor(Qt::white)) << "the thumb sits on the right";
    toggle.setOn(false);
    image = toggle.grab().toImage();
    EXPECT_EQ(image.pixelColor(right), Switch::offColor());
    EXPECT_EQ(image.pixelColor(left), QColor(Qt::white));
}

} // namespace
