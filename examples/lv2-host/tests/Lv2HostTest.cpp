#include "AllocationCounter.h"
#include "LilvLoop.h"
#include "TestAudio.h"

#include "ControlSettings.h"
#include "HostScreen.h"
#include "Lv2Chain.h"
#include "Lv2PlayerNode.h"
#include "Lv2Plugin.h"
#include "Lv2PluginLibrary.h"
#include "Lv2PluginNode.h"
#include "Lv2Rack.h"
#include "Lv2RecorderNode.h"
#include "OfflineRenderer.h"

#include "GraphViewController.h"
#include "NQFloatParameter.h"
#include "PresetBar.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

namespace {

const std::string fil4 = "http://gareus.org/oss/lv2/fil4#mono";
const std::string zamComp = "urn:zamaudio:ZamComp";
constexpr int rate = 48000;
// fil4 ramps its gain in; what follows is the steady level.
constexpr double settled = 0.1;

struct HostFixture
{
    QTemporaryDir folder;
    Lv2PluginLibrary library;
    std::string path(const char *name) const
    {
        return QDir(folder.path()).filePath(name).toStdString();
    }
};

} // namespace

TEST(OfflineRender, SixDecibelsOfGainComeOutSixDecibelsLouderAsWithAPlainLilvLoop)
{
    HostFixture f;
    const std::string sine = f.path("sine.wav");
    TestAudio::writeSine(sine, rate, 1.0, 0.25);
    const std::vector<float> input = TestAudio::read(sine).channel(0);
    double hostDb[2], lilvDb[2];
    for (int i = 0; i < 2; ++i) {
        const std::string gain = i ? "6" : "0";
        const std::string out = f.path(i ? "loud.wav" : "flat.wav");
        Lv2Rack rack(f.library, {fil4}, OfflineRenderer::sampleRateOf(sine),
                     OfflineRenderer::blockLength);
        ControlSettings::apply(rack, "gain=" + gain);
        OfflineRenderer::render(rack.chain(), sine, out);
        const TestAudio result = TestAudio::read(out);
        EXPECT_EQ(result.rate, rate);
        EXPECT_EQ(result.frames(), input.size());
        hostDb[i] = TestAudio::rmsDb(result.channel(0), rate, settled);
        lilvDb[i] = TestAudio::rmsDb(
            runWithLilv(f.library.lilvWorld(), fil4, rate, input, "gain", std::stof(gain)), rate,
            settled);
    }
    EXPECT_NEAR(hostDb[1] - hostDb[0], 6.0, 0.2);
    EXPECT_NEAR(lilvDb[1] - lilvDb[0], hostDb[1] - hostDb[0], 0.01);
    EXPECT_NEAR(hostDb[0], lilvDb[0], 0.01) << "the host changes nothing the plugin does";
}

TEST(OfflineRender, BadSettingsAreRefusedNamingThem)
{
    HostFixture f;
    Lv2Rack rack(f.library, {fil4}, rate, 512);
    for (const char *assignment :
         {"gain=19", "gain=-18.5", "nosuch=1", "gain=loud", "gain", "peak=0"})
        EXPECT_THROW(ControlSettings::apply(rack, assignment), std::runtime_error) << assignment;
    EXPECT_THROW(ControlSettings::applyPreset(rack, "urn:zamaudio:ZamComp#preset001"),
                 std::runtime_error)
        << "another plugin's preset";
    EXPECT_NO_THROW(ControlSettings::apply(rack, "gain=-18"));
    EXPECT_EQ(rack.pluginNodes()[0]->control("gain"), -18.0);
}

