#include "sim/SimEngine.h"
#include "sim/SimAudioFile.h"

#include "NQAudioPlayerNode.h"
#include "NQRecorderNode.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

// Run under AddressSanitizer: once the engine is gone a call through a stale handle would read
// freed memory.
TEST(SimEngine, LogsEveryCallKeepsTheSessionAndItsHandlesGoEmptyWhenDestroyed)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("a.wav").toStdString();
    const std::string take = dir.filePath("b.caf").toStdString();
    ASSERT_TRUE(SimAudioFile::writeTone(file, 1.0, NQCodec::wav, 8000));
    double clock = 0;
    auto engine = std::make_unique<SimEngine>([&] { return clock; });
    std::vector<std::string> lines;
    engine->setLogger([&](const std::string &line) { lines.push_back(line); });
    NQAudioPlayerNode player(engine->addNode("AudioPlayerNode", "Player")->audioNode());
    NQRecorderNode recorder(engine->addNode("RecorderNode", "Mic")->audioNode());
    engine->setSession({44100, 0.002, 0.003, 0.005});
    EXPECT_FALSE(engine->lastAudioSessionState());
    EXPECT_DOUBLE_EQ(engine->roundTripLatencySeconds(), 0.0);

    engine->start();
    EXPECT_DOUBLE_EQ(engine->roundTripLatencySeconds(), 0.015);
    player.load(file);
    player.play();
    clock = 0.25;
    player.pause();
    recorder.start();
    recorder.stop(take, NQCodec::caf);
    engine->stop();
    EXPECT_FALSE(engine->isRunning());
    EXPECT_TRUE(engine->lastAudioSessionState()) << "the session stays after a stop";
    EXPECT_EQ(lines, (std::vector<std::string>{"engine start", "load Player: " + file + " (1 s)",
                                               "play Player from 0 s", "pause Player at 0.25 s",
                                               "start Mic", "stop Mic: 0 s to " + take + " (caf)",
                                               "engine stop"}));

    player.play();
    recorder.start();
    ASSERT_TRUE(recorder.isRecording());
    const auto graph = engine->graph();
    engine.reset();
    EXPECT_FALSE(graph->nodes()[0]->audioNode().lock());
    EXPECT_FALSE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    EXPECT_DOUBLE_EQ(player.duration(), 0.0);
    EXPECT_FALSE(player.load(file));
    player.play();
    player.pause();
    EXPECT_FALSE(recorder.isRecording());
    recorder.start();
    EXPECT_FALSE(recorder.stop(dir.filePath("late.wav").toStdString(), NQCodec::wav));
    EXPECT_EQ(graph->nodes().size(), 2u);
}

TEST(SimParameter, ReportsAndLogsEveryWritePinsToTheRangeAndRefusesBadOnes)
{
    SimEngine engine;
    std::vector<SimParameterWrite> writes;
    std::vector<std::string> lines;
    engine.setWriteObserver([&](const SimParameterWrite &write) { writes.push_back(write); });
    engine.setLogger([&](const std::string &line) { lines.push_back(line); });
    const auto node = engine.addNode("Effect", "Reverb");
    const auto mix = node->addFloatParameter("Mix", 0.5f, 0.0f, 1.0f);
    EXPECT_FALSE(mix->lastWrittenValue());

    // Out-of-range writes are pinned; a NaN write is counted but keeps the value.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (const auto &[written, kept] :
         {std::pair{0.75f, 0.75f}, {3.0f, 1.0f}, {0.5f, 0.5f}, {nan, 0.5f}, {-infinity, 0.0f}}) {
        mix->setValue(written);
        EXPECT_FLOAT_EQ(mix->value(), kept) << written;
    }
    EXPECT_EQ(mix->writeCount(), 5);
    EXPECT_EQ(mix->lastWrittenValue(), -infinity);

    const auto offset = node->addIntParameter("Offset", 0, -5, 5);
    const auto voices = node->addUIntParameter("Voices", 2, 1, 8);
    const auto bypass = node->addBoolParameter("Bypass", false);
    offset->setValue(INT32_MIN);
    voices->setValue(UINT32_MAX);
    bypass->setValue(true);
    bypass->setValue(true);
    EXPECT_EQ(offset->value(), -5);
    EXPECT_EQ(voices->value(), 8u);
    EXPECT_EQ(offset->lastWrittenValue(), INT32_MIN);
    EXPECT_EQ(bypass->writeCount(), 2);
    ASSERT_EQ(writes.size(), 9u);
    EXPECT_EQ(writes[0].nodeName, "Reverb");
    EXPECT_EQ(writes[0].parameterName, "Mix");
    EXPECT_EQ(std::get<uint32_t>(writes[6].value), UINT32_MAX);
    EXPECT_EQ(std::get<bool>(writes[8].value), true);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "set Reverb / Mix = 0.75");
    EXPECT_EQ(lines[8], "set Reverb / Bypass = true");

    EXPECT_THROW(node->addFloatParameter("M", 0, 1, 0), std::invalid_argument);
    EXPECT_THROW(node->addIntParameter("N", 9, 0, 5), std::invalid_argument);
    EXPECT_THROW(node->addFloatParameter("M", std::nanf(""), 0, 1), std::invalid_argument);
    EXPECT_THROW(node->addBoolParameter("Mix", true), std::invalid_argument);
    EXPECT_EQ(node->parameters().size(), 4u);
}

// Run under AddressSanitizer: a write after the engine is gone must not reach it.
TEST(SimParameter, OutlivesItsEngineAndStopsReporting)
{
    int reports = 0;
    std::shared_ptr<SimFloatParameter> mix;
    {
        SimEngine engine;
        engine.setWriteObserver([&](const SimParameterWrite &) { ++reports; });
        mix = engine.addNode("Effect", "Reverb")->addFloatParameter("Mix", 0.5f, 0, 1);
        mix->setValue(0.1f);
    }
    mix->setValue(0.2f);
    EXPECT_EQ(reports, 1);
    EXPECT_FLOAT_EQ(mix->value(), 0.2f);
}
