#include "CollapsibleSectionView.h"
#include "ProgressView.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

using namespace NequoraUI;

namespace {

QAccessibleInterface *accessible(QWidget *view, const char *control)
{
    return QAccessible::queryAccessibleInterface(
        view->findChild<QWidget *>(QLatin1String(control)));
}

} // namespace

// How a screen reader sees each control: role, name from the row's title, value text and states.
// What assistive technology sets goes through as one user change, like a drag or a tap.
TEST(Accessibility, ControlsAnswerWithRoleNameValueAndStateAndTakeUserChanges)
{
    SliderView gain("Gain", 0.25f, 0.0f, 1.0f, {}); // no handler needed
    SwitchView bypass("Bypass", true, {});
    SegmentedView mode("Mode", {"Hall", "Room"}, {});
    ProgressView progress("Export");
    progress.setProgress(0.5f);
    TextFieldView field("Name", QStringLiteral("Plate"));
    CollapsibleSectionView section("Reverb", new QWidget);
    const std::tuple<QWidget *, const char *, QAccessible::Role, QString, QString> cases[] = {
        {&gain, "slider", QAccessible::Slider, "Gain", "0.25"},
        {&gain, "valueLabel", QAccessible::Button, "Gain", "0.25"},
        {&bypass, "toggleSwitch", QAccessible::CheckBox, "Bypass", "on"},
        {&mode, "segmentedControl", QAccessible::PageTabList, "Mode", "Hall"},
        {&progress, "progressView", QAccessible::ProgressBar, "Export", "50%"},
        {&field, "textField", QAccessible::EditableText, "Name", "Plate"},
        {&section, "titleView", QAccessible::Button, "Reverb", ""}};
    for (const auto &[view, control, role, name, value] : cases) {
        SCOPED_TRACE(control);
        view->show();
        QAccessibleInterface *iface = accessible(view, control);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), role);
        EXPECT_EQ(iface->text(QAccessible::Name), name);
        EXPECT_EQ(iface->text(QAccessible::Value), value);
    }

    QAccessibleInterface *toggle = accessible(&bypass, "toggleSwitch");
    EXPECT_TRUE(toggle->state().checkable && toggle->state().checked);
    QTest::mouseClick(bypass.toggleSwitch, Qt::LeftButton); // no handler needed
    EXPECT_FALSE(toggle->state().checked);

    QAccessibleInterface *header = accessible(&section, "titleView");
    EXPECT_TRUE(header->state().expandable && header->state().expanded);
    QSignalSpy folded(&section, &CollapsibleSectionView::expandedChanged);
    header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(header->state().collapsed);
    EXPECT_EQ(folded.count(), 1);

    QSignalSpy moved(&gain, &SliderView::valueChanged);
    QAccessibleValueInterface *slider = accessible(&gain, "slider")->valueInterface();
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->maximumValue().toFloat(), 1.0f);
    slider->setCurrentValue(7.0f);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toFloat(), 1.0f) << "pinned to the range";
    slider->setCurrentValue(1.0f);
    EXPECT_EQ(moved.count(), 1) << "no change, no report";

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
