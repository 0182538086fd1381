#include "AudioPlayerView.h"
#include "LibraryStyle.h"
#include "platform/ProgressBar.h"
#include "support/FrameClockFixture.h"
#include "support/Widgets.h"

#include <QPushButton>
#include <cmath>
#include <memory>

using namespace NequoraUI;
using NequoraUI::platform::ProgressBar;
using NequoraUI::testing::child;

namespace {

// A player node without an engine node behind it: every reading is set by the test and every
// call is counted.
struct FakePlayerNode : NQAudioPlayerNode
{
    FakePlayerNode() : NQAudioPlayerNode(NQAudioNodeHandle{}) {}

    bool isPlaying() const override { return playing; }
    void play() override { ++plays, playing = true; }
    void pause() override { ++pauses, playing = false; }
    double position() const override { return ++positionReads, currentPosition; }
    double duration() const override { return currentDuration; }

    bool playing = false;
    double currentPosition = 0, currentDuration = 0;
    int plays = 0, pauses = 0;
    mutable int positionReads = 0;
};

struct AudioPlayerViewTest : NequoraUI::testing::FrameClockFixture
{
    static auto *bar(AudioPlayerView &v) { return child<ProgressBar>(&v, "progressView"); }
    static float progress(AudioPlayerView &view) { return bar(view)->progress(); }
    static auto *button(AudioPlayerView &v) { return child<QPushButton>(&v, "playPauseButton"); }

    std::shared_ptr<FakePlayerNode> node = std::make_shared<FakePlayerNode>();
};

} // namespace

TEST_F(AudioPlayerViewTest, EachFrameShowsThePositionPinnedAndTapsRetitleAtOnce)
{
    node->playing = true;
    node->currentDuration = 4;
    node->currentPosition = 1;
    AudioPlayerView view(node);
    LibraryStyle::apply(&view);
    ASSERT_TRUE(NequoraUI::testing::shown(view, 400, 60));
    EXPECT_EQ(button(view)->text(), QStringLiteral("Pause"));
    EXPECT_EQ(progress(view), 0.0f);
    EXPECT_TRUE(view.displayLink()->isScheduled());

    // NaN is not zero: it goes through the division and the bar pins the result.
    const std::tuple<double, double, float, int> frames[] = {{4, 1, 0.25f, 1},  {0, 3, 0.0f, 0},
                                                             {NAN, 3, 0.0f, 1}, {2, 2, 1.0f, 1},
                                                             {2, 7, 1.0f, 1},   {2, 0.5, 0.25f, 1}};
    for (const auto &[duration, position, shown, reads] : frames) {
        node->currentDuration = duration;
        node->currentPosition = position;
        const int before = node->positionReads;
        frame();
        EXPECT_FLOAT_EQ(progress(view), shown) << position << " of " << duration;
        EXPECT_EQ(node->positionReads - before, reads);
    }

    const QRect length = bar(view)->geometry();
    QTest::mouseClick(button(view), Qt::LeftButton);
    EXPECT_EQ(node->pauses, 1);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Play"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(bar(view)->geometry(), length) << "same length";
    QTest::mouseClick(button(view), Qt::LeftButton);
    EXPECT_EQ(node->plays, 1);
    EXPECT_EQ(button(view)->text(), QStringLiteral("Pause"));
    node->playing = false; // reached the end
    EXPECT_EQ(button(view)->text(), QStringLiteral("Pause"));
    frame();
    EXPECT_EQ(button(view)->text(), QStringLiteral("Play"));

    AudioPlayerView idle(nullptr);
    idle.tappedPlayPauseButton();
    frame();
    EXPECT_EQ(button(idle)->text(), QStringLiteral("Play"));
    EXPECT_EQ(progress(idle), 0.0f);
}

// Run under AddressSanitizer: a frame reaching a removed or destroyed view would show there.
TEST_F(AudioPlayerViewTest, RemovedOrDestroyedTheViewStopsFollowingUntilATapRetitles)
{
    QWidget parent;
    auto *view = new AudioPlayerView(node, &parent);
    node->currentDuration = 10;
    node->currentPosition = 1;
    frame();
    const int scheduled = clock()->scheduledLinkCount();
    view->removeFromSuperview();
    std::unique_ptr<AudioPlayerView> owned(view);
    EXPECT_EQ(view->parentWidget(), nullptr);
    EXPECT_EQ(clock()->scheduledLinkCount(), scheduled - 1);
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

    auto second = std::make_unique<AudioPlayerView>(node);
    EXPECT_EQ(clock()->scheduledLinkCount(), scheduled);
    second.reset();
    EXPECT_EQ(clock()->scheduledLinkCount(), scheduled - 1);
    frame();
    owned.release(); // parent owns it again
}
