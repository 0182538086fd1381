// Per-frame cost of the session monitor and of the player view, repaint included, each
// against the same label and bar updates written by hand on plain widgets; and opening and
// scrolling the audio file picker with 10 against 100,000 host files.
#include "support/BenchSupport.h"

#include "AudioFilePickerViewController.h"
#include "AudioPlayerView.h"
#include "AudioSessionInfoView.h"
#include "LibraryStyle.h"

#include "platform/FrameClock.h"
#include "platform/NavigationController.h"
#include "platform/NumberText.h"
#include "platform/ProgressBar.h"
#include "platform/TableView.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

using namespace NequoraUI;

namespace {

// An engine whose readings change every frame, so every label really changes its text.
class ChangingEngine : public NQAudioEngine
{
public:
    bool isRunning() const override { return (tick & 1) != 0; }
    std::optional<AudioSessionState> lastAudioSessionState() const override
    {
        const double t = double(tick % 1000);
        return AudioSessionState{44100 + t, 0.005 + t * 1e-6, 0.004 + t * 1e-6, 0.01};
    }
    double roundTripLatencySeconds() const override { return 0.029 + double(tick % 1000) * 1e-6; }
    std::string currentInputRoute() const override { return "Built-In Microphone"; }
    std::string currentOutputRoute() const override { return "Speaker"; }
    void advance() { ++tick; }

private:
    long tick = 0;
};

class ChangingPlayer : public NQAudioPlayerNode
{
public:
    ChangingPlayer() : NQAudioPlayerNode(NQAudioNodeHandle{}) {}
    bool isPlaying() const override { return true; }
    double position() const override { return double(tick % 1000) * 0.01; }
    double duration() const override { return 10.0; }
    void advance() { ++tick; }

private:
    long tick = 0;
};

platform::FrameClock *manualClock()
{
    auto *clock = platform::FrameClock::forCurrentThread();
    clock->setManual(true);
    return clock;
}

// Argument 0: the refresh alone. Argument 1: the whole frame, as the event loop finishes it
// before the next one: the refresh, the layout pass the changed texts ask for and the repaint
// into the window's backing store.
void finishFrame(const benchmark::State &state, QWidget *window)
{
    if (state.range(0) != 0)
        BenchSupport::paintPendingFrame(window);
}

void BM_SessionInfoFrame(benchmark::State &state)
{
    auto *clock = manualClock();
    auto engine = std::make_shared<ChangingEngine>();
    AudioSessionInfoView view(engine);
    LibraryStyle::apply(&view);
    BenchSupport::showUntilPainted(&view, {390, 480});
    for (auto _ : state) {
        engine->advance();
        clock->advanceFrame();
        finishFrame(state, &view);
    }
}
BENCHMARK(BM_SessionInfoFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same eight texts formatted and set on plain labels in a plain column.
void BM_SessionInfoFrameHandWritten(benchmark::State &state)
{
    ChangingEngine engine;
    QWidget view;
    auto *stack = new QVBoxLayout(&view);
    std::vector<QLabel *> labels;
    for (int row = 0; row < 8; ++row) {
        labels.push_back(new QLabel(&view));
        stack->addWidget(labels.back());
    }
    BenchSupport::showUntilPainted(&view, {390, 480});
    const auto ms = [](double seconds) {
        return QString::fromStdString(platform::NumberText::fixed(seconds * 1000, 2)) + " ms";
    };
    for (auto _ : state) {
        engine.advance();
        const auto session = engine.lastAudioSessionState();
        labels[0]->setText(engine.isRunning() ? QStringLiteral("Yes") : QStringLiteral("No"));
        labels[1]->setText(
            QString::fromStdString(platform::NumberText::fixed(session->sampleRate, 0)) + " kHz");
        labels[2]->setText(ms(session->inputLatency));
        labels[3]->setText(ms(session->outputLatency));
        labels[4]->setText(ms(session->IOBufferDuration));
        labels[5]->setText(ms(engine.roundTripLatencySeconds()));
        labels[6]->setText(QString::fromStdString(engine.currentInputRoute()));
        labels[7]->setText(QString::fromStdString(engine.currentOutputRoute()));
        finishFrame(state, &view);
    }
}
BENCHMARK(BM_SessionInfoFrameHandWritten)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PlayerFrame(benchmark::State &state)
{
    auto *clock = manualClock();
    auto player = std::make_shared<ChangingPlayer>();
    AudioPlayerView view(player);
    LibraryStyle::apply(&view);
    BenchSupport::showUntilPainted(&view, {390, 56});
    for (auto _ : state) {
        player->advance();
        clock->advanceFrame();
        finishFrame(state, &view);
    }
}
BENCHMARK(BM_PlayerFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PlayerFrameHandWritten(benchmark::State &state)
{
    ChangingPlayer player;
    QWidget view;
    auto *row = new QHBoxLayout(&view);
    auto *bar = new platform::ProgressBar(&view);
    auto *button = new QPushButton(QStringLiteral("Play"), &view);
    row->addWidget(bar);
    row->addWidget(button);
    BenchSupport::showUntilPainted(&view, {390, 56});
    for (auto _ : state) {
        player.advance();
        bar->setProgress(float(player.position() / player.duration()));
        button->setText(player.isPlaying() ? QStringLiteral("Pause") : QStringLiteral("Play"));
        finishFrame(state, &view);
    }
}
BENCHMARK(BM_PlayerFrameHandWritten)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Short enough that ten files scroll too, so both sizes do the same work per step.
const QSize pickerSize(390, 300);

QList<QUrl> hostFiles(int count)
{
    QList<QUrl> files;
    files.reserve(count);
    for (int i = 0; i < count; ++i)
        files.append(QUrl::fromLocalFile(QStringLiteral("/samples/take %1.wav").arg(i)));
    return files;
}

// Building the picker in its navigation controller, laying it out and drawing it once.
void BM_AudioFilePickerOpen(benchmark::State &state)
{
    const QList<QUrl> files = hostFiles(int(state.range(0)));
    QImage image(pickerSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        platform::NavigationController navigation(new AudioFilePickerViewController(files));
        QWidget *view = navigation.view();
        view->resize(pickerSize);
        view->show();
        view->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_AudioFilePickerOpen)->Arg(10)->Arg(100'000)->Unit(benchmark::kMicrosecond);

// One row down per step (back to the top at the end), redrawing the list each time.
void BM_AudioFilePickerScrollStep(benchmark::State &state)
{
    const QList<QUrl> files = hostFiles(int(state.range(0)));
    QImage image(pickerSize, QImage::Format_ARGB32_Premultiplied);
    platform::NavigationController navigation(new AudioFilePickerViewController(files));
    navigation.view()->resize(pickerSize);
    navigation.view()->show();
    auto *picker = static_cast<AudioFilePickerViewController *>(navigation.rootViewController());
    platform::TableView *table = picker->tableView();
    QScrollBar *bar = table->verticalScrollBar();
    for (auto _ : state) {
        BenchSupport::scrollOneRowAndRender(table, image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["scroll_range"] = bar->maximum();
}
BENCHMARK(BM_AudioFilePickerScrollStep)->Arg(10)->Arg(100'000)->Unit(benchmark::kMicrosecond);

} // namespace
