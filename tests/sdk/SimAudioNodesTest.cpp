#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"
#include "sim/SimFileUrl.h"

#include "NQAudioPlayerNode.h"
#include "NQRecorderNode.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <fstream>
#include <vector>

namespace {

struct SimAudio : testing::Test
{
    std::string pathFor(const char *name) const { return dir.filePath(name).toStdString(); }

    double clock = 5.0;
    SimEngine engine{[this] { return clock; }};
    NQRecorderNode recorder{engine.addNode("RecorderNode", "Recorder")->audioNode()};
    QTemporaryDir dir;
};

} // namespace

TEST_F(SimAudio, RecorderWritesAToneOfTheRecordedLengthInEachFormat)
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

TEST_F(SimAudio, RecorderFailedStopsWriteNothingASecondStartKeepsTheFirstPlayerCallsDoNothing)
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

TEST_F(SimAudio, FileRefusesBadLengthsAndRates)
{
    const std::string path = pathFor("bad.wav");
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

TEST_F(SimAudio, PlayerPlaysPausesStopsAtTheEndStartsOverAndOnlyAGoodLoadStopsAndRewinds)
{
    ASSERT_TRUE(SimAudioFile::writeTone(pathFor("two seconds.wav"), 2.0, NQCodec::wav, 8000));
    ASSERT_TRUE(SimAudioFile::writeTone(pathFor("half second.flac"), 0.5, NQCodec::flac, 8000));
    std::ofstream(pathFor("notes.wav")) << "not audio at all";
    NQAudioPlayerNode player{engine.addNode("AudioPlayerNode", "Player")->audioNode()};

    player.play();
    EXPECT_FALSE(player.isPlaying()) << "nothing plays until a file is loaded";
    EXPECT_DOUBLE_EQ(player.duration(), 0.0);
    ASSERT_TRUE(player.load(pathFor("two seconds.wav")));
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
    for (const std::string &bad : {pathFor("missing.wav"), pathFor("notes.wav"), std::string()})
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
                            "file:///tmp/a%2", "file:///tmp/a%zz", "file:///tmp/a%00b"})
        EXPECT_FALSE(SimFileUrl::toPath(url)) << url;
}
