#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"
#include "sim/SimFileUrl.h"

#include "NQAudioPlayerNode.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

TEST(SimPlayerNode, PlaysPausesStopsAtTheEndStartsOverAndOnlyAGoodLoadStopsAndRewinds)
{
    QTemporaryDir dir;
    const auto path = [&](const char *name) { return dir.filePath(name).toStdString(); };
    ASSERT_TRUE(SimAudioFile::writeTone(path("two seconds.wav"), 2.0, NQCodec::wav, 8000));
    ASSERT_TRUE(SimAudioFile::writeTone(path("half second.flac"), 0.5, NQCodec::flac, 8000));
    std::ofstream(path("notes.wav")) << "not audio at all";
    double clock = 100.0;
    SimEngine engine{[&] { return clock; }};
    NQAudioPlayerNode player{engine.addNode("AudioPlayerNode", "Player")->audioNode()};

    player.play();
    EXPECT_FALSE(player.isPlaying()) << "nothing plays until a file is loaded";
    EXPECT_DOUBLE_EQ(player.duration(), 0.0);
    ASSERT_TRUE(player.load(path("two seconds.wav")));
    EXPECT_DOUBLE_EQ(player.duration(), 2.0);
    player.play();
    clock -= 50; // the clock never runs playback back
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    clock += 50.5;
    EXPECT_DOUBLE_EQ(player.position(), 0.5);
    player.pause();
    clock += 10;
    EXPECT_FALSE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 0.5);
    player.play();
    clock += 1.25;
    EXPECT_DOUBLE_EQ(player.position(), 1.75);
    clock += 5;
    EXPECT_FALSE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 2.0);
    player.play();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 0.0);

    clock += 1;
    for (const std::string &bad : {path("missing.wav"), path("notes.wav"), std::string()})
        EXPECT_FALSE(player.load(bad)) << bad;
    EXPECT_TRUE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.duration(), 2.0);
    EXPECT_DOUBLE_EQ(player.position(), 1.0);
    // Percent-encoded file URLs load too.
    ASSERT_TRUE(player.load("file://" + dir.path().toStdString() + "/half%20second.flac"));
    EXPECT_FALSE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    EXPECT_DOUBLE_EQ(player.duration(), 0.5);
}

TEST(SimFileUrl, DecodesLocalFileUrlsPassesPlainPathsThroughAndRefusesTheRest)
{
    EXPECT_EQ(SimFileUrl::toPath("file:///tmp/a%20b%C3%A9.wav"), "/tmp/a b\xc3\xa9.wav");
    EXPECT_EQ(SimFileUrl::toPath("FILE://localhost/tmp/x.wav"), "/tmp/x.wav");
    EXPECT_EQ(SimFileUrl::toPath("file:///tmp/x%23y.wav#fragment"), "/tmp/x#y.wav");
    EXPECT_EQ(SimFileUrl::toPath("/tmp/100%.wav"), "/tmp/100%.wav");
    EXPECT_EQ(SimFileUrl::toPath("relative/a.wav"), "relative/a.wav");
    for (const char *url : {"", "https://example.org/a.wav", "file://server/share/a.wav", "file://",
                            "file:///tmp/a%2", "file:///tmp/a%zz", "file:///tmp/a%00b"}) {
        EXPECT_FALSE(SimFileUrl::toPath(url)) << url;
    }
}
