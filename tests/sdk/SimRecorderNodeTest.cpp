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

} // namespace

TEST_F(SimRecorderNodeTest, WritesAToneOfTheRecordedLengthInEachFormat)
{
    const std::tuple<NQCodec, const char *, int> formats[] = {
        {NQCodec::wav, "take.wav", SF_FORMAT_WAV},
        {NQCodec::aiff, "take.aiff", SF_FORMAT_AIFF},
        {NQCodec::flac, "take.flac", SF_FORMAT_FLAC},
        {NQCodec::caf, "take.caf", SF_FORMAT_CAF}};
    for (const auto &[codec, name, container] : formats) {
        recorder.start();
        EXPECT_TRUE(recorder.isRecording());
        clock += 1.5;
        ASSERT_TRUE(recorder.stop(pathFor(name), codec));
        EXPECT_FALSE(recorder.isRecording());
        const auto info = SimAudioFile::read(pathFor(name));
        ASSERT_TRUE(info);
        EXPECT_EQ(info->container, container);
        EXPECT_EQ(info->sampleRate, 48000);
        EXPECT_EQ(info->frames, 72000);
        // A tone, not silence.
        SF_INFO sfInfo{};
        SNDFILE *file = sf_open(pathFor(name).c_str(), SFM_READ, &sfInfo);
        ASSERT_TRUE(file);
        std::vector<float> samples(std::size_t(sfInfo.frames) * std::size_t(sfInfo.channels));
        sf_readf_float(file, samples.data(), sfInfo.frames);
        sf_close(file);
        EXPECT_NEAR(*std::max_element(samples.begin(), samples.end()), 0.25f, 0.01f) << name;
    }
}

TEST_F(SimRecorderNodeTest, FailedStopsWriteNothingASecondStartKeepsTheFirstAndPlayerCallsDoNothing)
{
    EXPECT_FALSE(recorder.stop(pathFor("idle.wav"), NQCodec::wav));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("idle.wav")));
    recorder.start();
    EXPECT_FALSE(recorder.stop(pathFor("no/such/folder/take.wav"), NQCodec::wav));
    EXPECT_FALSE(recorder.isRecording());
    recorder.start();
    EXPECT_FALSE(recorder.stop(pathFor("odd.wav"), static_cast<NQCodec>(42)));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("odd.wav")));
    EXPECT_FALSE(recorder.isRecording());

    recorder.start();
    clock += 1;
    recorder.start();
    clock += 1;
    ASSERT_TRUE(recorder.stop(pathFor("odd.wav"), NQCodec::wav));
    EXPECT_EQ(SimAudioFile::read(pathFor("odd.wav"))->frames, 96000);

    // A recorder ignores player calls and a player recorder calls.
    const auto engineNode = engine.graph()->nodes()[0]->audioNode().lock();
    ASSERT_TRUE(engineNode);
    EXPECT_FALSE(engineNode->load(pathFor("odd.wav")));
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
