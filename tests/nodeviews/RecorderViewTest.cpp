#include "RecorderView.h"
#include "FakeNodes.h"

#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI;
using NequoraUI::testing::FakeRecorderNode;

namespace {

QPushButton *button(RecorderView &view)
{
    return view.findChild<QPushButton *>(QStringLiteral("startStopButton"));
}

} // namespace

TEST(RecorderViewTest, ATapNeedsPathAndFormatPassesThemOnUnchangedAndTheButtonStaysDisabled)
{
    auto busy = std::make_shared<FakeRecorderNode>();
    busy->recording = true;
    RecorderView titled(busy);
    EXPECT_EQ(button(titled)->text(), QStringLiteral("Stop Recording"));

    auto node = std::make_shared<FakeRecorderNode>();
    node->staysIdle = true;
    RecorderView view(node);
    EXPECT_EQ(view.recordingFilePath(), std::nullopt);
    view.setRecordingFilePath(QStringLiteral("/tmp/take.wav"));
    view.tappedStartStopButton();
    view.setRecordingFilePath(std::nullopt);
    view.setRecordingFormat(NQCodec::flac);
    view.tappedStartStopButton();
    EXPECT_EQ(node->starts, 0);
    EXPECT_TRUE(node->stops.empty());

    // The title follows what the node reports: this one refuses to start.
    view.setRecordingFilePath(QStringLiteral("/données/prise.caf"));
    view.setRecordingFormat(NQCodec::caf);
    view.tappedStartStopButton();
    EXPECT_EQ(node->starts, 1);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Start Recording"));
    node->recording = true;
    view.tappedStartStopButton();
    // An empty path is a path: it is passed on as it is.
    node->recording = true;
    view.setRecordingFilePath(QString());
    view.tappedStartStopButton();
    const std::vector<std::pair<std::string, NQCodec>> stops{{"/données/prise.caf", NQCodec::caf},
                                                             {"", NQCodec::caf}};
    EXPECT_EQ(node->stops, stops);
    EXPECT_FALSE(button(view)->isEnabled());

    RecorderView idle(nullptr);
    idle.setRecordingFilePath(QStringLiteral("/tmp/take.wav"));
    idle.setRecordingFormat(NQCodec::wav);
    idle.tappedStartStopButton();
    EXPECT_EQ(button(idle)->text(), QStringLiteral("Start Recording"));
}

TEST(RecorderViewTest, StartAndStopWriteTheFileAtExactlyThePathInTheFormatGiven)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("take one.aiff"));
    double now = 0;
    SimEngine engine([&now] { return now; });
    auto recorder = engine.addNode(SimEngine::recorderType, "Recorder");
    RecorderView view(std::make_shared<NQRecorderNode>(recorder->audioNode()));
    view.setRecordingFilePath(path);
    view.setRecordingFormat(NQCodec::aiff);
    button(view)->setEnabled(true);

    QTest::mouseClick(button(view), Qt::LeftButton);
    EXPECT_TRUE(view.recorderNode()->isRecording());
    EXPECT_EQ(button(view)->text(), QStringLiteral("Stop Recording"));
    now = 0.25;
    QTest::mouseClick(button(view), Qt::LeftButton);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Start Recording"));

    const auto info = SimAudioFile::read(path.toStdString());
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->container, SimAudioFile::containerOf(NQCodec::aiff));
    EXPECT_NEAR(info->duration(), 0.25, 0.01);
}
