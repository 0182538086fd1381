// The generated screen as a whole: rows following the engine, the filter field, undo and redo.
#include "CollapsibleSectionView.h"
#include "GeneratedViews.h"
#include "GraphViewController.h"
#include "ParameterBinding.h"
#include "ParameterFilter.h"
#include "ParameterFollower.h"
#include "ScreenSettings.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "UIGenerator.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"
#include "sim/SimEngine.h"
#include "support/FrameClockFixture.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace NequoraUI;
using NequoraUI::testing::labelText;

namespace {

struct GraphScreen : NequoraUI::testing::FrameClockFixture
{
    // Nodes "Filter" (Cutoff, Résonance, Bypass, a hidden Internal), "Delay" (Mix, Time),
    // "Synth" (Mode as choices, Name) and "Internals" (hidden only), then extra nodes.
    void show(bool follows, bool filter = false, int extraNodes = 0)
    {
        auto node = engine.addNode("Effect", "Filter");
        cutoff = node->addFloatParameter("Cutoff", 1000.0f, 20.0f, 20000.0f);
        node->addFloatParameter("Résonance", 0.5f, 0.0f, 1.0f);
        bypass = node->addBoolParameter("Bypass", false);
        node->addFloatParameter("Internal", 0.0f, 0.0f, 1.0f);
        node = engine.addNode("Effect", "Delay");
        mix = node->addFloatParameter("Mix", 0.25f, 0.0f, 1.0f);
        delayTime = node->addIntParameter("Time", 300, 1, 2000);
        node = engine.addNode("Effect", "Synth");
        mode = node->addIntParameter("Mode", 0, 0, 2);
        name = node->addStringParameter("Name", "Pad");
        engine.addNode("Effect", "Internals")->addBoolParameter("Internal state", false);
        for (int n = 0; n < extraNodes; ++n)
            engine.addNode("Effect", "Extra " + std::to_string(n))
                ->addFloatParameter("Level", 0.5f, 0.0f, 1.0f);
        UIGenerator generator;
        generator.followsParameters = follows;
        generator.showsFilter = filter;
        generator.presentationProvider = [](const NQParameter &parameter) {
            std::optional<ParameterPresentation> shown;
            if (parameter.name() == "Mode")
                shown.emplace().choices = {{0, "Saw"}, {1, "Square"}, {2, "Pulse"}};
            if (parameter.name().rfind("Internal", 0) == 0)
                shown.emplace().hidden = true;
            return shown;
        };
        generator.stringWriter = [](const auto &p, const std::string &text) {
            std::static_pointer_cast<SimStringParameter>(p)->assign(text);
        };
        controller = generator.generateViewController(*engine.graph());
        graph = static_cast<GraphViewController *>(controller.get());
        screen = controller->view();
        ASSERT_TRUE(NequoraUI::testing::shown(*screen, 390, 640));
    }
    auto *segments() const { return screen->findChild<platform::SegmentedControl *>(); }
    auto *nameEdit() const { return screen->findChild<QLineEdit *>(QStringLiteral("textField")); }
    SliderView *slider(int index) const { return screen->findChildren<SliderView *>()[index]; }
    auto *knob(int index) const { return slider(index)->findChild<platform::Slider *>(); }
    int made() const
    {
        int count = 0;
        for (int index = 0; index < graph->stackedViewCount(); ++index)
            count += graph->isRealised(index);
        return count;
    }
    QStringList shownRowTitles() const
    {
        QStringList titles;
        for (auto *label : screen->findChildren<QLabel *>(QStringLiteral("titleLabel")))
            if (label->isVisibleTo(screen))
                titles.append(label->text());
        return titles;
    }

    SimEngine engine;
    std::shared_ptr<SimFloatParameter> cutoff, mix;
    std::shared_ptr<SimIntParameter> delayTime, mode;
    std::shared_ptr<SimStringParameter> name;
    std::shared_ptr<SimBoolParameter> bypass;
    std::unique_ptr<platform::ViewController> controller;
    GraphViewController *graph = nullptr;
    QWidget *screen = nullptr;
};

} // namespace

