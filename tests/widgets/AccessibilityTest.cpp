#include "CollapsibleSectionView.h"
#include "ProgressView.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI;

namespace {

QAccessibleInterface *accessible(QWidget *view, const char *control)
{
    return QAccessible::queryAccessibleInterface(
        view->findChild<QWidget *>(QLatin1String(control)));
}

// How a screen reader sees each control: role, name from the row's title, value text.
struct AccessibleCase
{
    const char *control;
    std::function<QWidget *()> make;
    QAccessible::Role role;
    QString name;
    QString value;
};

const AccessibleCase accessibleCases[] = {
    {"slider", [] { return new SliderView("Gain", 0.25f, 0.0f, 1.0f, {}); }, QAccessible::Slider,
     "Gain", "0.25"},
    {"toggleSwitch", [] { return new SwitchView("Bypass", true, {}); }, QAccessible::CheckBox,
     "Bypass", "on"},
    {"segmentedControl",
     [] {
         return new SegmentedView("Mode", {"Hall", "Room"}, {});
     },
     QAccessible::PageTabList, "Mode", "Hall"},
    {"progressView",
     [] {
         auto *view = new ProgressView("Export");
         view->setProgress(0.5f);
         return view;
     },
     QAccessible::ProgressBar, "Export", "50%"},
    {"textField", [] { return new TextFieldView("Name", QStringLiteral("Plate")); },
     QAccessible::EditableText, "Name", "Plate"},
    {"titleView", [] { return new CollapsibleSectionView("Reverb", new QWidget); },
     QAccessible::Button, "Reverb", ""},
};

} // namespace

TEST(Accessibility, EachControlAnswersWithRoleNameAndValue)
{
    for (const AccessibleCase &c : accessibleCases) {
        SCOPED_TRACE(c.control);
        std::unique_ptr<QWidget> view(c.make());
        view->show();
        QAccessibleInterface *iface = accessible(view.get(), c.control);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), c.role);
        EXPECT_EQ(iface->text(QAccessible::Name), c.name);
        EXPECT_EQ(iface->text(QAccessible::Value), c.value);
    }
}

TEST(Accessibility, StatesFollowTheControls)
{
    SwitchView toggle("Bypass", false, {});
    QAccessibleInterface *toggleIface = accessible(&toggle, "toggleSwitch");
    EXPECT_TRUE(toggleIface->state().checkable);
    toggle.toggleSwitch->setOn(true);
    EXPECT_TRUE(toggleIface->state().checked);

    CollapsibleSectionView section("Reverb", new QWidget);
    section.show();
    QAccessibleInterface *header = accessible(&section, "titleView");
    EXPECT_TRUE(header->state().expandable);
    EXPECT_TRUE(header->state().expanded);
    QSignalSpy folded(&section, &CollapsibleSectionView::expandedChanged);
    header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(header->state().collapsed);
    EXPECT_EQ(folded.count(), 1);
}

// What assistive technology sets goes through as one user change, like a drag or a tap.
TEST(Accessibility, ValuesAndActionsFromAssistiveTechnologyAreUserChanges)
{
    int handled = 0;
    SliderView gain("Gain", 0.25f, 0.0f, 1.0f, [&](float) { ++handled; });
    QSignalSpy moved(&gain, &SliderView::valueChanged);
    QAccessibleValueInterface *value = accessible(&gain, "slider")->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->maximumValue().toFloat(), 1.0f);
    value->setCurrentValue(7.0f);
    EXPECT_EQ(handled, 1);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toFloat(), 1.0f) << "pinned to the range";
    value->setCurrentValue(1.0f);
    EXPECT_EQ(moved.count(), 1) << "no change, no report";

    SegmentedView mode("Mode", {"Hall", "Room"}, {});
    QSignalSpy chosen(&mode, &SegmentedView::selectedSegmentChanged);
    QAccessibleInterface *tabs = accessible(&mode, "segmentedControl");
    ASSERT_EQ(tabs->childCount(), 2);
    QAccessibleInterface *room = tabs->child(1);
    EXPECT_EQ(room->role(), QAccessible::PageTab);
    EXPECT_EQ(room->text(QAccessible::Name), "Room");
    EXPECT_TRUE(tabs->child(0)->state().selected && !room->state().selected);
    room->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(room->state().selected);
    EXPECT_EQ(chosen.count(), 1);
}
