#include "AudioFilePickerViewController.h"
#include "AudioFileView.h"
#include "AudioPlayerView.h"
#include "UIGenerator.h"
#include "support/FrameClockFixture.h"

#include "platform/NavigationController.h"
#include "platform/ProgressBar.h"
#include "platform/TableView.h"
#include "platform/ViewController.h"
#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"
#include "sim/SimPlayerNode.h"
#include "support/ManualAnimationDriver.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace NequoraUI;

namespace {

class GeneratedPlayerTest : public NequoraUI::testing::FrameClockFixture
{
protected:
    QUrl writeTone(const QString &name, double seconds)
    {
        const QString path = files.filePath(name);
        EXPECT_TRUE(SimAudioFile::writeTone(path.toStdString(), seconds));
        return QUrl::fromLocalFile(path);
    }
    void finishTransitions()
    {
        driver.advance(platform::ViewController::transitionDurationMs + 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    NequoraUI::testing::ManualAnimationDriver driver;
    QTemporaryDir files;
    double now = 0;
    SimEngine engine{[this] { return now; }};
};

} // namespace

TEST_F(GeneratedPlayerTest, AFileChosenInTheGeneratedRowPlaysAndTheBarFollowsFrameByFrame)
{
    const QUrl shortTone = writeTone(QStringLiteral("short.wav"), 0.5);
    const QUrl longTone = writeTone(QStringLiteral("long tone.wav"), 2.0);
    auto playerNode = engine.addNode(SimEngine::playerType, "Player");
    const auto simPlayer = std::dynamic_pointer_cast<SimPlayerNode>(playerNode->audioNode().lock());
    ASSERT_NE(simPlayer, nullptr);

    std::unique_ptr<platform::ViewController> controller =
        UIGenerator::generateViewController(*engine.graph(), {shortTone, longTone});
    QWidget window;
    window.resize(400, 700);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(controller->view());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto *fileView = controller->view()->findChild<AudioFileView *>();
    auto *playerView = controller->view()->findChild<AudioPlayerView *>();
    ASSERT_NE(fileView, nullptr);
    ASSERT_NE(playerView, nullptr);
    QTest::mouseClick(fileView->findChild<QPushButton *>(QStringLiteral("actionButton")),
                      Qt::LeftButton);
    finishTransitions();

    auto *navigation =
        qobject_cast<platform::NavigationController *>(controller->presentedViewController());
    ASSERT_NE(navigation, nullptr);
    auto *picker = qobject_cast<AudioFilePickerViewController *>(navigation->rootViewController());
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->title(), QStringLiteral("File"));
    platform::TableView *table = picker->tableView();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRow({0, 1}).center());
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_EQ(fileView->findChild<QLabel *>(QStringLiteral("valueLabel"))->text(),
              QStringLiteral("long tone.wav"));
    EXPECT_EQ(simPlayer->loadedPath(), longTone.toLocalFile().toStdString());
    EXPECT_DOUBLE_EQ(simPlayer->duration(), 2.0);

    auto *playPause = playerView->findChild<QPushButton *>(QStringLiteral("playPauseButton"));
    auto *bar = playerView->findChild<platform::ProgressBar *>(QStringLiteral("progressView"));
    QTest::mouseClick(playPause, Qt::LeftButton);
    EXPECT_EQ(playPause->text(), QStringLiteral("Pause"));
    float last = bar->progress();
    EXPECT_EQ(last, 0.0f);
    for (int step = 1; step <= 10; ++step) {
        now += 0.1;
        frame();
        EXPECT_GT(bar->progress(), last) << "frame " << step;
        last = bar->progress();
    }
    EXPECT_NEAR(last, 0.5f, 1e-4);
    now += 5;
    frame();
    EXPECT_EQ(bar->progress(), 1.0f);
    EXPECT_EQ(playPause->text(), QStringLiteral("Play"));
}
