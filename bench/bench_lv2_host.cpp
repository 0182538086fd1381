// The LV2 host's real-time crossings: how soon a value set on the main thread reaches the audio
// thread, what the adapter's block costs against calling lilv's run() on the same plugins, and
// what 100 metered outputs cost per display frame against a hand-written form of labels.
#include "support/BenchSupport.h"

#include "Lv2Chain.h"
#include "Lv2NumberParameter.h"
#include "Lv2Plugin.h"
#include "Lv2PluginLibrary.h"
#include "Lv2PluginNode.h"
#include "Lv2Rack.h"

#include "LiveValueView.h"
#include "UIGenerator.h"
#include "platform/FrameClock.h"
#include "platform/ViewController.h"

#include <QGridLayout>
#include <QLabel>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

using namespace NequoraUI;

const std::vector<std::string> chainUris = {"http://gareus.org/oss/lv2/fil4#mono",
                                            "urn:zamaudio:ZamComp"};
constexpr double rate = 48000;
constexpr uint32_t block = 256;
constexpr int meterCount = 100;
constexpr QSize meterScreen(390, 7200);

const Lv2PluginLibrary &library()
{
    static const Lv2PluginLibrary plugins;
    return plugins;
}

void fillSine(const Lv2Chain &chain)
{
    for (uint32_t f = 0; f < block; ++f)
        chain.input(0)[f] = float(0.25 * std::sin(2 * M_PI * 1000.0 * f / rate));
}

// An audio thread paced like a sound card (one block per period) records the index of the
// block whose start first sees the gain the main thread set; the main thread notes the index
// of the block running when it set it. Their difference is the latency in blocks.
void BM_ParameterLatency(benchmark::State &state)
{
    auto rack = std::make_shared<Lv2Rack>(library(), std::vector{chainUris[0]}, rate, block);
    const auto gain = rack->pluginNodes()[0]->parameter("gain");
    const Lv2ControlPort *port = rack->chain().plugins()[0]->control("gain");
    std::atomic<int64_t> started{0}, usedIn{-1};
    std::atomic<float> wanted{0};
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        std::vector<float> out(block);
        float *outputs[] = {out.data()};
        const auto period = std::chrono::duration<double>(block / rate);
        auto next = std::chrono::steady_clock::now();
        while (!stop) {
            const int64_t index = started.fetch_add(1) + 1;
            rack->process(outputs, 1, block);
            // The plugin's own port value: what this block ran with.
            if (usedIn.load() < 0 && port->value == wanted.load())
                usedIn.store(index);
            next += std::chrono::duration_cast<std::chrono::steady_clock::duration>(period);
            std::this_thread::sleep_until(next);
        }
    });
    double worst = 0, total = 0, latencySeconds = 0;
    float value = 1;
    for (auto _ : state) {
        value = value > 16 ? 1 : value + 1;
        usedIn.store(-1);
        wanted.store(value);
        const int64_t running = started.load();
        const auto set = std::chrono::steady_clock::now();
        std::static_pointer_cast<Lv2FloatParameter>(gain)->setValue(value);
        while (usedIn.load() < 0)
            std::this_thread::yield();
        latencySeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - set).count();
        const double blocks = double(usedIn.load() - running);
        worst = std::max(worst, blocks);
        total += blocks;
    }
    stop = true;
    audio.join();
    state.counters["blocks_mean"] = total / double(state.iterations());
    state.counters["blocks_max"] = worst;
    state.counters["block_us"] = 1e6 * block / rate;
    state.counters["until_seen_us"] = 1e6 * latencySeconds / double(state.iterations());
}

// One block of the chain (fil4, then ZamComp) over a sine: the adapter's Lv2Chain::process
// (control values loaded from their atomics, atom buffers prepared, run, outputs published)
// against lilv_instance_run() called on the same instances with the same buffers, after the
// atom buffers' preparation any host owes the plugins.
void BM_ProcessBlock(benchmark::State &state)
{
    const int path = int(state.range(0));
    Lv2Rack rack(library(), chainUris, rate, block);
    fillSine(rack.chain());
    for (auto _ : state) {
        if (path == 1) {
            rack.chain().process(block);
        } else {
            for (const auto &plugin : rack.chain().plugins()) {
                plugin->prepareAtomBuffers();
                lilv_instance_run(plugin->instance(), block);
            }
        }
        benchmark::DoNotOptimize(rack.chain().output(0)[block - 1]);
    }
}

