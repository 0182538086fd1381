#include "SwitchView.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using NequoraUI::SwitchView;
using NequoraUI::platform::Switch;

namespace {

struct SwitchFixture
{
    explicit SwitchFixture(bool initial)
        : view(QStringLiteral("Bypass"), initial, [this](bool on) { reported.push_back(on); })
    {
        view.resize(300, 60);
        view.show();
    }
    std::vector<bool> reported;
    SwitchView view;
};

} // namespace

TEST(SwitchView, StartsWithTheInitialStateAndReportsNothing)
{
    SwitchFixture f(false);
    EXPECT_EQ(f.view.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(), "Bypass");
    EXPECT_FALSE(f.view.toggleSwitch->isOn());
    EXPECT_TRUE(f.reported.empty());
    SwitchFixture on(true);
    EXPECT_TRUE(on.view.toggleSwitch->isOn());
}

TEST(SwitchView, ProgrammaticStateIsSilentAndTheNextClickReportsTheFlippedState)
{
    SwitchFixture f(false);
    f.view.toggleSwitch->setOn(true);
    EXPECT_TRUE(f.reported.empty());

    QTest::mouseClick(f.view.toggleSwitch, Qt::LeftButton);
    ASSERT_EQ(f.reported, std::vector<bool>{false});
    f.view.toggleSwitch->setFocus();
    QTest::keyClick(f.view.toggleSwitch, Qt::Key_Space);
    EXPECT_EQ(f.reported, (std::vector<bool>{false, true}));
}

TEST(SwitchView, ReplacedOutletIsReadButTheResourceConnectionStays)
{
    SwitchFixture f(false);
    Switch *original = f.view.toggleSwitch;
    Switch replacement;
    replacement.setOn(true);
    f.view.toggleSwitch = &replacement;

    QTest::mouseClick(&replacement, Qt::LeftButton);
    EXPECT_TRUE(f.reported.empty()) << "the new switch is not connected";

    QTest::mouseClick(original, Qt::LeftButton); // original flips on
    replacement.setOn(false);
    QTest::mouseClick(original, Qt::LeftButton);
    // Each event reads whichever switch the outlet names at that moment.
    EXPECT_EQ(f.reported, (std::vector<bool>{false, false}));
    f.view.toggleSwitch = original;
}