TEST_F(GraphScreen, RowsInViewFollowEngineChangesWithinOneFrameWritingNothingBackExceptWhenBusy)
{
    show(true, false, 200);
    screen->resize(390, 1000); // the first three nodes' rows in view
    QSignalSpy reported(slider(0), &SliderView::valueChanged);
    cutoff->setValue(5000.0f);
    delayTime->setValue(42);
    bypass->setValue(true);
    mode->setValue(1);
    name->assign("Bass");
    const int writes = cutoff->writeCount() + delayTime->writeCount() + bypass->writeCount();

    frame();
    EXPECT_GE(graph->follower()->followedRowCount(), 7);
    EXPECT_LT(graph->follower()->followedRowCount(), 40) << "rows out of view cost nothing";
    EXPECT_EQ(knob(0)->value(), 5000.0f);
    EXPECT_EQ(labelText(slider(0), "valueLabel"), "5000.0");
    EXPECT_EQ(knob(3)->value(), 42.0f);
    EXPECT_TRUE(screen->findChild<SwitchView *>()->toggleSwitch->isOn());
    EXPECT_EQ(segments()->selectedSegmentIndex(), 1);
    EXPECT_EQ(nameEdit()->text(), "Bass");
    EXPECT_EQ(cutoff->writeCount() + delayTime->writeCount() + bypass->writeCount(), writes);
    EXPECT_EQ(reported.count(), 0);
    EXPECT_EQ(graph->undoStack()->count(), 0) << "followed values are not user changes";

    // A drag in progress, folded rows and hidden screens are left alone.
    platform::Slider *held = knob(0);
    QTest::mousePress(held, Qt::LeftButton, {}, held->pointForValue(8000.0f));
    const float dragged = held->value();
    cutoff->setValue(100.0f);
    frame();
    EXPECT_EQ(held->value(), dragged) << "the user's drag wins while it lasts";
    QTest::mouseRelease(held, Qt::LeftButton, {}, held->pointForValue(8000.0f));
    cutoff->setValue(100.0f);
    frame();
    EXPECT_EQ(held->value(), 100.0f);

    // A folded section's rows are not read; they catch up when shown again. The places that
    // come into view as it folds are made.
    auto *delay = qobject_cast<CollapsibleSectionView *>(graph->stackedView(1));
    const int madeBefore = made();
    delay->tappedTitleView();
    EXPECT_TRUE(QTest::qWaitFor([&] { return made() > madeBefore; }, 1000));
    mix->setValue(0.9f);
    frame();
    EXPECT_EQ(knob(2)->value(), 0.25f);
    delay->tappedTitleView();
    frame();
    EXPECT_EQ(knob(2)->value(), 0.9f);

    // Hidden screens unschedule the frame callback.
    screen->hide();
    EXPECT_FALSE(graph->follower()->displayLink()->isScheduled());
    screen->show();
    EXPECT_TRUE(graph->follower()->displayLink()->isScheduled());

    // Rows scrolled out of view are not read, also where the rest of their section is.
    auto *scroll = screen->findChild<QScrollArea *>();
    QScrollBar *bar = scroll->verticalScrollBar();
    bar->setValue(slider(0)->mapTo(scroll->widget(), QPoint(0, slider(0)->height())).y());
    cutoff->setValue(3000.0f);
    bypass->setValue(false);
    frame();
    EXPECT_EQ(knob(0)->value(), 100.0f);
    EXPECT_FALSE(screen->findChild<SwitchView *>()->toggleSwitch->isOn());
    bar->setValue(bar->maximum());
    bypass->setValue(true);
    frame();
    EXPECT_FALSE(screen->findChild<SwitchView *>()->toggleSwitch->isOn()) << "scrolled away";
}

