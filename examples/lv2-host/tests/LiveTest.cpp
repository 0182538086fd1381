// Runs against the JACK server run_live.sh starts (a dummy backend of its own). The machine may
// be busy (tests run side by side): waits are for conditions, in audio time where the sound
// has to have played, with deadlines far past what an idle machine needs.
#include "ControllerSender.h"
#include "TestAudio.h"

#include "HostScreen.h"
#include "JackDriver.h"
#include "Lv2Chain.h"
#include "Lv2PlayerNode.h"
#include "Lv2PluginLibrary.h"
#include "Lv2PluginNode.h"
#include "Lv2Rack.h"
#include "Lv2RecorderNode.h"

#include "ControllerMap.h"
#include "GraphViewController.h"
#include "LiveValueView.h"
#include "ParameterBinding.h"
#include "RowMarks.h"
#include "ScreenSettings.h"
#include "SliderView.h"
#include "platform/Slider.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <gtest/gtest.h>

using namespace NequoraUI;

namespace {

// The Peak row's text ("-12.0 dB") as a number; its floor, -120, until sound arrives.
double meterDb(QWidget *screen)
{
    for (auto *row : screen->findChildren<LiveValueView *>())
        if (row->findChild<QLabel *>("titleLabel")->text() == "Peak")
            return row->stringValue().section(' ', 0, 0).toDouble();
    return NAN;
}

// Waits up to limit milliseconds for the meter to pass level; gives the time it took.
int waitForMeterAbove(QWidget *screen, double level, int limit)
{
    QElapsedTimer clock;
    clock.start();
    while (!(meterDb(screen) > level) && clock.elapsed() < limit)
        QTest::qWait(10);
    return int(clock.elapsed());
}

// Waits until the player has played seconds more of its file: a loaded machine runs fewer
// cycles in a second, so wall time would cut the sound short.
bool waitForAudio(const Lv2Rack &rack, double seconds)
{
    const double until = rack.player().position() + seconds;
    return QTest::qWaitFor([&] { return rack.player().position() >= until; }, 20000);
}

// The meter once it holds still over a tenth of a second of sound, as the row shows it.
double settledMeterDb(QWidget *screen, const Lv2Rack &rack)
{
    double last = meterDb(screen);
    for (int tries = 0; tries < 50; ++tries) {
        if (!waitForAudio(rack, 0.1))
            break;
        QTest::qWait(20); // a display frame for the row to catch up
        const double now = meterDb(screen);
        if (std::abs(now - last) < 0.05)
            return now;
        last = now;
    }
    return last;
}

SliderView *rowTitled(QWidget *screen, const QString &title)
{
    for (auto *row : screen->findChildren<SliderView *>())
        if (row->title() == title)
            return row;
    return nullptr;
}

void drag(platform::Slider *slider, float to)
{
    const QPoint from = slider->pointForValue(slider->value());
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    QTest::mouseMove(slider, slider->pointForValue(to));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->pointForValue(to));
}

} // namespace

