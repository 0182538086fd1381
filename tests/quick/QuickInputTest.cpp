#include "QuickScreen.h"
#include "RowControllerMenu.h"

#include <QAccessible>
#include <gtest/gtest.h>

using namespace NequoraUI;

namespace {

struct QuickDelegates : DemoGraph
{
    GraphRowModel model{*engine->graph(), generator};

    QVariant role(const QString &title, GraphRowModel::Role role) const
    {
        return model.index(rowTitled(model, title)).data(role);
    }
};

} // namespace

TEST_F(QuickDelegates, TellAssistiveTechnologyTheirRoleNameAndValue)
{
    QuickScreen quick(&model, {420, 2400});
    // The value is the row's text, read as the item's value or, where the control's own
    // value is a track position, as its description.
    const struct
    {
        QString title;
        QString control;
        QAccessible::Role role;
        QString name;
        QAccessible::Text valueText;
    } cases[] = {
        {"Cutoff", "slider", QAccessible::Slider, "Cutoff", QAccessible::Description},
        {"Cutoff", "value", QAccessible::StaticText, "Cutoff value", QAccessible::Description},
        {"Preset", "text", QAccessible::EditableText, "Preset", QAccessible::Value},
        {"Level", "readOnly", QAccessible::StaticText, "Level", QAccessible::Description},
        {"Playback", "playPause", QAccessible::Button, "Play", QAccessible::Description},
        {"Recording", "startStop", QAccessible::Button, "Start Recording",
         QAccessible::Description},
    };
    for (const auto &c : cases) {
        QQuickItem *item = quick.control(rowTitled(model, c.title), c.control);
        ASSERT_TRUE(item) << qPrintable(c.title) << " has no " << qPrintable(c.control);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
        ASSERT_TRUE(accessible) << qPrintable(c.control);
        EXPECT_EQ(accessible->role(), c.role) << qPrintable(c.control);
        EXPECT_EQ(accessible->text(QAccessible::Name), c.name);
        EXPECT_EQ(accessible->text(c.valueText), role(c.title, GraphRowModel::ValueTextRole))
            << qPrintable(c.control);
    }
    // Switches and segments say their state.
    const auto checked = [&](const QString &title, const QString &control) {
        auto *accessible =
            QAccessible::queryAccessibleInterface(quick.control(rowTitled(model, title), control));
        return std::pair(accessible->text(QAccessible::Name), accessible->state().checked);
    };
    EXPECT_EQ(checked("Ping-Pong", "switch"), std::pair(QString("Ping-Pong"), quint64(1)));
    EXPECT_EQ(checked("Waveform", "segment 2"),
              std::pair(QString("Waveform: Sawtooth"), quint64(1)));
}

TEST_F(QuickDelegates, AnswerTabArrowsSpaceAndReturn)
{
    QuickScreen quick(&model, {420, 500});
    ASSERT_TRUE(quick.activate());
    const int cutoff = rowTitled(model, "Cutoff");
    const int keys = rowTitled(model, "Key Tracking");
    const auto press = [&](Qt::Key key) { QTest::keyClick(&quick.window, key); };
    const auto type = [&](const char *text) {
        for (const char *c = text; *c; ++c)
            QTest::keyClick(&quick.window, *c);
    };

    // Arrows move a share of the track, a row of whole numbers at least one whole step.
    quick.control(cutoff, "slider")->forceActiveFocus();
    const double start = role("Cutoff", GraphRowModel::ProportionRole).toDouble();
    press(Qt::Key_Right);
    EXPECT_NEAR(role("Cutoff", GraphRowModel::ProportionRole).toDouble(), start + 0.01, 1e-3);
    press(Qt::Key_End);
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueRole).toDouble(), 20000.0);
    quick.control(keys, "slider")->forceActiveFocus();
    const std::pair<Qt::Key, double> steps[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Up, 2}, {Qt::Key_Left, 1}, {Qt::Key_PageUp, 3}};
    for (const auto &[key, value] : steps) {
        press(key);
        EXPECT_EQ(role("Key Tracking", GraphRowModel::ValueRole).toDouble(), value);
    }

    // Tab goes from a slider to its value and on to the next row.
    quick.control(cutoff, "slider")->forceActiveFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(quick.window.activeFocusItem(), quick.control(cutoff, "value"));
    press(Qt::Key_Tab);
    EXPECT_EQ(quick.focusedRow(), cutoff + 1);

    // Return on the value opens its editor; Return there writes the typed text, and text that
    // is not a value stays in the editor.
    quick.control(cutoff, "value")->forceActiveFocus();
    press(Qt::Key_Return);
    ASSERT_TRUE(quick.control(cutoff, "entry"));
    type("loud");
    press(Qt::Key_Return);
    EXPECT_TRUE(quick.control(cutoff, "entry")) << "refused text stays";
    QMetaObject::invokeMethod(quick.control(cutoff, "entry"), "selectAll");
    type("2 kHz");
    press(Qt::Key_Return);
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueTextRole), "2.00 kHz");
    QTest::qWait(20);
    EXPECT_EQ(quick.window.activeFocusItem(), quick.control(cutoff, "value"));
    quick.control(rowTitled(model, "Bypass"), "switch")->forceActiveFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(role("Bypass", GraphRowModel::ValueRole), true);

    // Tab walks on past the rows in view to the last, which the list brings into view.
    const int last = model.rowCount() - 1;
    for (int tabs = 0; tabs < 80 && quick.focusedRow() != last; ++tabs)
        press(Qt::Key_Tab);
    EXPECT_EQ(quick.focusedRow(), last);
    EXPECT_GT(quick.list->property("contentY").toDouble(), 0.0);
}

