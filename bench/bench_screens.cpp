// What a user waits for when a parameter screen opens: construction to the first painted
// frame, with the event loop running (expose, polish, layout, paint into the backing store),
// for N float parameters. The generated screen (sections made as they come into view; and,
// for reference, all made at once) is compared in the same run with what a Qt developer would
// write instead (support/ScreenPeers.h).
// Times are per parameter. BM_Memory_* report resident memory per parameter after the first
// frame; run each in a process of its own (see BENCHMARKS.md), since a process that already
// built and freed screens reuses that memory.
#include "support/BenchSupport.h"
#include "support/ScreenPeers.h"

#include "VStackViewController.h"

#include <QQuickItem>
#include <QScrollArea>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace NequoraUI;
using namespace BenchSupport;

void reportPerParameter(benchmark::State &state, int parameterCount)
{
    state.counters["per_parameter"] =
        benchmark::Counter(double(parameterCount), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// Each iteration makes the screen over nodes of parametersPerNode and runs it to its first
// painted frame.
template <ScreenMaker make> void paintFirstFrames(benchmark::State &state, int parametersPerNode)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount, parametersPerNode);
    const Parameters parameters = floatParameters(*graph);
    warmUp(make);
    for (auto _ : state) {
        auto screen = make(*graph, parameters);
        showScreenUntilPainted(screen.get());
        state.PauseTiming();
        screen.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    reportPerParameter(state, parameterCount);
}

template <ScreenMaker make> void firstPaint(benchmark::State &state)
{
    paintFirstFrames<make>(state, 10);
}

// The same for one node holding every parameter, as a plugin's controls usually are.
template <ScreenMaker make> void firstPaintOneNode(benchmark::State &state)
{
    paintFirstFrames<make>(state, int(state.range(0)));
}

template <ScreenMaker make> void memory(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    const Parameters parameters = floatParameters(*graph);
    warmUp(make);
    for (auto _ : state) {
        const double before = BenchSupport::residentKiB();
        auto screen = make(*graph, parameters);
        showScreenUntilPainted(screen.get());
        state.counters["KiB_per_parameter"] =
            (BenchSupport::residentKiB() - before) / double(parameterCount);
    }
}

// The generated screen's worst case: every section made, by scrolling to the end a page at a
// time as a user would (sections stay once made).
void memoryScrolledThrough(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    warmUp(generatedScreen);
    for (auto _ : state) {
        const double before = BenchSupport::residentKiB();
        auto screen = generatedScreen(*graph, {});
        showScreenUntilPainted(screen.get());
        auto *stack = qobject_cast<VStackViewController *>(screen.get());
        QScrollBar *bar = stack->view()->findChild<QScrollArea *>()->verticalScrollBar();
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            // The event loop runs between steps, as when a user scrolls: every frame painted.
            QCoreApplication::processEvents();
        }
        int made = 0;
        for (int index = 0; index < stack->stackedViewCount(); ++index)
            made += stack->isRealised(index);
        state.counters["made"] = double(made);
        state.counters["KiB_per_parameter"] =
            (BenchSupport::residentKiB() - before) / double(parameterCount);
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
}

// The Quick screen scrolled to the end a page at a time, every frame painted: delegates out of
// view are given back, so memory stays what the first frame took.
void memoryQuickScrolledThrough(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    warmUp(quickGenerated);
    for (auto _ : state) {
        const double before = BenchSupport::residentKiB();
        auto screen = quickGenerated(*graph, {});
        showScreenUntilPainted(screen.get());
        auto *list = screen->findChild<QQuickItem *>(QStringLiteral("rows"));
        const double end = list->property("contentHeight").toDouble() - screenSize.height();
        for (double y = 0; y < end; y += screenSize.height()) {
            list->setProperty("contentY", y);
            // As the event loop does between frames: delegates given back are deleted.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        state.counters["KiB_per_parameter"] =
            (BenchSupport::residentKiB() - before) / double(parameterCount);
        state.PauseTiming();
        screen.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(firstPaint<generatedScreen>)->Name("BM_FirstPaint_Generated")->Apply(sizes);
BENCHMARK(firstPaint<eagerScreen>)->Name("BM_FirstPaint_GeneratedAllMade")->Apply(sizes);
BENCHMARK(firstPaint<plainForm>)->Name("BM_FirstPaint_PlainForm")->Apply(sizes);
BENCHMARK(firstPaint<uiLoaderForm>)->Name("BM_FirstPaint_UiLoader")->Apply(sizes);
BENCHMARK(firstPaint<quickList>)->Name("BM_FirstPaint_QuickList")->Apply(sizes);
BENCHMARK(firstPaint<quickGenerated>)->Name("BM_FirstPaint_QuickGenerated")->Apply(sizes);

BENCHMARK(firstPaintOneNode<generatedScreen>)
    ->Name("BM_FirstPaintOneNode_Generated")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(firstPaintOneNode<plainForm>)
    ->Name("BM_FirstPaintOneNode_PlainForm")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(memory<generatedScreen>)->Name("BM_Memory_Generated")->Arg(10000)->Iterations(1);
BENCHMARK(memory<plainForm>)->Name("BM_Memory_PlainForm")->Arg(10000)->Iterations(1);
BENCHMARK(memory<uiLoaderForm>)->Name("BM_Memory_UiLoader")->Arg(10000)->Iterations(1);
BENCHMARK(memory<quickList>)->Name("BM_Memory_QuickList")->Arg(10000)->Iterations(1);
BENCHMARK(memory<quickGenerated>)->Name("BM_Memory_QuickGenerated")->Arg(10000)->Iterations(1);
BENCHMARK(memoryQuickScrolledThrough)
    ->Name("BM_Memory_QuickGeneratedScrolledThrough")
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(memoryScrolledThrough)
    ->Name("BM_Memory_GeneratedScrolledThrough")
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
