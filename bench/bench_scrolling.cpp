// What a user pays who scrolls a parameter screen through: the screen opened, then paged down to
// its end a page at a time, each page painted before the next step, as when a user drags the
// scroll bar or presses Page Down. The generated screen is compared in the same run with the
// plain form, QUiLoader rows and the Qt Quick ListView (support/ScreenPeers.h), at N float
// parameters in nodes of ten (nodes=10) or in one node holding them all (nodes=0). The peers'
// rows are as far apart as the generated rows, so every screen shows as many rows per page and
// takes as many page steps to its end.
//  - BM_PagedThrough_*: CPU from construction to the last page painted; KiB_per_parameter is
//    the resident memory the screen holds after the last page. Memory is only meaningful for
//    the first benchmark of a process (a process that built and freed screens reuses that
//    memory), so BENCHMARKS.md runs each memory figure in a process of its own.
//  - BM_PageStep_*: each page step of one pass at 10,000 timed on its own, from the scroll to
//    the painted frame (wall clock), reported as median and 95th percentile.
//  - BM_AllMade_*: every row made at once (generateViews() into a VStackViewController) against
//    the plain form and QUiLoader rows, to the first painted frame, with the memory it holds.
//  - *_FiveWidgetRows: the generated rows' shape in Qt's own widgets (support/ScreenPeers.h),
//    what that shape costs before any of the library's code runs.
#include "support/BenchSupport.h"
#include "support/ScreenPeers.h"

#include "platform/ViewController.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace NequoraUI;
using namespace BenchSupport;
using Clock = std::chrono::steady_clock;

// The graph of a benchmark's arguments: N parameters, and nodes of ten or one node of all.
std::shared_ptr<SimGraph> graphOf(const benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const int perNode = state.range(1) > 0 ? int(state.range(1)) : parameterCount;
    return makeGraph(parameterCount, perNode);
}

// Steps a shown screen down a page at a time; false once its end is in view.
class Pager
{
public:
    explicit Pager(QObject *screen)
    {
        if (auto *window = qobject_cast<QQuickWindow *>(screen)) {
            quickWindow = window;
            list = window->contentItem()->childItems().value(0);
            QObject::connect(window, &QQuickWindow::frameSwapped, window,
                             [this] { swapped = true; });
            return;
        }
        auto *controller = qobject_cast<platform::ViewController *>(screen);
        window = controller ? controller->view() : qobject_cast<QWidget *>(screen);
        area = qobject_cast<QScrollArea *>(window);
        if (!area)
            area = window->findChild<QScrollArea *>();
    }

    // One page down, run until that page is painted.
    bool step() { return quickWindow ? stepQuick() : stepWidgets(); }

private:
    bool stepWidgets()
    {
        QScrollBar *bar = area->verticalScrollBar();
        if (bar->value() >= bar->maximum())
            return false;
        bar->setValue(bar->value() + bar->pageStep());
        // The event loop runs between steps, as when a user scrolls: every frame painted.
        QCoreApplication::processEvents();
        paintPendingFrame(window);
        return true;
    }

