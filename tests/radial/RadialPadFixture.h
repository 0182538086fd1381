#pragma once

#include "NQRadialSliderControl.h"

#include <QImage>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <numbers>
#include <sstream>
#include <vector>

namespace RadialTest {

using NequoraUI::NQRadialSliderControl;

// Everything the control's constructor takes, with values most tests want, and where it sits.
struct PadConfig
{
    double size = 200;
    bool showCircleGridLines = true, blurCenterView = false, showDraggableControl = true;
    double draggableControlSize = 40;
    QPointF defaultPosition{0.5, 0.5};
    bool debugModeEnabled = false, withCallback = true;
    QPointF at{50, 50};
};

// Redirects std::cout into a string for the life of the object.
struct CapturedStdout
{
    ~CapturedStdout() { std::cout.rdbuf(previous); }
    std::string text() const { return buffer.str(); }

    std::ostringstream buffer;
    std::streambuf *previous = std::cout.rdbuf(buffer.rdbuf());
};

// A shown 400 x 400 software-rendered window on the offscreen platform, white behind the pad.
struct RadialPad : ::testing::Test
{
    static void SetUpTestSuite()
    {
        if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    void SetUp() override
    {
        window->setColor(Qt::white);
        window->resize(400, 400);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Builds a black and red control off screen; its callback runs onReport, then appends to
    // reports.
    NQRadialSliderControl *build(const PadConfig &config)
    {
        NQRadialSliderControl::PositionCallback callback;
        if (config.withCallback)
            callback = [this](QPointF position) {
                if (onReport)
                    onReport();
                reports.push_back(position);
            };
        control = std::make_unique<NQRadialSliderControl>(
            config.size, config.showCircleGridLines, config.blurCenterView,
            config.showDraggableControl, Qt::black, Qt::red, config.draggableControlSize,
            config.defaultPosition, callback, config.debugModeEnabled);
        return control.get();
    }

    // Builds the control and puts it in the window.
    void show(const PadConfig &config)
    {
        build(config)->setPosition(config.at);
        control->setParentItem(window->contentItem());
    }

    QImage render() { return window->grabWindow().convertToFormat(QImage::Format_ARGB32); }

    // Every sampled pixel of the window is the white behind the pad.
    void expectBlank(int step)
    {
        const QImage image = render();
        for (int y = 0; y < image.height(); y += step)
            for (int x = 0; x < image.width(); x += step)
                ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << "at " << x << ", " << y;
    }

    // Window point of a pad point.
    QPoint windowPoint(QPointF at)
    {
        return control->mapToScene(control->padOrigin() + at).toPoint();
    }

    QRgb padPixel(const QImage &image, QPointF at) { return image.pixel(windowPoint(at)); }

    // The share of samples on the circle of a ring's stroke around the pad centre that touch a
    // dark stroke pixel.
    double ringCoverage(const QImage &image, double strokeRadius)
    {
        int dark = 0;
        for (int step = 0; step < 720; ++step) {
            const double angle = step * std::numbers::pi / 360.0;
            const QPoint at = windowPoint(
                {100 + std::cos(angle) * strokeRadius, 100 + std::sin(angle) * strokeRadius});
            int darkest = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    darkest = std::min(darkest, qGray(image.pixel(at.x() + dx, at.y() + dy)));
            // Grid curves are drawn at half opacity and never get this dark.
            dark += darkest < 90 ? 1 : 0;
        }
        return dark / 720.0;
    }

    // Drags from one pad point to another.
    void drag(QPointF from, QPointF to)
    {
        QTest::mousePress(window.get(), Qt::LeftButton, {}, windowPoint(from));
        QTest::mouseMove(window.get(), windowPoint(to));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, windowPoint(to));
    }

    // The control goes before its window.
    std::unique_ptr<QQuickWindow> window = std::make_unique<QQuickWindow>();
    std::unique_ptr<NQRadialSliderControl> control;
    std::vector<QPointF> reports;
    std::function<void()> onReport;
};

} // namespace RadialTest
