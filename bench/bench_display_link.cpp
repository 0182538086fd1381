// Frame regularity of the display link on the real timer, and the cost of opening and
// scrolling a table view of 10 against 100,000 rows (baseline: a QListWidget of as many items).
#include "support/BenchSupport.h"

#include "platform/DisplayLink.h"
#include "platform/FrameClock.h"
#include "platform/TableView.h"
#include "platform/TableViewCell.h"
#include "platform/TableViewController.h"

#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <vector>

using namespace NequoraUI::platform;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int measuredSeconds = 5;
const QSize screenSize(390, 844);

struct Regularity
{
    double meanDeviationMs = 0;
    double maxDeviationMs = 0;
    double frames = 0;
    double driftMs = 0;
};

// Interval deviations from the period, and drift: how far the last tick lies from where
// whole periods (delivered and skipped frames alike) would put it.
Regularity regularity(const std::vector<Clock::time_point> &ticks, double periodMs,
                      double skipped = 0)
{
    Regularity result;
    result.frames = double(ticks.size());
    if (ticks.size() < 2)
        return result;
    double sum = 0;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const double interval =
            std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count();
        const double deviation = std::abs(interval - periodMs);
        sum += deviation;
        result.maxDeviationMs = std::max(result.maxDeviationMs, deviation);
    }
    result.meanDeviationMs = sum / double(ticks.size() - 1);
    const double spanMs =
        std::chrono::duration<double, std::milli>(ticks.back() - ticks.front()).count();
    result.driftMs = spanMs - (double(ticks.size() - 1) + skipped) * periodMs;
    return result;
}

// Returns the time really spent, in milliseconds (a coarse single shot may end early).
double runEventLoopFor(int seconds)
{
    const auto start = Clock::now();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(benchmark::State &state, const Regularity &result, double periodMs)
{
    state.counters["frames"] = result.frames;
    state.counters["period_ms"] = periodMs;
    state.counters["mean_dev_ms"] = result.meanDeviationMs;
    state.counters["max_dev_ms"] = result.maxDeviationMs;
    state.counters["drift_ms"] = result.driftMs;
}

void BM_DisplayLinkFrames(benchmark::State &state)
{
    FrameClock *clock = FrameClock::forCurrentThread();
    const double periodMs = std::chrono::duration<double, std::milli>(clock->period()).count();
    for (auto _ : state) {
        QObject target;
        std::vector<Clock::time_point> ticks;
        ticks.reserve(std::size_t(measuredSeconds * 1000));
        DisplayLink link(&target, [&ticks] { ticks.push_back(Clock::now()); });
        const quint64 missedBefore = clock->missedFrameCount();
        link.addToRunLoop();
        const double spentMs = runEventLoopFor(measuredSeconds);
        link.invalidate();
        const double missed = double(clock->missedFrameCount() - missedBefore);
        report(state, regularity(ticks, periodMs, missed), periodMs);
        state.counters["missed"] = missed;
        // A clock without drift delivers the frames its deadlines promise.
        state.counters["expected"] = spentMs / periodMs;
    }
}
BENCHMARK(BM_DisplayLinkFrames)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Baseline: a repeating 16 ms coarse timer, the usual stand-in for a frame callback.
void BM_RepeatingTimerFrames(benchmark::State &state)
{
    const double periodMs =
        std::chrono::duration<double, std::milli>(FrameClock::forCurrentThread()->period()).count();
    for (auto _ : state) {
        std::vector<Clock::time_point> ticks;
        QTimer timer;
        timer.setInterval(16);
        QObject::connect(&timer, &QTimer::timeout, &timer,
                         [&ticks] { ticks.push_back(Clock::now()); });
        timer.start();
        const double spentMs = runEventLoopFor(measuredSeconds);
        timer.stop();
        report(state, regularity(ticks, periodMs), periodMs);
        state.counters["expected"] = spentMs / periodMs;
    }
}
BENCHMARK(BM_RepeatingTimerFrames)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

class RowsController : public TableViewController
{
public:
    explicit RowsController(int rows) : m_rows(rows)
    {
        registerCellClass<TableViewCell>(QStringLiteral("Cell"));
    }
    int numberOfRowsInSection(int) const override { return m_rows; }
    std::optional<QString> titleForHeaderInSection(int) const override
    {
        return QStringLiteral("Files");
    }
    TableViewCell *cellForRowAt(const IndexPath &indexPath) override
    {
        TableViewCell *cell = dequeueReusableCell(QStringLiteral("Cell"), indexPath);
        cell->textLabel()->setText(QStringLiteral("Take %1.wav").arg(indexPath.row));
        return cell;
    }

private:
    int m_rows;
};

void BM_TableOpen(benchmark::State &state)
{
    QImage image(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        RowsController controller(int(state.range(0)));
        QWidget *view = controller.view();
        view->resize(screenSize);
        view->show();
        view->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_TableOpen)->Arg(10)->Arg(1000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

void BM_TableScrollStep(benchmark::State &state)
{
    QImage image(screenSize, QImage::Format_ARGB32_Premultiplied);
    RowsController controller(int(state.range(0)));
    TableView *table = controller.tableView();
    controller.view()->resize(screenSize);
    controller.view()->show();
    for (auto _ : state) {
        // One row per step, wrapping at the end. Ten rows fit the screen and do not scroll:
        // their step is the bare repaint, the baseline for the long list.
        BenchSupport::scrollOneRowAndRender(table, image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_TableScrollStep)->Arg(10)->Arg(1000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

void BM_ListWidgetOpen(benchmark::State &state)
{
    QImage image(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QListWidget list;
        for (int row = 0; row < state.range(0); ++row)
            list.addItem(QStringLiteral("Take %1.wav").arg(row));
        list.resize(screenSize);
        list.show();
        list.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_ListWidgetOpen)->Arg(10)->Arg(1000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

} // namespace