    bool stepQuick()
    {
        const double end = list->property("contentHeight").toDouble() - list->height();
        const double y = list->property("contentY").toDouble();
        if (y >= end)
            return false;
        swapped = false;
        list->setProperty("contentY", std::min(end, y + list->height()));
        while (!swapped)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // As the event loop does between frames: delegates given back are deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }

    QWidget *window = nullptr;
    QScrollArea *area = nullptr;
    QQuickWindow *quickWindow = nullptr;
    QQuickItem *list = nullptr;
    bool swapped = false;
};

void dispose(std::unique_ptr<QObject> &screen)
{
    screen.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <ScreenMaker make> void pagedThrough(benchmark::State &state)
{
    const auto graph = graphOf(state);
    const Parameters parameters = floatParameters(*graph);
    warmUp(make);
    int pages = 0;
    for (auto _ : state) {
        const double before = residentKiB();
        auto screen = make(*graph, parameters);
        showScreenUntilPainted(screen.get());
        Pager pager(screen.get());
        for (pages = 1; pager.step(); ++pages) {
        }
        state.counters["KiB_per_parameter"] = (residentKiB() - before) / double(parameters.size());
        state.PauseTiming();
        dispose(screen);
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
}

double percentile(std::vector<double> sorted, double fraction)
{
    std::sort(sorted.begin(), sorted.end());
    return sorted.empty() ? 0 : sorted[size_t(fraction * double(sorted.size() - 1) + 0.5)];
}

template <ScreenMaker make> void pageStep(benchmark::State &state)
{
    const auto graph = graphOf(state);
    const Parameters parameters = floatParameters(*graph);
    warmUp(make);
    std::vector<double> stepsMs;
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = make(*graph, parameters);
        showScreenUntilPainted(screen.get());
        state.ResumeTiming();
        Pager pager(screen.get());
        for (;;) {
            const auto start = Clock::now();
            if (!pager.step())
                break;
            stepsMs.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        state.PauseTiming();
        dispose(screen);
        state.ResumeTiming();
    }
    state.counters["median_ms"] = percentile(stepsMs, 0.5);
    state.counters["p95_ms"] = percentile(stepsMs, 0.95);
    state.counters["steps"] = double(stepsMs.size());
}

template <ScreenMaker make> void allMade(benchmark::State &state)
{
    const auto graph = graphOf(state);
    const Parameters parameters = floatParameters(*graph);
    warmUp(make);
    for (auto _ : state) {
        const double before = residentKiB();
        auto screen = make(*graph, parameters);
        showScreenUntilPainted(screen.get());
        state.counters["KiB_per_parameter"] = (residentKiB() - before) / double(parameters.size());
        state.PauseTiming();
        dispose(screen);
        state.ResumeTiming();
    }
}

// N parameters, in nodes of ten and in one node. The 2,000 cases tell, against 10,000, whether
// a case's cost per parameter grows with N.
void shapes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgsProduct({{1000, 2000, 10000}, {10, 0}})
        ->ArgNames({"N", "nodes"})
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

void tenThousand(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Args({10000, 10})
        ->Args({10000, 0})
        ->ArgNames({"N", "nodes"})
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(pagedThrough<generatedScreen>)->Name("BM_PagedThrough_Generated")->Apply(shapes);
BENCHMARK(pagedThrough<spacedPlainForm>)->Name("BM_PagedThrough_PlainForm")->Apply(shapes);
// At its own row height: at 10,000 the spaced form would pass the tallest widget Qt lays out.
BENCHMARK(pagedThrough<plainForm>)->Name("BM_PagedThrough_PlainFormDense")->Apply(shapes);
BENCHMARK(pagedThrough<spacedUiLoaderForm>)->Name("BM_PagedThrough_UiLoader")->Apply(shapes);
BENCHMARK(pagedThrough<spacedFiveWidgetForm>)
    ->Name("BM_PagedThrough_FiveWidgetRows")
    ->Apply(shapes);
BENCHMARK(pagedThrough<spacedQuickList>)->Name("BM_PagedThrough_QuickList")->Apply(shapes);

BENCHMARK(pageStep<generatedScreen>)->Name("BM_PageStep_Generated")->Apply(tenThousand);
BENCHMARK(pageStep<spacedPlainForm>)->Name("BM_PageStep_PlainForm")->Apply(tenThousand);
BENCHMARK(pageStep<plainForm>)->Name("BM_PageStep_PlainFormDense")->Apply(tenThousand);
BENCHMARK(pageStep<spacedUiLoaderForm>)->Name("BM_PageStep_UiLoader")->Apply(tenThousand);
BENCHMARK(pageStep<spacedQuickList>)->Name("BM_PageStep_QuickList")->Apply(tenThousand);

BENCHMARK(allMade<eagerScreen>)->Name("BM_AllMade_Generated")->Apply(shapes);
BENCHMARK(allMade<plainForm>)->Name("BM_AllMade_PlainForm")->Apply(shapes);
BENCHMARK(allMade<uiLoaderForm>)->Name("BM_AllMade_UiLoader")->Apply(shapes);
BENCHMARK(allMade<fiveWidgetForm>)->Name("BM_AllMade_FiveWidgetRows")->Apply(shapes);
