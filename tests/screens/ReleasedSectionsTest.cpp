// A long generated screen scrolled down and back up: sections and rows far from the visible
// part are let go and made again, and the user sees and can undo exactly what a screen that
// keeps everything shows.
#include "CollapsibleSectionView.h"
#include "GraphViewController.h"
#include "SliderView.h"
#include "UIGenerator.h"
#include "platform/FrameClock.h"
#include "platform/Slider.h"
#include "sim/SimEngine.h"
#include "support/FrameClockFixture.h"
#include "support/Widgets.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace NequoraUI;

namespace {

// Forty nodes of six rows, the fourth a node of a hundred, whose rows come a page at a time.
struct LongScreen
{
    explicit LongScreen(bool releases)
    {
        for (int n = 0; n < 40; ++n) {
            auto node = engine.addNode("Effect", "Node " + std::to_string(n));
            for (int p = 0; p < (n == 3 ? 100 : 6); ++p)
                parameters.push_back(node->addFloatParameter(
                    (p % 2 ? "Odd " : "Even ") + std::to_string(p), 0.5f, 0.0f, 1.0f));
        }
        UIGenerator generator;
        generator.followsParameters = true;
        generator.showsFilter = true;
        controller = generator.generateViewController(*engine.graph());
        graph = static_cast<GraphViewController *>(controller.get());
        graph->setReleasesFarViews(releases);
        QObject::connect(graph, &VStackViewController::viewReleased, [this] { ++released; });
        screen = controller->view();
        bar = screen->findChild<QScrollArea *>()->verticalScrollBar();
    }

    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            platform::FrameClock::forCurrentThread()->advanceFrame();
        }
    }
    // Down to the end a page at a time, then back up to the top.
    void scrollThrough()
    {
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            settle();
        }
        while (bar->value() > 0) {
            bar->setValue(bar->value() - bar->pageStep());
            settle();
        }
    }
    // Each row on screen: its title, its value, and its section's fold.
    QStringList seen() const
    {
        QStringList rows;
        for (auto *slider : screen->findChildren<SliderView *>())
            if (graph->isShownInViewport(slider))
                rows.append(NequoraUI::testing::labelText(slider, "titleLabel") + '=' +
                            NequoraUI::testing::labelText(slider, "valueLabel"));
        for (auto *section : screen->findChildren<CollapsibleSectionView *>())
            if (graph->isShownInViewport(section))
                rows.append(section->titleLabel->text() + (section->isExpanded() ? "" : " folded"));
        return rows;
    }
    QStringList history() const
    {
        QStringList entries;
        for (int i = 0; i < graph->undoStack()->count(); ++i)
            entries.append(graph->undoStack()->text(i));
        return entries << QString::number(graph->undoStack()->index());
    }

    SimEngine engine;
    std::vector<std::shared_ptr<SimFloatParameter>> parameters;
    std::unique_ptr<platform::ViewController> controller;
    GraphViewController *graph = nullptr;
    QWidget *screen = nullptr;
    QScrollBar *bar = nullptr;
    int released = 0;
};

struct ReleasedSections : NequoraUI::testing::FrameClockFixture
{
    static std::pair<QStringList, QStringList> use(LongScreen &screen)
    {
        // Folds a section, steps a row, filters, scrolls through with the engine moving rows
        // far down, and undoes the last step once back at the top.
        EXPECT_TRUE(NequoraUI::testing::shown(*screen.screen, 390, 640));
        screen.settle();
        auto *folded = screen.screen->findChildren<CollapsibleSectionView *>()[1];
        folded->tappedTitleView();
        // The fold animates in real time; the scroll below takes less than its length on a
        // fast machine, and a section made again comes back already folded.
        EXPECT_TRUE(QTest::qWaitFor([folded] { return !folded->isFolding(); }));
        // A dragged value shows rounded as the user set it; the row made again shows it so too.
        auto *knob = screen.screen->findChild<platform::Slider *>();
        knob->setFocus();
        QTest::keyClick(knob, Qt::Key_Right);
        const float before = screen.parameters[0]->value();
        QTest::mousePress(knob, Qt::LeftButton, {}, knob->pointForValue(0.6f));
        QTest::mouseMove(knob, knob->pointForValue(0.7137f));
        QTest::mouseRelease(knob, Qt::LeftButton, {}, knob->pointForValue(0.7137f));
        EXPECT_NE(screen.parameters[0]->value(), before) << "dragged";
        screen.graph->filterField->setFocus();
        screen.graph->filterField->setText(QStringLiteral("even"));
        screen.parameters[screen.parameters.size() - 2]->setValue(0.125f);
        screen.parameters[3 * 6 + 40]->setValue(0.75f);
        screen.settle();
        screen.scrollThrough();
        const QStringList scrolled = screen.seen();
        screen.graph->undoStack()->undo();
        screen.settle();
        EXPECT_EQ(screen.parameters[0]->value(), before) << "undone after a release";
        const QStringList undone = screen.seen();
        // A filter that hides the last block of sections whole, then shows it again: its
        // sections come back where they belong, laid out anew. The end moves as the content
        // grows back, a level of layouts a frame.
        screen.graph->filterField->setText(QStringLiteral("odd 9"));
        screen.settle();
        screen.graph->filterField->clear();
        for (int i = 0; i < 5; ++i) {
            screen.bar->setValue(screen.bar->maximum());
            screen.settle();
        }
        const QStringList end = screen.seen();
        screen.bar->setValue(0);
        screen.settle();
        return {scrolled + undone + end, screen.history()};
    }
};

} // namespace

TEST_F(ReleasedSections, WhatTheUserSeesAndCanUndoIsTheSameAsWithoutReleases)
{
    LongScreen keeping(false), releasing(true);
    const auto kept = use(keeping);
    const auto released = use(releasing);
    EXPECT_EQ(keeping.released, 0);
    EXPECT_GT(releasing.released, 10) << "far sections are let go";
    EXPECT_TRUE(kept.first.contains(QStringLiteral("Node 39"))) << "the end shows again";
    EXPECT_EQ(released.first.join('\n').toStdString(), kept.first.join('\n').toStdString());
    EXPECT_EQ(released.second.join('\n').toStdString(), kept.second.join('\n').toStdString());

    // The focused row stays, and so does every view a host asked for.
    auto *focused = releasing.screen->findChild<platform::Slider *>();
    focused->setFocus();
    QPointer<QWidget> held = releasing.graph->stackedView(2);
    ASSERT_TRUE(held);
    releasing.bar->setValue(releasing.bar->maximum());
    releasing.settle();
    EXPECT_TRUE(releasing.graph->isRealised(0));
    EXPECT_TRUE(held);
}
