// The radial pad's hot paths: building the grid path (done on every repaint) and one drag event
// from delivery to the finished repaint into an image.
#include "NQRadialSliderControl.h"
#include "RadialSliderPainter.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <benchmark/benchmark.h>
#include <memory>

using NequoraUI::NQRadialSliderControl;
using NequoraUI::RadialSliderPainter;

namespace {

constexpr double padSize = 200;

// Baseline: the same 11 x 101 points laid out on straight vertical lines, with no mapping.
void BM_StraightGridPath(benchmark::State &state)
{
    for (auto _ : state) {
        QPainterPath path;
        path.reserve(11 * 101);
        for (int u = 0; u <= 10; ++u) {
            const double x = padSize * u / 10.0;
            path.moveTo(x, padSize);
            for (int i = 1; i <= 100; ++i)
                path.lineTo(x, padSize * (1.0 - i / 100.0));
        }
        benchmark::DoNotOptimize(path);
    }
}
BENCHMARK(BM_StraightGridPath);

void BM_RadialGridPath(benchmark::State &state)
{
    for (auto _ : state) {
        QPainterPath path = RadialSliderPainter::gridPath(padSize, padSize);
        benchmark::DoNotOptimize(path);
    }
}
BENCHMARK(BM_RadialGridPath);

// A pad shown in a software-rendered offscreen window, its knob held by a pressed mouse.
struct DraggedPad
{
    DraggedPad()
    {
        if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        window = std::make_unique<QQuickWindow>();
        window->resize(int(padSize), int(padSize));
        control = std::make_unique<NQRadialSliderControl>(
            padSize, true, true, true, Qt::gray, Qt::blue, 40, QPointF(0.5, 0.5),
            [this](QPointF) { ++reports; }, false, window->contentItem());
        window->show();
        send(QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton);
    }
    ~DraggedPad() { send(QEvent::MouseButtonRelease, QPointF(100, 100), Qt::NoButton); }

    void send(QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, at, at, Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &event);
    }

    void repaint()
    {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        control->paint(&painter);
    }

    std::unique_ptr<QQuickWindow> window;
    std::unique_ptr<NQRadialSliderControl> control;
    benchmark::IterationCount reports = 0;
    QImage image{int(padSize), int(padSize), QImage::Format_ARGB32_Premultiplied};
};

// Baseline: the same knob moves set directly, and the repaint.
void BM_PadRepaint(benchmark::State &state)
{
    DraggedPad pad;
    bool right = false;
    for (auto _ : state) {
        right = !right;
        pad.control->updateCurrentPosition(QPointF(right ? 0.7 : 0.3, 0.5));
        pad.repaint();
        benchmark::DoNotOptimize(pad.image.constBits());
    }
}
BENCHMARK(BM_PadRepaint)->Unit(benchmark::kMicrosecond);

// One drag event to a new place: delivery, drag mapping, change report, then the repaint.
void BM_DragEventToRepaint(benchmark::State &state)
{
    DraggedPad pad;
    bool right = false;
    for (auto _ : state) {
        right = !right;
        pad.send(QEvent::MouseMove, QPointF(right ? 140 : 60, 100), Qt::LeftButton);
        pad.repaint();
        benchmark::DoNotOptimize(pad.image.constBits());
    }
    // The appearance reported once; every event after it must move the knob.
    if (pad.reports != state.iterations() + 1)
        state.SkipWithError("a drag event did not move the knob");
}
BENCHMARK(BM_DragEventToRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
