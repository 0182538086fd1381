#include "RecorderView.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI;

namespace {

struct FakeRecorderNode : NQRecorderNode
{
    FakeRecorderNode() : NQRecorderNode(NQAudioNodeHandle{}) {}

    bool isRecording() const override { return recording; }
    void start() override { ++starts, recording = !staysIdle; }
    bool stop(const std::string &path, NQCodec format) override
    {
        stops.emplace_back(path, format);
        recording = false;
        return writes;
    }

    bool recording = false;
    // A node that refuses to start.
    bool staysIdle = false;
    bool writes = true;
    int starts = 0;
    std::vector<std::pair<std::string, NQCodec>> stops;
};

QPushButton *button(const RecorderView &view)
{
    return view.findChild<QPushButton *>(QStringLiteral("startStopButton"));
}

} // namespace

TEST(RecorderViewTest, ATapNeedsPathAndFormatPassesThemOnUnchangedAndTheButtonStaysDisabled)
{
    auto busy = std::make_shared<FakeRecorderNode>();
    busy->recording = true;
    EXPECT_EQ(button(RecorderView(busy))->text(), QStringLiteral("Stop Recording"));

    auto node = std::make_shared<FakeRecorderNode>();
    RecorderView view(node);
    EXPECT_EQ(view.recorderNode(), node);
    EXPECT_EQ(view.recordingFilePath(), std::nullopt);
    view.setRecordingFilePath(QStringLiteral("/tmp/take.wav"));
    view.tappedStartStopButton();
    view.setRecordingFilePath(std::nullopt);
    view.setRecordingFormat(NQCodec::flac);
    view.tappedStartStopButton();
    EXPECT_EQ(node->starts, 0);
    EXPECT_TRUE(node->stops.empty());

    // The title follows what the node reports: first it refuses to start.
    view.setRecordingFilePath(QStringLiteral("/données/prise.caf"));
    view.setRecordingFormat(NQCodec::caf);
    node->staysIdle = true;
    view.tappedStartStopButton();
    EXPECT_EQ(node->starts, 1);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Start Recording"));
    EXPECT_FALSE(button(view)->isEnabled()) << "the host enables it; the view never does";
    node->staysIdle = false;
    view.setStartStopButtonEnabled(true);
    QTest::mouseClick(button(view), Qt::LeftButton);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Stop Recording"));
    view.tappedStartStopButton();
    EXPECT_EQ(button(view)->text(), QStringLiteral("Start Recording"));
    // An empty path is a path: it is passed on as it is.
    node->recording = true;
    view.setRecordingFilePath(QString());
    view.tappedStartStopButton();
    EXPECT_EQ(node->stops, (std::vector<std::pair<std::string, NQCodec>>{
                               {"/données/prise.caf", NQCodec::caf}, {"", NQCodec::caf}}));
    EXPECT_EQ(node->starts, 2);

    RecorderView idle(nullptr);
    idle.setRecordingFilePath(QStringLiteral("/tmp/take.wav"));
    idle.setRecordingFormat(NQCodec::wav);
    idle.tappedStartStopButton();
    EXPECT_EQ(button(idle)->text(), QStringLiteral("Start Recording"));
}

// A stop the node could not write shows in the view until the next start, which works.
TEST(RecorderViewTest, AFailedRecordingShowsUntilTheNextStart)
{
    auto node = std::make_shared<FakeRecorderNode>();
    RecorderView view(node);
    view.setRecordingFilePath(QStringLiteral("/nowhere/take.wav"));
    view.setRecordingFormat(NQCodec::wav);
    QSignalSpy failures(&view, &RecorderView::recordingFailed);
    const auto *status = view.findChild<QLabel *>(QStringLiteral("statusLabel"));
    ASSERT_TRUE(status);
    // Each tap: whether the node writes, then failed shown, starts so far.
    const std::tuple<bool, bool, int> taps[] = {
        {true, false, 1}, {false, true, 1}, {true, false, 2}, {true, false, 2}};
    for (const auto &[writes, failed, starts] : taps) {
        node->writes = writes;
        view.tappedStartStopButton();
        EXPECT_EQ(view.lastRecordingFailed(), failed);
        EXPECT_EQ(status->isVisibleTo(&view), failed);
        EXPECT_EQ(node->starts, starts);
    }
    EXPECT_EQ(status->text(), QStringLiteral("Recording failed"));
    EXPECT_EQ(failures.count(), 1);
}
