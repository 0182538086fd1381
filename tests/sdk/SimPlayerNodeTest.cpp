#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"
#include "sim/SimFileUrl.h"

#include "NQAudioPlayerNode.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {

class SimPlayerNodeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(SimAudioFile::writeTone(twoSeconds, 2.0, NQCodec::wav, 8000));
        ASSERT_TRUE(SimAudioFile::writeTone(halfSecond, 0.5, NQCodec::flac, 8000));
    }

    double clock = 100.0;
    SimEngine engine{[this] { return clock; }};
    NQAudioPlayerNode player{engine.addNode("AudioPlayerNode", "Player")->audioNode()};
    QTemporaryDir dir;
    std::string twoSeconds = dir.filePath("two seconds.wav").toStdString();
    std::string halfSecond = dir.filePath("half second.flac").toStdString();
};

} // namespace

TEST_F(SimPlayerNodeTest, PlaysPausesStopsAtTheEndStartsOverAndTheClockNeverRunsItBack)
{
    player.play();
    EXPECT_FALSE(player.isPlaying()) << "nothing plays until a file is loaded";
    EXPECT_DOUBLE_EQ(player.duration(), 0.0);
    ASSERT_TRUE(player.load(twoSeconds));
    EXPECT_DOUBLE_EQ(player.duration(), 2.0);
    player.play();
    clock -= 50;
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
}

TEST_F(SimPlayerNodeTest, AFailedLoadKeepsTheStateAndAGoodOneStopsAndRewinds)
{
    ASSERT_TRUE(player.load(twoSeconds));
    player.play();
    clock += 1;
    const std::string notAudio = dir.filePath("notes.wav").toStdString();
    std::ofstream(notAudio) << "not audio at all";

    EXPECT_FALSE(player.load(dir.filePath("missing.wav").toStdString()));
    EXPECT_FALSE(player.load(notAudio));
    EXPECT_FALSE(player.load(""));
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
