#include "AudioFileView.h"
#include "AudioPlayerView.h"
#include "GraphViewController.h"
#include "ImportedAudioFiles.h"
#include "RecorderView.h"
#include "RecordingEngineNode.h"
#include "UIGenerator.h"
#include "VStackViewController.h"
#include "platform/ViewController.h"
#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"
#include "support/IsolatedDataHome.h"
#include "support/ManualAnimationDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace NequoraUI;

namespace {

struct PlayerNode
{
    PlayerNode(const std::string &type = "AudioPlayerNode", const std::string &name = "Player")
        : node(std::make_shared<SimNode>(type, name, NQAudioNodeHandle{engineNode}))
    {
        node->addFloatParameter("Rate", 1.0f, 0.5f, 2.0f);
        node->addBoolParameter("Loop", false);
    }
    std::shared_ptr<RecordingEngineNode> engineNode = std::make_shared<RecordingEngineNode>();
    std::shared_ptr<SimNode> node;
};

const QList<QUrl> files = {QUrl::fromLocalFile(QStringLiteral("/media/take one.wav")),
                           QUrl::fromLocalFile(QStringLiteral("/media/b.wav"))};

QList<QWidget *> sectionsOf(const std::unique_ptr<platform::ViewController> &controller)
{
    auto *stack = qobject_cast<VStackViewController *>(controller.get());
    for (int index = 0; index < stack->stackedViewCount(); ++index)
        stack->realiseView(index);
    return stack->views();
}

OwnedWidgets viewsOf(UIGenerator &generator, const PlayerNode &player)
{
    return OwnedWidgets(generator.generateViews(std::shared_ptr<NQAudioNode>(player.node)));
}

} // namespace

TEST(PlayerRecorderGeneration, FilesGiveAFileRowAboveThePlayerThatLoadsTheChoice)
{
    NequoraUI::testing::ManualAnimationDriver driver;
    PlayerNode player;
    auto eq = std::make_shared<SimNode>("Equaliser", "EQ");
    eq->addFloatParameter("Low", 0.0f, -12.0f, 12.0f);
    const auto controller = UIGenerator::generateViewController(
        graphOf({std::make_shared<SimNode>("Nequora.GraphInput", "In"), eq, player.node,
                 std::make_shared<SimNode>("Nequora.GraphOutput", "Out")}),
        files);
    const QList<QWidget *> sections = sectionsOf(controller);
    ASSERT_EQ(sections.size(), 2) << "the graph's input and output nodes are left out";
    EXPECT_EQ(qobject_cast<CollapsibleSectionView *>(sections[1])->titleLabel->text(), "Player");
    const QList<QWidget *> rows = rowsOf(sections[1]);
    ASSERT_EQ(rows.size(), 2) << "the player's own parameters never show";
    auto *fileRow = qobject_cast<AudioFileView *>(rows[0]);
    ASSERT_TRUE(fileRow);
    EXPECT_TRUE(qobject_cast<AudioPlayerView *>(rows[1]));

    QWidget *screen = controller->view();
    screen->resize(390, 640);
    screen->show();
    fileRow->tappedActionButton();
    ASSERT_TRUE(controller->presentedViewController()) << "the row presents through the screen";
    driver.advance(400);

    fileRow->audioFilePickerViewControllerDidSelectFile(nullptr, files[0]);
    ASSERT_EQ(player.engineNode->loads.size(), 1u);
    EXPECT_EQ(player.engineNode->loads[0], "file:///media/take%20one.wav");
    driver.advance(400);
    EXPECT_FALSE(controller->presentedViewController());

    // A change of file is one undo entry; undo and redo load the old or new file once each.
    QUndoStack *stack = qobject_cast<GraphViewController *>(controller.get())->undoStack();
    fileRow->audioFilePickerViewControllerDidSelectFile(nullptr, files[1]);
    ASSERT_EQ(stack->count(), 1) << "the first choice has no file before it to go back to";
    const std::pair<void (QUndoStack::*)(), int> steps[] = {
        {&QUndoStack::undo, 0}, {&QUndoStack::redo, 1}, {&QUndoStack::undo, 0}};
    for (const auto &[step, file] : steps) {
        const size_t loads = player.engineNode->loads.size();
        (stack->*step)();
        ASSERT_EQ(player.engineNode->loads.size(), loads + 1);
        EXPECT_EQ(QUrl(QString::fromStdString(player.engineNode->loads.back())), files[file]);
        EXPECT_EQ(fileRow->file(), files[file]);
    }
}

TEST(PlayerRecorderGeneration, WithoutFilesOrPresenterOnePlayerRowEachCallItsOwnPlayerObject)
{
    PlayerNode player;
    const auto controller = UIGenerator::generateViewController(graphOf({player.node}), {});
    EXPECT_EQ(rowsOf(sectionsOf(controller).value(0)).size(), 1);

    UIGenerator generator;
    generator.audioFiles = files;
    {
        platform::ViewController gone;
        generator.delegate = ViewControllerPresenter::of(&gone);
        ASSERT_TRUE(generator.delegate);
    }
    EXPECT_FALSE(generator.delegate) << "the generator never keeps its presenter alive";
    OwnedWidgets first = viewsOf(generator, player);
    OwnedWidgets second = viewsOf(generator, player);
    ASSERT_EQ(first.size(), 1);
    const auto &a = qobject_cast<AudioPlayerView *>(first[0])->audioPlayerNode();
    const auto &b = qobject_cast<AudioPlayerView *>(second[0])->audioPlayerNode();
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get()) << "one engine node, a player object per call";
    a->load("file:///a.wav");
    b->load("file:///b.wav");
    EXPECT_EQ(player.engineNode->loads.size(), 2u);

    PlayerNode lookAlike("audioPlayerNode", "Not a player");
    OwnedWidgets views = viewsOf(generator, lookAlike);
    ASSERT_EQ(views.size(), 2) << "type names are case-sensitive";
    EXPECT_FALSE(qobject_cast<AudioPlayerView *>(views[0]));
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

TEST(PlayerRecorderGeneration, FileRowOfAClosedScreenNeitherKeepsNorCallsItsPlayer)
{
    PlayerNode player;
    auto controller = UIGenerator::generateViewController(graphOf({player.node}), files);
    const QList<QWidget *> rows = rowsOf(sectionsOf(controller).first());
    ASSERT_EQ(rows.size(), 2);
    std::weak_ptr<NQAudioPlayerNode> playerObject =
        qobject_cast<AudioPlayerView *>(rows[1])->audioPlayerNode();
    // The host keeps a row while dropping the screen that presented for it.
    std::unique_ptr<QWidget> fileRow(rows[0]);
    fileRow->setParent(nullptr);
    controller.reset();
    EXPECT_TRUE(playerObject.expired()) << "the file row never keeps the player alive";

    auto *row = qobject_cast<AudioFileView *>(fileRow.get());
    ASSERT_TRUE(row);
    row->tappedActionButton();
    row->audioFilePickerViewControllerDidSelectFile(nullptr, files[1]);
    EXPECT_TRUE(player.engineNode->loads.empty()) << "its player went with the screen";
}
