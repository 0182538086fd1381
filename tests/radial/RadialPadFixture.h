#pragma once

#include "NQRadialSliderControl.h"

#include <QImage>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

namespace RadialTest {

using NequoraUI::NQRadialSliderControl;

// Everything the control's constructor takes, with values most tests want.
struct PadConfig
{
    double size = 200;
    bool showCircleGridLines = true;
    bool blurCenterView = false;
    bool showDraggableControl = true;
    QColor circleGridLineColor = Qt::black;
    QColor draggableControlColor = Qt::red;
    double draggableControlSize = 40;
    QPointF defaultPosition{0.5, 0.5};
    bool debugModeEnabled = false;
};

// Redirects std::cout into a string for the life of the object.
class CapturedStdout
{
public:
    CapturedStdout() : m_previous(std::cout.rdbuf(m_buffer.rdbuf())) {}
    ~CapturedStdout() { std::cout.rdbuf(m_previous); }
    std::string text() const { return m_buffer.str(); }

private:
    std::ostringstream m_buffer;
    std::streambuf *m_previous;
};

// A shown 400 x 400 software-rendered window on the offscreen platform, white behind the pad.
class RadialPad : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    void SetUp() override
    {
        window = std::make_unique<QQuickWindow>();
        window->setColor(Qt::white);
        window->resize(400, 400);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Builds the control off screen; reports go to `reports`.
    NQRadialSliderControl *build(const PadConfig &config, bool withCallback = true)
    {
        NQRadialSliderControl::PositionCallback callback;
        if (withCallback)
            callback = [this](QPointF position) { reports.push_back(position); };
        control = std::make_unique<NQRadialSliderControl>(
            config.size, config.showCircleGridLines, config.blurCenterView,
            config.showDraggableControl, config.circleGridLineColor, config.draggableControlColor,
            config.draggableControlSize, config.defaultPosition, callback, config.debugModeEnabled);
        return control.get();
    }

    // Puts the control in the window with its top-left corner at (x, y).
    NQRadialSliderControl *show(const PadConfig &config, double x = 50, double y = 50,
                                bool withCallback = true)
    {
        build(config, withCallback);
        control->setPosition(QPointF(x, y));
        control->setParentItem(window->contentItem());
        return control.get();
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
    QPoint windowPoint(double padX, double padY) const
    {
        const QPointF item = control->padOrigin() + QPointF(padX, padY);
        return control->mapToScene(item).toPoint();
    }

    // The control goes before its window.
    std::unique_ptr<QQuickWindow> window;
    std::unique_ptr<NQRadialSliderControl> control;
    std::vector<QPointF> reports;
};

} // namespace RadialTest
