#include "AudioFileView.h"
#include "AudioPlayerView.h"
#include "GeneratedViews.h"
#include "GraphViewController.h"
#include "ImportedAudioFiles.h"
#include "RecorderView.h"
#include "UIGenerator.h"
#include "platform/ViewController.h"
#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"
#include "support/IsolatedDataHome.h"
#include "support/ManualAnimationDriver.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace NequoraUI;

namespace {

// An engine whose engine nodes' loads land in the log, one line each.
struct LoggedEngine : SimEngine
{
    LoggedEngine()
    {
        setLogger([this](const std::string &line) { log.push_back(line); });
    }
    std::shared_ptr<SimNode> addPlayer()
    {
        auto player = addNode(playerType, "Player");
        player->addFloatParameter("Rate", 1.0f, 0.5f, 2.0f);
        player->addBoolParameter("Loop", false);
        return player;
    }
    std::vector<std::string> log;
};

const QList<QUrl> files = {QUrl::fromLocalFile(QStringLiteral("/media/take one.wav")),
                           QUrl::fromLocalFile(QStringLiteral("/media/b.wav"))};

} // namespace

// The file row presents through the screen; once the screen is closed, a row the host kept
// neither keeps nor calls its player. Without files or presenter a player has one row.
TEST(PlayerRecorderGeneration, FileRowAboveThePlayerLoadsTheChoiceWhileTheScreenLivesElseOneRow)
{
    NequoraUI::testing::ManualAnimationDriver driver;
    LoggedEngine engine;
    engine.addNode("Nequora.GraphInput", "In");
    engine.addNode("Equaliser", "EQ")->addFloatParameter("Low", 0.0f, -12.0f, 12.0f);
    const auto player = engine.addPlayer();
    engine.addNode("Nequora.GraphOutput", "Out");
    auto controller = UIGenerator::generateViewController(*engine.graph(), files);
    auto *screen = qobject_cast<GraphViewController *>(controller.get());
    ASSERT_EQ(screen->stackedViewCount(), 2) << "the graph's input and output nodes are left out";
    QWidget *section = screen->realiseView(1);
    EXPECT_EQ(qobject_cast<CollapsibleSectionView *>(section)->titleLabel->text(), "Player");
    const QList<QWidget *> rows = rowsOf(section);
    ASSERT_EQ(rows.size(), 2) << "the player's own parameters never show";
    auto *fileRow = qobject_cast<AudioFileView *>(rows[0]);
    ASSERT_TRUE(fileRow);
    std::weak_ptr<NQAudioPlayerNode> playerObject =
        qobject_cast<AudioPlayerView *>(rows[1])->audioPlayerNode();
    EXPECT_EQ(ViewControllerPresenter::of(controller.get()),
              ViewControllerPresenter::of(controller.get()))
        << "one presenter per controller";
    EXPECT_EQ(ViewControllerPresenter::of(nullptr), nullptr);

    ASSERT_TRUE(NequoraUI::testing::shown(*controller->view(), 390, 640));
    fileRow->tappedActionButton();
    ASSERT_TRUE(controller->presentedViewController()) << "the row presents through the screen";
    EXPECT_TRUE(controller->isTransitioning()) << "animated";
    driver.advance(400);
    fileRow->audioFilePickerViewControllerDidSelectFile(nullptr, files[0]);
    EXPECT_EQ(engine.log,
              std::vector<std::string>{"load Player failed: file:///media/take%20one.wav"});
    EXPECT_TRUE(controller->isTransitioning()) << "dismissed animated";
    driver.advance(400);
    EXPECT_FALSE(controller->presentedViewController());

    // A change of file is one undo entry; undo and redo load the old or new file once each.
    QUndoStack *stack = screen->undoStack();
    fileRow->audioFilePickerViewControllerDidSelectFile(nullptr, files[1]);
    ASSERT_EQ(stack->count(), 1) << "the first choice has no file before it to go back to";
    const std::pair<void (QUndoStack::*)(), int> steps[] = {
        {&QUndoStack::undo, 0}, {&QUndoStack::redo, 1}, {&QUndoStack::undo, 0}};
    for (const auto &[step, file] : steps) {
        const size_t loads = engine.log.size();
        (stack->*step)();
        ASSERT_EQ(engine.log.size(), loads + 1);
        EXPECT_EQ(engine.log.back(),
                  "load Player failed: " + files[file].toEncoded().toStdString());
        EXPECT_EQ(fileRow->file(), files[file]);
    }
    const size_t loads = engine.log.size();

    // The host keeps a row while dropping the screen that presented for it.
    std::unique_ptr<QWidget> kept(fileRow);
    kept->setParent(nullptr);
    controller.reset();
    EXPECT_TRUE(playerObject.expired()) << "the file row never keeps the player alive";
    fileRow->tappedActionButton();
    fileRow->audioFilePickerViewControllerDidSelectFile(nullptr, files[1]);
    EXPECT_EQ(engine.log.size(), loads) << "its player went with the screen";

    controller = UIGenerator::generateViewController(*engine.graph(), {});
    EXPECT_EQ(rowsOf(qobject_cast<GraphViewController *>(controller.get())->realiseView(1)).size(),
              1);
    UIGenerator generator;
    generator.audioFiles = files;
    {
        platform::ViewController gone;
        generator.delegate = ViewControllerPresenter::of(&gone);
        ASSERT_TRUE(generator.delegate);
    }
    EXPECT_FALSE(generator.delegate) << "the generator never keeps its presenter alive";
    OwnedWidgets first(generator.generateViews(player)), second(generator.generateViews(player));
    ASSERT_EQ(first.size(), 1);
    const auto &a = qobject_cast<AudioPlayerView *>(first[0])->audioPlayerNode();
    const auto &b = qobject_cast<AudioPlayerView *>(second[0])->audioPlayerNode();
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get()) << "one engine node, a player object per call";
    a->load("file:///a.wav");
    b->load("file:///b.wav");
    EXPECT_EQ(engine.log.size(), loads + 2);
}

TEST(PlayerRecorderGeneration, GeneratedRecorderWritesNewWavFilesThatPickersOffer)
{
    IsolatedDataHome dataHome;
    SimEngine engine;
    OwnedWidgets views(UIGenerator().generateViews(engine.addNode("RecorderNode", "Rec")));
    auto *recorderView = qobject_cast<RecorderView *>(views[0]);
    ASSERT_TRUE(recorderView && recorderView->isStartStopButtonEnabled());
    EXPECT_EQ(recorderView->recordingFormat(), NQCodec::wav);
    const QString path = recorderView->recordingFilePath().value();
    EXPECT_TRUE(path.contains("/Recordings/Rec 20") && path.endsWith(".wav")) << path.toStdString();
    // Two recordings to the same path: the second gets a name of its own.
    const qsizetype imported = ImportedAudioFiles::count();
    for (int tap = 0; tap < 4; ++tap)
        recorderView->tappedStartStopButton();
    const QList<QUrl> recordings = ImportedAudioFiles::all().mid(imported);
    ASSERT_EQ(recordings.size(), 2);
    EXPECT_EQ(recordings[0].toLocalFile(), path);
    EXPECT_NE(recordings[1], recordings[0]);
    EXPECT_TRUE(SimAudioFile::read(recordings[1].toLocalFile().toStdString()));
}