TEST(AudioThread, ARunningChainAllocatesNothingWhileTheScreenWritesAndReads)
{
    HostFixture f;
    const std::string sine = f.path("sine.wav");
    TestAudio::writeSine(sine, rate, 1.0, 0.25);
    auto rack = std::make_shared<Lv2Rack>(f.library, std::vector{fil4, zamComp}, rate, 256);
    ASSERT_TRUE(rack->player().load(
        QUrl::fromLocalFile(QString::fromStdString(sine)).toString().toStdString()));
    rack->player().play();
    rack->recorder().start();

    std::atomic<bool> done{false};
    std::thread audio([&] {
        std::vector<float> left(256), right(256);
        float *outputs[] = {left.data(), right.data()};
        for (int block = 0; block < 400; ++block) {
            AllocationCounter::arm(true);
            rack->process(outputs, 2, 256);
            AllocationCounter::arm(false);
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        done = true;
    });
    const auto gain =
        std::dynamic_pointer_cast<NQFloatParameter>(rack->pluginNodes()[0]->parameter("gain"));
    const auto peak =
        std::dynamic_pointer_cast<NQFloatParameter>(rack->pluginNodes()[0]->parameter("peak"));
    float reading = -200;
    for (int i = 0; !done; ++i) {
        gain->setValue(float(i % 12));
        reading = std::max(reading, peak->value());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    audio.join();
    EXPECT_TRUE(rack->recorder().stop(f.path("take.wav"), NQCodec::wav));
    EXPECT_EQ(AllocationCounter::count(), 0);
    EXPECT_GT(reading, -60.0f) << "the chain really ran with the player's sound";

    AllocationCounter::arm(true);
    const auto witness = std::make_unique<int>(1);
    AllocationCounter::arm(false);
    EXPECT_GT(AllocationCounter::count(), 0) << "the counter sees allocations";
}

// What the running plugin gets: every control input's port value after one block.
static std::map<std::string, float> runningControls(Lv2Rack &rack)
{
    std::vector<float> out(512);
    float *outputs[] = {out.data()};
    rack.process(outputs, 1, 512);
    std::map<std::string, float> values;
    for (const auto &port : rack.chain().plugins()[0]->controls())
        if (!port->output)
            values[port->symbol] = port->value;
    return values;
}

// The plugin runs with the preset from the next block, and one undo gives back every control.
TEST(FactoryPreset, LoadingOneSetsItsValuesAsOneUndoEntry)
{
    HostFixture f;
    auto rack = std::make_shared<Lv2Rack>(f.library, std::vector{zamComp}, rate, 512);
    const auto node = rack->pluginNodes()[0];
    const auto presets = rack->presets(*node);
    ASSERT_GE(presets.size(), 2u);
    const auto loaded = rack->readPreset(*node, presets[1].uri);
    ASSERT_FALSE(loaded.values.empty());

    HostScreen screen(rack, {});
    screen.view()->resize(500, 900);
    screen.view()->show();
    const std::map<std::string, float> before = runningControls(*rack);
    screen.loadPreset(node, presets[1].uri);
    EXPECT_EQ(screen.undoStack()->count(), 1);
    const std::map<std::string, float> running = runningControls(*rack);
    for (const auto &[symbol, value] : loaded.values)
        EXPECT_FLOAT_EQ(running.at(symbol), value) << symbol;
    EXPECT_NE(running, before) << "the preset differs from the defaults";
    screen.undoStack()->undo();
    EXPECT_EQ(runningControls(*rack), before);
}

TEST(FactoryPreset, ThePluginsOwnComeFirstInThePresetBarReadOnlyAndLoadFromIt)
{
    HostFixture f;
    QTemporaryDir folder;
    auto rack = std::make_shared<Lv2Rack>(f.library, std::vector{zamComp}, rate, 512);
    const auto node = rack->pluginNodes()[0];
    const auto presets = rack->presets(*node);
    ASSERT_GE(presets.size(), 2u);
    HostScreen screen(rack, {}, folder.path());
    screen.view()->resize(500, 900);
    screen.view()->show();
    NequoraUI::PresetBar *bar =
        static_cast<NequoraUI::GraphViewController *>(screen.controller())->presetBar;
    ASSERT_TRUE(bar);
    for (size_t i = 0; i < presets.size(); ++i)
        EXPECT_EQ(bar->presetPicker->itemData(int(i) + 1).toString().toStdString(),
                  presets[i].label);

    const auto loaded = rack->readPreset(*node, presets[1].uri);
    ASSERT_TRUE(bar->loadPreset(QString::fromStdString(presets[1].label)));
    for (const auto &[symbol, value] : loaded.values)
        EXPECT_FLOAT_EQ(float(*node->control(symbol)), value) << symbol;
    EXPECT_EQ(screen.undoStack()->count(), 1);
    EXPECT_FALSE(bar->deleteButton->isEnabled()) << "a plugin's own preset is read-only";
}