TEST_F(QuickDelegates, ADragIsOneGestureAndALearntControllerMovesItsRow)
{
    QStringList gestures;
    const QObject receiver; // goes before the model, which reports the gestures it ends
    QObject::connect(&model, &GraphRowModel::gestureStarted, &receiver, [&](const auto &parameter) {
        gestures.append("+" + QString::fromStdString(parameter->name()));
    });
    QObject::connect(&model, &GraphRowModel::gestureEnded, &receiver, [&](const auto &parameter) {
        gestures.append("-" + QString::fromStdString(parameter->name()));
    });
    const int cutoff = rowTitled(model, "Cutoff");
    QuickScreen quick(&model, {420, 500});
    QQuickItem *slider = quick.control(cutoff, "slider");
    const QPoint left = slider->mapToScene({4, slider->height() / 2}).toPoint();
    const int undoBefore = model.undoStack()->count();
    QTest::mousePress(&quick.window, Qt::LeftButton, {}, left);
    for (int x = 20; x <= 80; x += 20)
        QTest::mouseMove(&quick.window, left + QPoint(x, 0));
    QTest::mouseRelease(&quick.window, Qt::LeftButton, {}, left + QPoint(80, 0));
    EXPECT_EQ(gestures, QStringList({"+Cutoff", "-Cutoff"}));
    EXPECT_EQ(model.undoStack()->count(), undoBefore + 1);
    EXPECT_GT(role("Cutoff", GraphRowModel::ProportionRole).toDouble(), 0.05);

    // The first controller to move after learning is bound; its moves go through the scale.
    gestures.clear();
    EXPECT_FALSE(model.controllerEvent(0, 7, 64)) << "bound to nothing yet";
    model.learn(cutoff);
    EXPECT_TRUE(model.controllerEvent(0, 7, 0));
    EXPECT_TRUE(model.controllerEvent(0, 7, 127));
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueRole).toDouble(), 20000.0);
    EXPECT_EQ(gestures.value(0), "+Cutoff");
    model.forget(cutoff);
    EXPECT_FALSE(model.controllerEvent(0, 7, 0));
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueRole).toDouble(), 20000.0);
}

TEST_F(QuickDelegates, ThePresetBarSwitchesSlotsAndResetsAllAsOneUndoEntry)
{
    QuickScreen quick(&model, {420, 500});
    ASSERT_TRUE(quick.activate());
    const auto press = [&](const char *button) {
        auto *item = quick.screen->findChild<QQuickItem *>(button);
        EXPECT_TRUE(item) << button;
        item->forceActiveFocus();
        QTest::keyClick(&quick.window, Qt::Key_Space);
        return item;
    };
    const QVariant opened = role("Cutoff", GraphRowModel::ValueRole);
    model.setValue(rowTitled(model, "Cutoff"), 2000.0);

    // B holds what the screen opened with until it is first shown; back on A, the change is.
    QQuickItem *slotButton = press("slotButton");
    EXPECT_EQ(slotButton->property("text"), "A/B: B");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(slotButton)->text(QAccessible::Name),
              "Compare: showing B, switch to A");
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueRole), opened);
    press("slotButton");
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueRole).toDouble(), 2000.0);
    EXPECT_EQ(quick.screen->findChild<QQuickItem *>("copySlotButton")->property("text"),
              "Copy A to B");

    const int undoBefore = model.undoStack()->count();
    model.setValue(rowTitled(model, "Bypass"), true);
    press("resetAllButton");
    EXPECT_EQ(model.undoStack()->count(), undoBefore + 2) << "the write, then one reset";
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueRole).toDouble(), 1000.0) << "its default";
    EXPECT_EQ(role("Bypass", GraphRowModel::ValueRole), false);
    model.undoStack()->undo();
    EXPECT_EQ(role("Cutoff", GraphRowModel::ValueRole).toDouble(), 2000.0);
    EXPECT_EQ(role("Bypass", GraphRowModel::ValueRole), true);
}

TEST_F(QuickDelegates, TheRowMenuLearnsCancelsAndForgets)
{
    RowControllerMenu menu;
    menu.setProperty("graph", QVariant::fromValue(&model));
    const int cutoff = rowTitled(model, "Cutoff");
    EXPECT_EQ(menu.texts(0), QStringList()) << "a section row has no menu";
    EXPECT_EQ(menu.texts(cutoff), QStringList({"Learn MIDI Controller"}));
    menu.choose(cutoff, 0);
    EXPECT_EQ(menu.texts(cutoff), QStringList({"Cancel MIDI Learn"}));
    EXPECT_TRUE(model.controllerEvent(0, 7, 64));
    ASSERT_EQ(menu.texts(cutoff).size(), 2);
    EXPECT_TRUE(menu.texts(cutoff)[1].startsWith("Forget MIDI Controller ("))
        << menu.texts(cutoff)[1].toStdString();
    menu.choose(cutoff, 1);
    EXPECT_FALSE(model.controllerEvent(0, 7, 0));
}
