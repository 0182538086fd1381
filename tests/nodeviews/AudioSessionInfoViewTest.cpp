#include "AudioSessionInfoView.h"
#include "ValueLabelView.h"
#include "support/FrameClockFixture.h"

#include "sim/SimEngine.h"

#include <QLabel>
#include <memory>

using namespace NequoraUI;

namespace {

struct FakeEngine : NQAudioEngine
{
    bool isRunning() const override { return running; }
    std::optional<AudioSessionState> lastAudioSessionState() const override { return state; }
    double roundTripLatencySeconds() const override { return roundTrip; }
    std::string currentInputRoute() const override { return inputRoute; }
    std::string currentOutputRoute() const override { return outputRoute; }

    bool running = false;
    std::optional<AudioSessionState> state;
    double roundTrip = 0;
    std::string inputRoute, outputRoute;
};

struct AudioSessionInfoViewTest : NequoraUI::testing::FrameClockFixture
{
    // One text per row, in order: the title or the value.
    static QStringList column(AudioSessionInfoView &view, bool titles = false)
    {
        QStringList result;
        for (auto *row : view.findChildren<ValueLabelView *>(QString(), Qt::FindDirectChildrenOnly))
            result.append(titles ? row->findChild<QLabel *>(QStringLiteral("titleLabel"))->text()
                                 : row->stringValue());
        return result;
    }

    std::shared_ptr<FakeEngine> engine = std::make_shared<FakeEngine>();
};

} // namespace

TEST_F(AudioSessionInfoViewTest, EightRowsShowTheirInitialValuesThenEachFrameFormatsTheEngine)
{
    engine->running = true;
    engine->inputRoute = "Mic";
    AudioSessionInfoView view(engine);
    EXPECT_EQ(column(view, true),
              QStringList({"Engine Is Running", "Sample Rate", "Input Latency", "Output Latency",
                           "IO Buffer Duration", "Round-trip Latency", "Current Input Route",
                           "Current Output Route"}));
    EXPECT_EQ(column(view),
              QStringList({"No", "0 Hz", "0.00 ms", "0.00 ms", "0.00 ms", "0.00 ms", "", ""}));

    // Without a session state the state rows show zero, but the round trip is read.
    engine->roundTrip = 0.0123;
    frame();
    EXPECT_EQ(column(view).mid(0, 6),
              QStringList({"Yes", "0 Hz", "0.00 ms", "0.00 ms", "0.00 ms", "12.30 ms"}));

    engine->state = AudioSessionState{44100.4, 0.005, 0.0001234, 0.0106};
    engine->roundTrip = 0.02;
    engine->inputRoute = "Headset Microphone";
    engine->outputRoute = "Headphones";
    frame();
    EXPECT_EQ(column(view), QStringList({"Yes", "44100 Hz", "5.00 ms", "0.12 ms", "10.60 ms",
                                         "20.00 ms", "Headset Microphone", "Headphones"}));
    engine->running = false;
    engine->state->sampleRate = 48000;
    engine->inputRoute.clear();
    frame();
    EXPECT_EQ(column(view).mid(0, 2), QStringList({"No", "48000 Hz"}));
    EXPECT_EQ(column(view).at(6), QString());

    // Rows freeze when the engine is destroyed, and keep refreshing while the view lives.
    engine.reset();
    frame();
    EXPECT_EQ(column(view).at(7), QStringLiteral("Headphones"));
    EXPECT_TRUE(view.displayLink()->isScheduled());
}

// Run under AddressSanitizer: a frame reaching the destroyed view would show there.
TEST_F(AudioSessionInfoViewTest, SimulatedEngineShowsOnceStartedAndUnschedulesOnDestruction)
{
    auto sim = std::make_shared<SimEngine>();
    sim->setSession(AudioSessionState{48000, 0.005, 0.004, 0.01});
    sim->setRoutes("Line In", "Line Out");
    const int before = clock()->scheduledLinkCount();
    {
        QWidget parent;
        auto *view = new AudioSessionInfoView(sim, &parent);
        EXPECT_EQ(clock()->scheduledLinkCount(), before + 1);
        frame();
        EXPECT_EQ(column(*view).mid(0, 2), QStringList({"No", "0 Hz"}));
        sim->start();
        frame();
        EXPECT_EQ(column(*view), QStringList({"Yes", "48000 Hz", "5.00 ms", "4.00 ms", "10.00 ms",
                                              "29.00 ms", "Line In", "Line Out"}));
    }
    EXPECT_EQ(clock()->scheduledLinkCount(), before);
    frame();
}
