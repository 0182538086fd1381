#include "SwitchView.h"
#include "support/Widgets.h"

#include <gtest/gtest.h>
#include <vector>

using NequoraUI::SwitchView;
using NequoraUI::platform::Switch;

TEST(SwitchView, StartsSilentlyAndReadsWhicheverSwitchTheOutletNames)
{
    std::vector<bool> reported;
    SwitchView on(QStringLiteral("Bypass"), true, {});
    EXPECT_TRUE(on.toggleSwitch->isOn());
    SwitchView view(QStringLiteral("Bypass"), false, [&](bool on) { reported.push_back(on); });
    ASSERT_TRUE(NequoraUI::testing::shown(view, 300, 60));
    EXPECT_EQ(NequoraUI::testing::labelText(&view, "titleLabel"), "Bypass");
    EXPECT_FALSE(view.toggleSwitch->isOn());

    Switch *original = view.toggleSwitch;
    Switch replacement;
    replacement.setOn(true);
    view.toggleSwitch = &replacement;
    QTest::mouseClick(&replacement, Qt::LeftButton);
    EXPECT_TRUE(reported.empty()) << "the new switch is not connected";

    QTest::mouseClick(original, Qt::LeftButton); // original flips on
    replacement.setOn(false);
    original->setFocus();
    QTest::keyClick(original, Qt::Key_Space);
    // Each event reads whichever switch the outlet names at that moment.
    EXPECT_EQ(reported, (std::vector<bool>{false, false}));
    view.toggleSwitch = original;
}
