// The generated screen of a 10,000-parameter graph, shown at 390x2400 with about 30 rows on
// screen: the cost of following the engine per display frame, against the same screen with
// following off, and the cost of filtering it, against the filter a Qt developer would write
// by hand over the same rows.
#include "CollapsibleSectionView.h"
#include "GraphViewController.h"
#include "ParameterFollower.h"
#include "SliderView.h"
#include "UIGenerator.h"
#include "platform/DisplayLink.h"
#include "platform/FrameClock.h"
#include "sim/SimGraph.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

using namespace NequoraUI;

constexpr int parameterCount = 10000;
constexpr int parametersPerNode = 10;
// Tall enough for about 30 rows on screen.
constexpr int screenHeight = 2400;

// The same node shape as the generated-screen benchmarks: five floats, two ints, one uint,
// one Boolean, one string.
std::shared_ptr<SimGraph> makeGraph()
{
    auto graph = std::make_shared<SimGraph>();
    for (int n = 0; n < parameterCount / parametersPerNode; ++n) {
        auto node = std::make_shared<SimNode>("Effect", "Effect " + std::to_string(n));
        for (int f = 0; f < 5; ++f)
            node->addFloatParameter("Float " + std::to_string(f), 0.5f, 0.0f, 1.0f);
        node->addIntParameter("Int 0", 3, -10, 10);
        node->addIntParameter("Int 1", 0, 0, 127);
        node->addUIntParameter("UInt", 50, 0, 100);
        node->addBoolParameter("Bypass", false);
        node->addStringParameter("Label", "Effect");
        graph->append(std::move(node));
    }
    return graph;
}

// The screen shown and painted, scrolled to its middle.
struct Screen
{
    std::shared_ptr<SimGraph> graph = makeGraph();
    std::unique_ptr<platform::ViewController> controller;

    Screen()
    {
        UIGenerator generator;
        generator.followsParameters = true;
        generator.showsFilter = true;
        controller = generator.generateViewController(*graph);
        QWidget *view = controller->view();
        view->resize(390, screenHeight);
        view->show();
        QScrollBar *bar = view->findChild<QScrollArea *>()->verticalScrollBar();
        QApplication::processEvents();
        bar->setValue(bar->maximum() / 2);
        QApplication::processEvents();
    }
    GraphViewController *screen() const
    {
        return static_cast<GraphViewController *>(controller.get());
    }
    // The float parameters whose rows are on screen, top first.
    std::vector<std::shared_ptr<SimFloatParameter>> visibleFloats() const
    {
        std::vector<std::shared_ptr<SimFloatParameter>> result;
        QWidget *viewport = screen()->view()->findChild<QScrollArea *>()->viewport();
        const QList<QWidget *> sections = screen()->views();
        for (qsizetype s = 0; s < sections.size(); ++s) {
            QLayout *rows =
                qobject_cast<CollapsibleSectionView *>(sections[s])->content()->layout();
            const auto parameters = graph->simNodes()[size_t(s)]->parameters();
            for (int r = 0; r < rows->count(); ++r) {
                QWidget *row = rows->itemAt(r)->widget();
                auto value = std::dynamic_pointer_cast<SimFloatParameter>(parameters[size_t(r)]);
                if (value &&
                    QRect(row->mapTo(viewport, QPoint()), row->size()).intersects(viewport->rect()))
                    result.push_back(value);
            }
        }
        return result;
    }
};

// One display frame: the engine moves some parameters (an LFO), the frame clock fires, and
// the event loop repaints whatever changed.
void BM_LiveFrame(benchmark::State &state)
{
    const bool following = state.range(0) != 0;
    const bool allVisibleChange = state.range(1) != 0;
    Screen screen;
    auto *clock = platform::FrameClock::forCurrentThread();
    clock->setManual(true);
    if (!following)
        screen.screen()->follower()->displayLink()->removeFromRunLoop();
    auto moving = screen.visibleFloats();
    if (!allVisibleChange)
        moving.resize(1);
    float phase = 0.0f;
    // The frame callback alone, without the repaint, to tell the two apart.
    std::chrono::steady_clock::duration callbacks{};
    for (auto _ : state) {
        phase = phase > 0.9f ? 0.1f : phase + 0.01f;
        for (const auto &parameter : moving)
            parameter->setValue(phase);
        const auto start = std::chrono::steady_clock::now();
        clock->advanceFrame();
        callbacks += std::chrono::steady_clock::now() - start;
        QApplication::processEvents();
    }
    state.counters["callback_us"] =
        std::chrono::duration<double, std::micro>(callbacks).count() / double(state.iterations());
    state.counters["rows_read"] = screen.screen()->follower()->followedRowCount();
    state.counters["moving"] = double(moving.size());
    clock->setManual(false);
}

// Typing a filter text and clearing it again, each run to the first painted frame after it.
void BM_Filter(benchmark::State &state)
{
    static const QString texts[] = {QStringLiteral("float 1"), QStringLiteral("effect 999"),
                                    QStringLiteral("xyz")};
    const QString text = texts[state.range(0)];
    Screen screen;
    QLineEdit *field = screen.screen()->filterField;
    for (auto _ : state) {
        field->setText(text);
        QApplication::processEvents();
        field->setText(QString());
        QApplication::processEvents();
    }
}

// The filter written by hand: each keystroke compares every row's name without case and
// shows or hides each row, then each section by whether a row is left.
void BM_HandWrittenFilter(benchmark::State &state)
{
    static const QString texts[] = {QStringLiteral("float 1"), QStringLiteral("effect 999"),
                                    QStringLiteral("xyz")};
    const QString text = texts[state.range(0)];
    Screen screen;
    const auto apply = [&screen](const QString &needle) {
        for (int s = 0; s < screen.screen()->stackedViewCount(); ++s) {
            auto *section = qobject_cast<CollapsibleSectionView *>(screen.screen()->realiseView(s));
            const bool nodeMatches =
                section->titleLabel->text().contains(needle, Qt::CaseInsensitive);
            bool any = false;
            for (auto *label :
                 section->content()->findChildren<QLabel *>(QStringLiteral("titleLabel"))) {
                const bool keep =
                    nodeMatches || label->text().contains(needle, Qt::CaseInsensitive);
                label->parentWidget()->parentWidget()->setVisible(keep);
                any = any || keep;
            }
            section->parentWidget()->setVisible(any);
        }
    };
    for (auto _ : state) {
        apply(text);
        QApplication::processEvents();
        apply(QString());
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_LiveFrame)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"following", "all_visible_move"})
    ->Iterations(3000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Filter)->DenseRange(0, 2)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandWrittenFilter)->DenseRange(0, 2)->Iterations(10)->Unit(benchmark::kMillisecond);
