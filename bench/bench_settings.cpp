// Loading a preset and switching A/B on generated screens of 1,000 and 10,000 parameters,
// shown at 390x2400 with about 30 rows on screen, each run to the painted frame; against the
// same values written by hand through the engine and the rows that exist, as a Qt developer
// would without the library's presets (no comparing, no undo entry, no gestures).
#include "support/BenchSupport.h"
#include "support/ScreenPeers.h"

#include "GraphViewController.h"
#include "PresetStore.h"
#include "ScreenSettings.h"
#include "SliderView.h"
#include "UIGenerator.h"
#include "sim/SimGraph.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace NequoraUI;

constexpr int parametersPerNode = BenchSupport::mixedParametersPerNode;
constexpr int screenHeight = 2400;

// Every float to value, and the ints to where value puts them.
void setAll(const SimGraph &graph, float value)
{
    for (const auto &node : graph.simNodes())
        for (const auto &parameter : node->parameters()) {
            if (auto p = std::dynamic_pointer_cast<SimFloatParameter>(parameter))
                p->setValue(value);
            else if (auto p = std::dynamic_pointer_cast<SimIntParameter>(parameter))
                p->setValue(int(value * 10));
        }
}

struct Screen
{
    QTemporaryDir folder;
    std::shared_ptr<SimGraph> graph;
    std::unique_ptr<platform::ViewController> controller;

    explicit Screen(int parameterCount) : graph(BenchSupport::makeMixedGraph(parameterCount))
    {
        UIGenerator generator;
        generator.presetStore = std::make_shared<PresetStore>(folder.path());
        controller = generator.generateViewController(*graph);
        BenchSupport::showUntilPainted(controller->view(), {390, screenHeight});
    }
    GraphViewController *screen() const
    {
        return static_cast<GraphViewController *>(controller.get());
    }
    ScreenSettings *settings() const { return screen()->settings(); }
};

void BM_LoadPreset(benchmark::State &state)
{
    Screen screen(int(state.range(0)));
    setAll(*screen.graph, 0.25f);
    const Preset low = screen.settings()->capture(QStringLiteral("Low"));
    setAll(*screen.graph, 0.75f);
    const Preset high = screen.settings()->capture(QStringLiteral("High"));
    bool toLow = true;
    int changed = 0;
    for (auto _ : state) {
        changed = screen.settings()->load(toLow ? low : high).changed;
        BenchSupport::paintPendingFrame(screen.screen()->view());
        toLow = !toLow;
    }
    state.counters["values_written"] = changed;
    // Undo entries stay bounded by the stack, not by the run's length.
    screen.screen()->undoStack()->clear();
}

void BM_SwitchSlot(benchmark::State &state)
{
    Screen screen(int(state.range(0)));
    setAll(*screen.graph, 0.25f);
    screen.settings()->copyAToB();
    screen.settings()->switchSlot();
    setAll(*screen.graph, 0.75f);
    for (auto _ : state) {
        screen.settings()->switchSlot();
        BenchSupport::paintPendingFrame(screen.screen()->view());
    }
    state.counters["rows_differing"] = screen.settings()->differingCount();
    screen.screen()->undoStack()->clear();
}

// The same values by hand: each parameter written, and each row that exists shown the value.
void BM_HandWrittenValues(benchmark::State &state)
{
    Screen screen(int(state.range(0)));
    struct Target
    {
        std::shared_ptr<NQParameter> parameter;
        QPointer<SliderView> row;
    };
    // The rows found once, as a hand-written form keeps them.
    std::vector<Target> targets;
    for (const auto &node : screen.graph->simNodes())
        for (const auto &parameter : node->parameters())
            targets.push_back({parameter, nullptr});
    // Section s shows node s; its sliders are the node's first parameters, in order.
    for (int s = 0; s < screen.screen()->stackedViewCount(); ++s)
        if (QWidget *section = screen.screen()->stackedView(s)) {
            const auto sliders = section->findChildren<SliderView *>();
            for (int r = 0; r < sliders.size(); ++r)
                targets[size_t(s * parametersPerNode + r)].row = sliders[r];
        }
    bool toLow = true;
    for (auto _ : state) {
        const float value = toLow ? 0.25f : 0.75f;
        for (const Target &target : targets) {
            if (auto p = std::dynamic_pointer_cast<NQFloatParameter>(target.parameter)) {
                p->setValue(value);
                if (target.row)
                    target.row->setValue(value);
            } else if (auto p = std::dynamic_pointer_cast<NQIntParameter>(target.parameter)) {
                p->setValue(int(value * 10));
                if (target.row)
                    target.row->setValue(float(int(value * 10)));
            }
        }
        BenchSupport::paintPendingFrame(screen.screen()->view());
        toLow = !toLow;
    }
}

} // namespace

BENCHMARK(BM_LoadPreset)
    ->Arg(1000)
    ->Arg(10000)
    ->ArgName("parameters")
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchSlot)
    ->Arg(1000)
    ->Arg(10000)
    ->ArgName("parameters")
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandWrittenValues)
    ->Arg(1000)
    ->Arg(10000)
    ->ArgName("parameters")
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
