#pragma once

#include "NQRadialSliderControl.h"

#include <QPointer>
#include <QWidget>

class QQmlEngine;
class QQuickWidget;

namespace NequoraUI {

// Places the radial pad on a widget screen: a QQuickWidget showing one NQRadialSliderControl,
// built with the same configuration as the control. All such widgets share one QML engine.
// The pad appears (and goes to its default position) each time the widget is shown.
class RadialSliderWidget : public QWidget
{
    Q_OBJECT

public:
    RadialSliderWidget(double size, bool showCircleGridLines, bool blurCenterView,
                       bool showDraggableControl, const QColor &circleGridLineColor,
                       const QColor &draggableControlColor, double draggableControlSize,
                       QPointF defaultPosition,
                       NQRadialSliderControl::PositionCallback didChangeSliderPosition,
                       bool debugModeEnabled, QWidget *parent = nullptr);

    NQRadialSliderControl *control() const { return m_control; }
    QQuickWidget *quickWidget() const { return m_quickWidget; }

    // Created on first use and owned by the application object.
    static QQmlEngine *sharedEngine();

    QSize sizeHint() const override;
    // The pad is drawn at its size: a layout may not squeeze it.
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QQuickWidget *m_quickWidget = nullptr;
    QPointer<NQRadialSliderControl> m_control;
};

} // namespace NequoraUI
