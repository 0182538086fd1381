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
    std::string halfSecond = dir.filePath("half.flac").toStdString();
};

} // namespace

TEST_F(SimPlayerNodeTest, LoadsDurationFromTheFile)
{
    EXPECT_DOUBLE_EQ(player.duration(), 0.0);
    ASSERT_TRUE(player.load(twoSeconds));
    EXPECT_DOUBLE_EQ(player.duration(), 2.0);
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(SimPlayerNodeTest, PlaysPausesAndStopsAtTheEnd)
{
    ASSERT_TRUE(player.load(twoSeconds));
    player.play();
    EXPECT_TRUE(player.isPlaying());
    clock += 0.5;
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
}

TEST_F(SimPlayerNodeTest, PlayingAtTheEndStartsOver)
{
    ASSERT_TRUE(player.load(twoSeconds));
    player.play();
    clock += 3;
    player.play();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
}

TEST_F(SimPlayerNodeTest, NothingPlaysWithoutAFile)
{
    player.play();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
}

TEST_F(SimPlayerNodeTest, ClockSteppingBackNeverMovesPositionBack)
{
    ASSERT_TRUE(player.load(twoSeconds));
    player.play();
    clock -= 50;
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(SimPlayerNodeTest, AFailedLoadKeepsThePreviousFileAndState)
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
}

TEST_F(SimPlayerNodeTest, LoadingAnotherFileStopsAndRewinds)
{
    ASSERT_TRUE(player.load(twoSeconds));
    player.play();
    clock += 1;
    ASSERT_TRUE(player.load(halfSecond));
    EXPECT_FALSE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    EXPECT_DOUBLE_EQ(player.duration(), 0.5);
}

TEST_F(SimPlayerNodeTest, LoadsPercentEncodedFileUrls)
{
    const std::string encoded = "file://" + dir.path().toStdString() + "/two%20seconds.wav";
    ASSERT_TRUE(player.load(encoded));
    EXPECT_DOUBLE_EQ(player.duration(), 2.0);
}

TEST(SimFileUrl, DecodesFileUrlsAndPassesPlainPathsThrough)
{
    EXPECT_EQ(SimFileUrl::toPath("file:///tmp/a%20b%C3%A9.wav"), "/tmp/a b\xc3\xa9.wav");
    EXPECT_EQ(SimFileUrl::toPath("FILE://localhost/tmp/x.wav"), "/tmp/x.wav");
    EXPECT_EQ(SimFileUrl::toPath("file:///tmp/x%23y.wav#fragment"), "/tmp/x#y.wav");
    EXPECT_EQ(SimFileUrl::toPath("/tmp/100%.wav"), "/tmp/100%.wav");
    EXPECT_EQ(SimFileUrl::toPath("relative/a.wav"), "relative/a.wav");
}

TEST(SimFileUrl, RefusesWhatIsNotALocalFile)
{
    EXPECT_FALSE(SimFileUrl::toPath(""));
    EXPECT_FALSE(SimFileUrl::toPath("https://example.org/a.wav"));
    EXPECT_FALSE(SimFileUrl::toPath("file://server/share/a.wav"));
    EXPECT_FALSE(SimFileUrl::toPath("file://"));
    EXPECT_FALSE(SimFileUrl::toPath("file:///tmp/a%2"));
    EXPECT_FALSE(SimFileUrl::toPath("file:///tmp/a%zz"));
    EXPECT_FALSE(SimFileUrl::toPath("file:///tmp/a%00b"));
}
