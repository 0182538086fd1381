#include "AudioPlayerView.h"
#include "FakeNodes.h"
#include "FrameClockFixture.h"

#include "platform/ProgressBar.h"
#include "sim/SimAudioFile.h"
#include "sim/SimEngine.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <limits>
#include <memory>

using namespace NequoraUI;
using NequoraUI::testing::FakePlayerNode;

namespace {

class AudioPlayerViewTest : public NequoraUI::testing::FrameClockFixture
{
protected:
    static float progress(AudioPlayerView &view)
    {
        return view.findChild<platform::ProgressBar *>(QStringLiteral("progressView"))->progress();
    }
    static QPushButton *button(AudioPlayerView &view)
    {
        return view.findChild<QPushButton *>(QStringLiteral("playPauseButton"));
    }

    std::shared_ptr<FakePlayerNode> node = std::make_shared<FakePlayerNode>();
};

} // namespace

TEST_F(AudioPlayerViewTest, StartsEmptyWithTheNodesStateAndRefreshesFromTheFirstFrame)
{
    node->playing = true;
    node->currentDuration = 4;
    node->currentPosition = 1;
    AudioPlayerView view(node);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Pause"));
    EXPECT_EQ(progress(view), 0.0f);
    EXPECT_TRUE(view.displayLink()->isScheduled());
    frame();
    EXPECT_FLOAT_EQ(progress(view), 0.25f);
}

TEST_F(AudioPlayerViewTest, ZeroDurationShowsAnEmptyBarWithoutReadingThePosition)
{
    AudioPlayerView view(node);
    node->currentPosition = 3;
    frame();
    EXPECT_EQ(progress(view), 0.0f);
    EXPECT_EQ(node->positionReads, 0);

    // NaN is not zero: it goes through the division and the bar pins the result.
    node->currentDuration = std::numeric_limits<double>::quiet_NaN();
    frame();
    EXPECT_EQ(node->positionReads, 1);
    EXPECT_EQ(progress(view), 0.0f);
}

TEST_F(AudioPlayerViewTest, PositionAtOrBeyondTheEndShowsAFullBar)
{
    AudioPlayerView view(node);
    node->currentDuration = 2;
    node->currentPosition = 2;
    frame();
    EXPECT_EQ(progress(view), 1.0f);
    node->currentPosition = 7;
    frame();
    EXPECT_EQ(progress(view), 1.0f);
    node->currentPosition = 0.5;
    frame();
    EXPECT_FLOAT_EQ(progress(view), 0.25f);
}

TEST_F(AudioPlayerViewTest, TapsToggleAndRetitleAtOnceAndAStopByItselfShowsOnTheNextFrame)
{
    AudioPlayerView view(node);
    QTest::mouseClick(button(view), Qt::LeftButton);
    EXPECT_EQ(node->plays, 1);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Pause"));
    QTest::mouseClick(button(view), Qt::LeftButton);
    EXPECT_EQ(node->pauses, 1);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Play"));

    view.tappedPlayPauseButton();
    node->playing = false; // reached the end
    EXPECT_EQ(button(view)->text(), QStringLiteral("Pause"));
    frame();
    EXPECT_EQ(button(view)->text(), QStringLiteral("Play"));
}

TEST_F(AudioPlayerViewTest, TakenOutOfItsParentTheBarStopsFollowingUntilATapRetitles)
{
    QWidget parent;
    auto *view = new AudioPlayerView(node, &parent);
    node->currentDuration = 10;
    node->currentPosition = 1;
    frame();
    EXPECT_FLOAT_EQ(progress(*view), 0.1f);

    view->setParent(nullptr);
    std::unique_ptr<AudioPlayerView> owned(view);
    EXPECT_FALSE(view->displayLink()->isScheduled());
    node->currentPosition = 5;
    node->playing = true;
    frame();
    EXPECT_FLOAT_EQ(progress(*view), 0.1f);
    EXPECT_EQ(button(*view)->text(), QStringLiteral("Play"));

    // Added elsewhere, it keeps its last state until the next tap.
    view->setParent(&parent);
    frame();
    EXPECT_FLOAT_EQ(progress(*view), 0.1f);
    view->tappedPlayPauseButton();
    EXPECT_EQ(button(*view)->text(), QStringLiteral("Play"));
    EXPECT_EQ(node->pauses, 1);
    owned.release(); // parent owns it again
}

TEST_F(AudioPlayerViewTest, RemoveFromSuperviewAndDestructionUnscheduleTheLink)
{
    QWidget parent;
    auto view = std::make_unique<AudioPlayerView>(node, &parent);
    const int scheduled = clock()->scheduledLinkCount();
    view->removeFromSuperview();
    EXPECT_EQ(view->parentWidget(), nullptr);
    EXPECT_EQ(clock()->scheduledLinkCount(), scheduled - 1);

    auto second = std::make_unique<AudioPlayerView>(node);
    EXPECT_EQ(clock()->scheduledLinkCount(), scheduled);
    second.reset();
    EXPECT_EQ(clock()->scheduledLinkCount(), scheduled - 1);
    frame(); // nothing may reach the destroyed view (checked under AddressSanitizer)
}

TEST_F(AudioPlayerViewTest, TheViewKeepsItsNodeAliveAndPlaysARealFileOnTheSimClock)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(SimAudioFile::writeTone(path.toStdString(), 2.0));
    double now = 0;
    SimEngine engine([&now] { return now; });
    auto player = engine.addNode(SimEngine::playerType, "Player");

    std::unique_ptr<AudioPlayerView> view;
    {
        auto node = std::make_shared<NQAudioPlayerNode>(player->audioNode());
        ASSERT_TRUE(node->load(QUrl::fromLocalFile(path).toString().toStdString()));
        view = std::make_unique<AudioPlayerView>(node);
    }
    QTest::mouseClick(button(*view), Qt::LeftButton);
    EXPECT_EQ(button(*view)->text(), QStringLiteral("Pause"));
    now = 0.5;
    frame();
    EXPECT_NEAR(progress(*view), 0.25f, 1e-4);
    now = 3;
    frame();
    EXPECT_EQ(progress(*view), 1.0f);
    EXPECT_EQ(button(*view)->text(), QStringLiteral("Play"));
}

TEST_F(AudioPlayerViewTest, ANullNodeShowsAnIdlePlayerAndIgnoresTapsAndFrames)
{
    AudioPlayerView view(nullptr);
    view.tappedPlayPauseButton();
    frame();
    EXPECT_EQ(button(view)->text(), QStringLiteral("Play"));
    EXPECT_EQ(progress(view), 0.0f);
}
