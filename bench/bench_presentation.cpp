// Presentation hints at first paint: the same generated screen with and without a presentation
// provider, timed from generateViewController() through the event loop to the window's first
// painted frame. Hinted: every float on a log, dB or skewed track with a unit, every integer
// with a unit and step; the widgets are the same sliders, switches and fields as without hints.
#include "SimPresentation.h"
#include "UIGenerator.h"
#include "platform/ViewController.h"
#include "sim/SimEngine.h"
#include "support/BenchSupport.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace NequoraUI;

constexpr int parametersPerNode = 10;
const QSize screenSize(390, 844);

SimParameterHints hintsFor(int index)
{
    SimParameterHints hints;
    switch (index % 4) {
    case 0:
        hints.scale = SimParameterHints::Scale::Logarithmic;
        hints.unit = "Hz";
        break;
    case 1:
        hints.decibels = true;
        break;
    case 2:
        hints.scale = SimParameterHints::Scale::Skewed;
        hints.skew = 0.5;
        hints.unit = "s";
        break;
    default:
        hints.unit = "%";
        hints.decimals = 1;
    }
    return hints;
}

// Nodes of ten parameters: five floats, two ints, one uint, one Boolean, one string; with hints
// on every number when asked.
std::shared_ptr<SimEngine> makeEngine(int parameterCount, bool hinted)
{
    auto engine = std::make_shared<SimEngine>();
    for (int n = 0; n < parameterCount / parametersPerNode; ++n) {
        auto node = engine->addNode("Effect", "Effect " + std::to_string(n));
        std::vector<std::shared_ptr<NQParameter>> numbers;
        for (int f = 0; f < 5; ++f)
            numbers.push_back(
                node->addFloatParameter("Float " + std::to_string(f), 0.5f, 0.01f, 2.0f));
        numbers.push_back(node->addIntParameter("Int 0", 3, -10, 10));
        numbers.push_back(node->addIntParameter("Int 1", 0, 0, 127));
        numbers.push_back(node->addUIntParameter("UInt", 50, 0, 100));
        node->addBoolParameter("Bypass", false);
        node->addStringParameter("Label", "Effect");
        for (std::size_t i = 0; hinted && i < numbers.size(); ++i) {
            SimParameterHints hints = hintsFor(int(i));
            if (i >= 5) { // whole numbers: a unit and a step, no float-only transform
                hints = {};
                hints.unit = "st";
                hints.step = 1;
            }
            engine->setHints(numbers[i], hints);
        }
    }
    return engine;
}

void firstPaint(benchmark::State &state, bool hinted)
{
    const int parameterCount = int(state.range(0));
    const auto engine = makeEngine(parameterCount, hinted);
    UIGenerator generator;
    if (hinted)
        generator.presentationProvider = SimPresentation::provider(engine);
    const auto showScreen = [&] {
        auto controller = generator.generateViewController(*engine->graph());
        BenchSupport::showUntilPainted(controller->view(), screenSize);
        return controller;
    };
    // Fonts, style and interface files are loaded once per process; neither side pays for it.
    showScreen().reset();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        auto controller = showScreen();
        state.PauseTiming();
        controller.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_FirstPaintWithoutHints(benchmark::State &state)
{
    firstPaint(state, false);
}

void BM_FirstPaintWithHints(benchmark::State &state)
{
    firstPaint(state, true);
}

} // namespace

BENCHMARK(BM_FirstPaintWithoutHints)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPaintWithHints)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