TEST(Live, APlayedFileMetersOnScreenFollowsTheGainSliderAndIsRecordedAsMetered)
{
    QTemporaryDir folder;
    const std::string sine = QDir(folder.path()).filePath("sine.wav").toStdString();
    const std::string take = QDir(folder.path()).filePath("take.wav").toStdString();
    // The library outlives the driver, which keeps the plugins running until it goes, also when
    // an assertion ends the test early.
    const Lv2PluginLibrary library;
    auto driver = std::make_unique<JackDriver>("nequora-live-test");
    const int rate = int(driver->sampleRate());
    TestAudio::writeSine(sine, rate, 6.0, 0.25);
    auto rack = std::make_shared<Lv2Rack>(
        library, std::vector<std::string>{"http://gareus.org/oss/lv2/fil4#mono"}, rate,
        driver->bufferSize());
    const auto url = QUrl::fromLocalFile(QString::fromStdString(sine));
    ASSERT_TRUE(rack->player().load(url.toString().toStdString()));
    HostScreen screen(rack, {url});
    screen.view()->resize(560, 900);
    screen.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.view()));
    const double floor = meterDb(screen.view());
    ASSERT_EQ(floor, -120.0);

    driver->start(rack, rack->chain().outputChannelCount());
    rack->recorder().start();
    rack->player().play();
    EXPECT_LT(waitForMeterAbove(screen.view(), floor, 1000), 1000) << "the meter moves within 1 s";
    ASSERT_TRUE(waitForAudio(*rack, 0.4)); // past fil4's gain ramp
    const double before = settledMeterDb(screen.view(), *rack);

    SliderView *gainRow = rowTitled(screen.view(), "Gain");
    ASSERT_TRUE(gainRow);
    drag(gainRow->findChild<platform::Slider *>(),
         gainRow->findChild<platform::Slider *>()->maximumValue() * 0.75f +
             gainRow->findChild<platform::Slider *>()->minimumValue() * 0.25f);
    const double moved = *rack->pluginNodes()[0]->control("gain");
    ASSERT_GT(moved, 3.0) << "the drag moved the gain";
    ASSERT_TRUE(waitForAudio(*rack, 0.6));
    const double after = settledMeterDb(screen.view(), *rack);
    EXPECT_NEAR(after - before, moved, 0.5);

    ASSERT_TRUE(rack->recorder().stop(take, NQCodec::wav));
    driver.reset();
    const TestAudio recorded = TestAudio::read(take);
    ASSERT_GT(recorded.frames(), size_t(rate));
    // The meter shows the peak; a sine's peak is its RMS plus 3.01 dB.
    const std::vector<float> mono = recorded.channel(0);
    const double tail = double(recorded.frames()) / rate;
    EXPECT_NEAR(TestAudio::rmsDb(mono, rate, tail - 0.2) + 3.01, after, 0.5);
}

TEST(Live, ControllerChangesFromAnotherJackClientMoveTheLearntRow)
{
    const Lv2PluginLibrary library;
    auto driver = std::make_unique<JackDriver>("nequora-midi-test");
    auto rack = std::make_shared<Lv2Rack>(
        library, std::vector<std::string>{"http://gareus.org/oss/lv2/fil4#mono"},
        driver->sampleRate(), driver->bufferSize());
    HostScreen screen(rack, {});
    screen.view()->resize(560, 900);
    screen.view()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.view()));
    driver->start(rack, rack->chain().outputChannelCount());
    QTimer feed; // as the host feeds its screen
    QObject::connect(&feed, &QTimer::timeout, [&] {
        driver->takeControllerMessages([&](uint8_t status, uint8_t number, uint8_t value) {
            screen.controllerMessage(status, number, value);
        });
    });
    feed.start(10);
    ControllerSender keyboard("nequora-midi-keyboard");
    ASSERT_TRUE(keyboard.connectTo("nequora-midi-test:control_in"));

    ScreenSettings *settings = static_cast<GraphViewController *>(screen.controller())->settings();
    int gain = -1;
    for (int i = 0; i < settings->parameters().size(); ++i)
        if (settings->parameters().parameter(i)->name() == "Gain")
            gain = i;
    ASSERT_GE(gain, 0);
    ASSERT_TRUE(settings->bindingAt(gain));
    settings->controllers()->learn(gain);
    // A connection reaches the server's graph a cycle or so after jack_connect() returns, so
    // the first message may go nowhere: send it until it is learnt.
    const auto learnt = [&] { return settings->controllers()->bindingOf(gain).has_value(); };
    for (int tries = 0; tries < 50 && !learnt(); ++tries) {
        keyboard.send(2, 74, 0);
        (void)QTest::qWaitFor(learnt, 200);
    }
    ASSERT_TRUE(learnt());
    EXPECT_EQ(RowMarks::of(settings->bindingAt(gain)->row())->controllerText(), "CC 74 (ch 3)");

    platform::Slider *slider = rowTitled(screen.view(), "Gain")->findChild<platform::Slider *>();
    for (const double share : {1.0, 0.0}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return keyboard.isSent(); }, 10000));
        keyboard.send(2, 74, uint8_t(share * 127));
        const double end = settings->parameters().atProportion(gain, share)->toDouble();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return *rack->pluginNodes()[0]->control("gain") == end; }, 10000))
            << share;
        EXPECT_EQ(slider->value(), share ? slider->maximumValue() : slider->minimumValue());
    }
}
