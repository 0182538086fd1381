// Runs against the JACK server run_live.sh starts (a dummy backend of its own).
#include "TestAudio.h"

#include "HostScreen.h"
#include "JackDriver.h"
#include "Lv2Chain.h"
#include "Lv2PlayerNode.h"
#include "Lv2PluginLibrary.h"
#include "Lv2PluginNode.h"
#include "Lv2Rack.h"
#include "Lv2RecorderNode.h"

#include "LiveValueView.h"
#include "SliderView.h"
#include "platform/Slider.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
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
    auto driver = std::make_unique<JackDriver>("nequora-live-test");
    const int rate = int(driver->sampleRate());
    TestAudio::writeSine(sine, rate, 6.0, 0.25);
    const Lv2PluginLibrary library;
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
    QTest::qWait(400); // past fil4's gain ramp
    const double before = meterDb(screen.view());

    SliderView *gainRow = nullptr;
    for (auto *row : screen.view()->findChildren<SliderView *>())
        if (row->title() == "Gain")
            gainRow = row;
    ASSERT_TRUE(gainRow);
    drag(gainRow->findChild<platform::Slider *>(),
         gainRow->findChild<platform::Slider *>()->maximumValue() * 0.75f +
             gainRow->findChild<platform::Slider *>()->minimumValue() * 0.25f);
    const double moved = *rack->pluginNodes()[0]->control("gain");
    ASSERT_GT(moved, 3.0) << "the drag moved the gain";
    QTest::qWait(600);
    const double after = meterDb(screen.view());
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