// meterCount control outputs of the adapter, published by "the audio thread" before each frame.
struct Meters : NQAudioNode
{
    std::vector<std::unique_ptr<Lv2ControlPort>> ports;
    std::vector<std::shared_ptr<NQParameter>> meters;
    Meters()
    {
        for (int m = 0; m < meterCount; ++m) {
            ports.push_back(std::make_unique<Lv2ControlPort>());
            ports.back()->output = true;
            ports.back()->minimum = -120;
            ports.back()->maximum = 0;
            meters.push_back(std::make_shared<Lv2FloatParameter>("Peak " + std::to_string(m),
                                                                 nullptr, *ports.back(), -120, 0));
        }
    }
    std::string type() const override { return "LV2Plugin"; }
    std::string displayName() const override { return "Meters"; }
    std::vector<std::shared_ptr<NQParameter>> parameters() const override { return meters; }
    NQAudioNodeHandle audioNode() const override { return {}; }
    // Moving meters change every frame; still ones (a steady signal) keep their values.
    void publish(int frame, bool moving)
    {
        for (size_t m = 0; m < ports.size(); ++m)
            ports[m]->shared.store(-float(((moving ? frame : 0) + int(m)) % 60),
                                   std::memory_order_relaxed);
    }
};

struct MeterGraph : NQAudioGraph
{
    std::shared_ptr<Meters> node = std::make_shared<Meters>();
    std::vector<std::shared_ptr<NQAudioNode>> nodes() const override { return {node}; }
};

void BM_MeterFrame(benchmark::State &state)
{
    const bool moving = state.range(0) != 0;
    MeterGraph graph;
    UIGenerator generator;
    generator.presentationProvider = [](const NQParameter &) {
        return ParameterPresentation{.unit = "dB", .decimals = 1, .readOnly = true};
    };
    const auto screen = generator.generateViewController(graph);
    BenchSupport::showUntilPainted(screen->view(), meterScreen);
    QApplication::processEvents();
    auto *clock = platform::FrameClock::forCurrentThread();
    clock->setManual(true);
    int frame = 0;
    for (auto _ : state) {
        graph.node->publish(++frame, moving);
        clock->advanceFrame();
        BenchSupport::paintPendingFrame(screen->view());
    }
    int showing = 0;
    for (auto *row : screen->view()->findChildren<LiveValueView *>())
        showing +=
            !row->visibleRegion().isEmpty() &&
            row->stringValue() ==
                QString::number(-double(((moving ? frame : 0) + showing) % 60), 'f', 1) + " dB";
    state.counters["meters_current"] = showing;
    clock->setManual(false);
}

// The same meters as a Qt developer writes them: a grid of title and value labels, and a timer
// per frame that sets every value label's text from the ports.
void BM_HandWrittenMeterFrame(benchmark::State &state)
{
    const bool moving = state.range(0) != 0;
    Meters meters;
    QWidget form;
    auto *grid = new QGridLayout(&form);
    std::vector<QLabel *> values;
    for (int m = 0; m < meterCount; ++m) {
        grid->addWidget(new QLabel(QStringLiteral("Peak %1").arg(m)), m, 0);
        values.push_back(new QLabel(QStringLiteral("-120.0 dB")));
        values.back()->setFixedSize(values.back()->sizeHint());
        grid->addWidget(values.back(), m, 1);
    }
    BenchSupport::showUntilPainted(&form, meterScreen);
    int frame = 0;
    for (auto _ : state) {
        meters.publish(++frame, moving);
        for (size_t m = 0; m < values.size(); ++m)
            values[m]->setText(QString::number(double(meters.ports[m]->shared.load()), 'f', 1) +
                               QStringLiteral(" dB"));
        BenchSupport::paintPendingFrame(&form);
    }
}

} // namespace

BENCHMARK(BM_ParameterLatency)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProcessBlock)->Arg(0)->Arg(1)->ArgName("adapter")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeterFrame)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("moving")
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HandWrittenMeterFrame)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("moving")
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);
