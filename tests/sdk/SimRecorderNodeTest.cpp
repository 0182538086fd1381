#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"

#include "NQRecorderNode.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <vector>

namespace {

class SimRecorderNodeTest : public testing::Test
{
protected:
    std::string pathFor(const char *name) const { return dir.filePath(name).toStdString(); }

    double clock = 5.0;
    SimEngine engine{[this] { return clock; }};
    NQRecorderNode recorder{engine.addNode("RecorderNode", "Recorder")->audioNode()};
    QTemporaryDir dir;
};

struct FormatCase
{
    NQCodec codec;
    const char *fileName;
    int container;
};

class SimRecorderFormat : public SimRecorderNodeTest, public testing::WithParamInterface<FormatCase>
{};

} // namespace

TEST_P(SimRecorderFormat, WritesAToneOfTheRecordedLengthAndFormat)
{
    recorder.start();
    EXPECT_TRUE(recorder.isRecording());
    clock += 1.5;
    const std::string path = pathFor(GetParam().fileName);
    ASSERT_TRUE(recorder.stop(path, GetParam().codec));
    EXPECT_FALSE(recorder.isRecording());

    const auto info = SimAudioFile::read(path);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->container, GetParam().container);
    EXPECT_EQ(info->sampleRate, 48000);
    EXPECT_EQ(info->frames, 72000);

    // A tone, not silence.
    SF_INFO sfInfo{};
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &sfInfo);
    ASSERT_TRUE(file);
    std::vector<float> samples(std::size_t(sfInfo.frames) * std::size_t(sfInfo.channels));
    sf_readf_float(file, samples.data(), sfInfo.frames);
    sf_close(file);
    EXPECT_NEAR(*std::max_element(samples.begin(), samples.end()), 0.25f, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(AllCodecs, SimRecorderFormat,
                         testing::Values(FormatCase{NQCodec::wav, "take.wav", SF_FORMAT_WAV},
                                         FormatCase{NQCodec::aiff, "take.aiff", SF_FORMAT_AIFF},
                                         FormatCase{NQCodec::flac, "take.flac", SF_FORMAT_FLAC},
                                         FormatCase{NQCodec::caf, "take.caf", SF_FORMAT_CAF}));

TEST_F(SimRecorderNodeTest, FailedStopsWriteNothingAndASecondStartKeepsTheFirst)
{
    const std::string idle = pathFor("idle.wav");
    EXPECT_FALSE(recorder.stop(idle, NQCodec::wav));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(idle)));

    recorder.start();
    EXPECT_FALSE(recorder.stop(pathFor("no/such/folder/take.wav"), NQCodec::wav));
    EXPECT_FALSE(recorder.isRecording());

    recorder.start();
    const std::string path = pathFor("odd.wav");
    EXPECT_FALSE(recorder.stop(path, static_cast<NQCodec>(42)));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
    EXPECT_FALSE(recorder.isRecording());

    // Starting twice keeps the first start.
    recorder.start();
    clock += 1;
    recorder.start();
    clock += 1;
    ASSERT_TRUE(recorder.stop(path, NQCodec::wav));
    EXPECT_EQ(SimAudioFile::read(path)->frames, 96000);
}

TEST_F(SimRecorderNodeTest, RecorderIgnoresPlayerCallsAndViceVersa)
{
    const auto engineNode = engine.graph()->nodes()[0]->audioNode().lock();
    ASSERT_TRUE(engineNode);
    EXPECT_FALSE(engineNode->load(pathFor("x.wav")));
    engineNode->play();
    EXPECT_FALSE(engineNode->isPlaying());

    const auto player = engine.addNode("AudioPlayerNode", "Player")->audioNode().lock();
    player->start();
    EXPECT_FALSE(player->isRecording());
    EXPECT_FALSE(player->stop(pathFor("y.wav"), NQCodec::wav));
}

TEST(SimAudioFile, RefusesBadLengthsAndRates)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("bad.wav").toStdString();
    EXPECT_FALSE(SimAudioFile::writeTone(path, -1));
    EXPECT_FALSE(SimAudioFile::writeTone(path, std::nan("")));
    EXPECT_FALSE(SimAudioFile::writeTone(path, 1, NQCodec::wav, 0));
    EXPECT_TRUE(SimAudioFile::writeTone(path, 0));
    EXPECT_EQ(SimAudioFile::read(path)->frames, 0);
    // A write that fails once under way (FLAC refuses the rate) leaves the earlier file whole.
    EXPECT_FALSE(SimAudioFile::writeTone(path, 1, NQCodec::flac, 1000000));
    EXPECT_EQ(SimAudioFile::read(path)->frames, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bad.wav"});
}