TEST_F(GraphScreen, FilterKeepsExactlyTheMatchingRowsNeverMakesHiddenPlacesAndClearingRestoresAll)
{
    show(false, true, 300);
    ASSERT_LT(made(), 50);
    QLineEdit *field = graph->filterField;
    ASSERT_TRUE(field);
    const QStringList all = shownRowTitles();

    QTest::keyClick(screen, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(field->hasFocus());
    // clang-format off
    const std::pair<QString, QStringList> cases[] = {
        {"RESO", {"Filter", "Résonance"}}, {"résonance", {"Filter", "Résonance"}},
        {"i", {"Filter", "Cutoff", "Résonance", "Bypass", "Delay", "Mix", "Time"}},
        {"delay", {"Delay", "Mix", "Time"}}, {"xyz", {}}, {"internal", {}}};
    // clang-format on
    for (const auto &[text, rows] : cases) {
        field->clear();
        // Typed where the test's key tables can type it, inserted otherwise.
        if (text.toLatin1() == text.toUtf8())
            QTest::keyClicks(field, text);
        else
            field->insert(text);
        EXPECT_EQ(shownRowTitles(), rows) << text.toStdString();
        EXPECT_EQ(graph->noMatchLabel->isVisible(), rows.isEmpty());
    }
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(shownRowTitles().mid(0, all.size()), all);
    EXPECT_FALSE(graph->noMatchLabel->isVisible());
    EXPECT_EQ(ParameterFilter::folded("ÉTÉ ﬁ"), "ete fi");

    // Sections not made yet are kept or hidden by name, and filtered when made.
    const int madeBefore = made();
    field->setText("extra 299");
    QApplication::processEvents();
    EXPECT_EQ(made(), madeBefore + 1) << "hidden places are not made";
    EXPECT_EQ(shownRowTitles(), QStringList({"Extra 299", "Level"}));
    EXPECT_EQ(graph->filter()->shownRowCount(), 1);
    field->setText("time");
    QApplication::processEvents();
    EXPECT_EQ(shownRowTitles(), QStringList({"Delay", "Time"}));
}

TEST_F(GraphScreen, UndoAndRedoWriteEachValueOnceAndShowItSilently)
{
    show(false);
    platform::Slider *track = knob(0);
    QTest::mousePress(track, Qt::LeftButton, {}, track->pointForValue(5000.0f));
    QTest::mouseMove(track, track->pointForValue(9000.0f));
    QTest::mouseMove(track, track->pointForValue(12000.0f));
    QTest::mouseRelease(track, Qt::LeftButton, {}, track->pointForValue(12000.0f));
    const float dragged = cutoff->value();
    QTest::mouseClick(screen->findChild<SwitchView *>()->toggleSwitch, Qt::LeftButton);
    QTest::mouseClick(segments(), Qt::LeftButton, {}, segments()->segmentRect(2).center());
    QLineEdit *field = nameEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "Lead");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(name->value(), "Lead");
    ASSERT_EQ(graph->undoStack()->count(), 4) << "a drag is one entry";

    QSignalSpy reported(slider(0), &SliderView::valueChanged);
    const int cutoffWrites = cutoff->writeCount(), bypassWrites = bypass->writeCount();
    screen->setFocus();
    QTest::keyClick(screen, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->value(), "Pad");
    EXPECT_EQ(field->text(), "Pad");
    QTest::keyClick(screen, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(mode->value(), 0);
    EXPECT_EQ(segments()->selectedSegmentIndex(), 0);
    QTest::keyClick(screen, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(bypass->value());
    EXPECT_FALSE(screen->findChild<SwitchView *>()->toggleSwitch->isOn());
    QTest::keyClick(screen, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cutoff->value(), 1000.0f);
    EXPECT_EQ(track->value(), 1000.0f);
    EXPECT_EQ(labelText(slider(0), "valueLabel"), "1000.0");
    EXPECT_EQ(cutoff->writeCount(), cutoffWrites + 1);
    EXPECT_EQ(bypass->writeCount(), bypassWrites + 1);

    QTest::keyClick(screen, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cutoff->value(), dragged);
    EXPECT_EQ(track->value(), dragged);
    EXPECT_EQ(cutoff->writeCount(), cutoffWrites + 2);
    EXPECT_EQ(bypass->writeCount(), bypassWrites + 1);
    EXPECT_EQ(reported.count(), 0);
    cutoff->setValue(4000.0f);
    frame();
    EXPECT_EQ(track->value(), dragged) << "following is opt-in";
}

// A flip, a choice and an edit each tell the row's binding directly: one undo entry and one
// gesture each, and the host's signals still come. A deleted row takes its binding along.
TEST_F(GraphScreen, RowsTellTheirBindingsOneEntryAndGestureEachAndTakeThemAlongWhenDeleted)
{
    show(true);
    QStringList gestures;
    QObject::connect(graph, &GraphViewController::gestureStarted,
                     [&](const auto &p) { gestures << "+" + QString::fromStdString(p->name()); });
    QObject::connect(graph, &GraphViewController::gestureEnded,
                     [&](const auto &p) { gestures << "-" + QString::fromStdString(p->name()); });
    auto *flip = screen->findChild<SwitchView *>();
    QSignalSpy toggled(flip, &SwitchView::toggled);
    QSignalSpy chosen(screen->findChild<SegmentedView *>(), &SegmentedView::selectedSegmentChanged);
    QTest::mouseClick(flip->toggleSwitch, Qt::LeftButton);
    QTest::mouseClick(segments(), Qt::LeftButton, {}, segments()->segmentRect(2).center());
    nameEdit()->setFocus();
    nameEdit()->selectAll();
    QTest::keyClicks(nameEdit(), "Lead");
    QTest::keyClick(nameEdit(), Qt::Key_Return);
    EXPECT_EQ(gestures, QStringList({"+Bypass", "-Bypass", "+Mode", "-Mode", "+Name", "-Name"}));
    EXPECT_EQ(graph->undoStack()->count(), 3);
    EXPECT_EQ(toggled.count(), 1);
    EXPECT_EQ(chosen.count(), 1);

    ScreenSettings *settings = graph->settings();
    const int index = settings->parameters().indexOf({QStringLiteral("Filter"), "Bypass"});
    ASSERT_TRUE(settings->bindingAt(index));
    EXPECT_EQ(settings->bindingAt(index), ParameterBinding::of(flip));
    frame();
    const int followed = graph->follower()->followedRowCount();
    delete flip;
    EXPECT_FALSE(settings->bindingAt(index));
    bypass->setValue(false);
    frame();
    EXPECT_EQ(graph->follower()->followedRowCount(), followed - 1);
    settings->resetAll();
    EXPECT_EQ(mode->value(), 0) << "the other rows stay bound";
    EXPECT_EQ(segments()->selectedSegmentIndex(), 0);
}

// Without a screen, an undo entry goes with its row.
TEST(GeneratedRows, UndoingAChangeOfADeletedRowWritesNothing)
{
    SimEngine engine;
    auto on = engine.addNode("Effect", "Filter")->addBoolParameter("Bypass", false);
    QUndoStack undo;
    UIGenerator generator;
    generator.undoStack = &undo;
    OwnedWidgets rows(generator.generateViews(*engine.graph()));
    auto *flip = rows[0]->findChild<SwitchView *>();
    flip->toggleSwitch->click();
    ASSERT_EQ(undo.count(), 1);
    undo.undo();
    EXPECT_FALSE(on->value());
    undo.redo();
    EXPECT_TRUE(on->value());
    delete flip;
    undo.undo();
    EXPECT_TRUE(on->value());
}

// A host may read the sections before showing the screen: every one is there, in node order,
// and showing the screen then shows those same sections.
TEST(GeneratedScreen, ViewsHoldEverySectionBeforeLoadingAndTheScreenShowsThoseSections)
{
    SimEngine engine;
    for (const char *name : {"One", "Two", "Three"})
        engine.addNode("Effect", name)->addFloatParameter("Level", 0.5f, 0.0f, 1.0f);
    auto controller = UIGenerator::generateViewController(*engine.graph(), {});
    auto *stack = qobject_cast<VStackViewController *>(controller.get());
    const QList<QWidget *> sections = stack->views();
    QStringList titles;
    for (QWidget *section : sections)
        titles.append(qobject_cast<CollapsibleSectionView *>(section)->titleLabel->text());
    EXPECT_EQ(titles, QStringList({"One", "Two", "Three"}));
    EXPECT_EQ(stack->views(), sections) << "read again, the same sections";

    ASSERT_TRUE(NequoraUI::testing::shown(*controller->view(), 390, 640));
    for (QWidget *section : sections)
        EXPECT_TRUE(stack->isShownInViewport(section));
}
// The rows of a long node come a page at a time: every level above a page shown or hidden
// takes the new height before the next frame, not one posted layout request per frame.
TEST_F(GraphScreen, FilteringALongNodeGivesTheScrollBarItsNewRangeAtOnce)
{
    auto node = engine.addNode("Effect", "Long");
    for (int i = 0; i < 300; ++i)
        node->addFloatParameter("P" + std::to_string(i), 0.5f, 0.0f, 1.0f);
    show(false, true);
    QScrollBar *bar = screen->findChild<QScrollArea *>()->verticalScrollBar();
    const int unfiltered = bar->maximum();
    for (const QString text : {"p29", "", "delay", ""}) {
        SCOPED_TRACE(text.toStdString());
        const int before = bar->maximum();
        graph->filterField->setText(text);
        const int now = bar->maximum();
        EXPECT_NE(now, before);
        for (int round = 0; round < 8; ++round)
            QApplication::processEvents();
        EXPECT_EQ(bar->maximum(), now);
        // Pages made while filtered show only some of their rows: the blanks keep their
        // estimate, so the cleared screen is as tall as before.
        if (text.isEmpty()) {
            EXPECT_NEAR(now, unfiltered, unfiltered / 20);
        }
    }
}
