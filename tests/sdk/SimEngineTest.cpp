#include "sim/SimEngine.h"
#include "sim/SimAudioFile.h"

#include "NQAudioPlayerNode.h"
#include "NQRecorderNode.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
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
