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
#include "support/Widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace NequoraUI;

using GeneratedPlayerTest = NequoraUI::testing::FrameClockFixture;

TEST_F(GeneratedPlayerTest, AFileChosenInTheGeneratedRowPlaysAndTheBarFollowsFrameByFrame)
{
    NequoraUI::testing::ManualAnimationDriver driver;
    QTemporaryDir files;
    double now = 0;
    SimEngine engine{[&now] { return now; }};
    const auto writeTone = [&files](const QString &name, double seconds) {
        const QString path = files.filePath(name);
        EXPECT_TRUE(SimAudioFile::writeTone(path.toStdString(), seconds));
        return QUrl::fromLocalFile(path);
    };
    const auto finishTransitions = [&driver] {
        driver.advance(platform::ViewController::transitionDurationMs + 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const QUrl shortTone = writeTone("short.wav", 0.5), longTone = writeTone("long tone.wav", 2.0);
    const auto simPlayer = std::dynamic_pointer_cast<SimPlayerNode>(
        engine.addNode(SimEngine::playerType, "Player")->audioNode().lock());
    ASSERT_NE(simPlayer, nullptr);
    const std::unique_ptr<platform::ViewController> controller =
        UIGenerator::generateViewController(*engine.graph(), {shortTone, longTone});
    QWidget window; // the host's window owns the screen and goes before its controller
    (new QVBoxLayout(&window))->addWidget(controller->view());
    ASSERT_TRUE(NequoraUI::testing::shown(window, 400, 700));

    auto *fileView = controller->view()->findChild<AudioFileView *>();
    auto *playerView = controller->view()->findChild<AudioPlayerView *>();
    ASSERT_TRUE(fileView && playerView);
    QTest::mouseClick(fileView->findChild<QPushButton *>("actionButton"), Qt::LeftButton);
    finishTransitions();
    auto *navigation =
        qobject_cast<platform::NavigationController *>(controller->presentedViewController());
    ASSERT_NE(navigation, nullptr);
    auto *picker = qobject_cast<AudioFilePickerViewController *>(navigation->rootViewController());
    ASSERT_NE(picker, nullptr);
    platform::TableView *table = picker->tableView();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRow({0, 1}).center());
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_EQ(fileView->findChild<QLabel *>("valueLabel")->text(), "long tone.wav");
    EXPECT_EQ(simPlayer->loadedPath(), longTone.toLocalFile().toStdString());
    EXPECT_DOUBLE_EQ(simPlayer->duration(), 2.0);

    auto *playPause = playerView->findChild<QPushButton *>("playPauseButton");
    auto *bar = playerView->findChild<platform::ProgressBar *>("progressView");
    QTest::mouseClick(playPause, Qt::LeftButton);
    EXPECT_EQ(playPause->text(), "Pause");
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
    EXPECT_EQ(playPause->text(), "Play");
}
