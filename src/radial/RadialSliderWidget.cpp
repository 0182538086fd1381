#include "RadialSliderWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QQmlEngine>
#include <QQuickWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace NequoraUI {

RadialSliderWidget::RadialSliderWidget(
    double size, bool showCircleGridLines, bool blurCenterView, bool showDraggableControl,
    const QColor &circleGridLineColor, const QColor &draggableControlColor,
    double draggableControlSize, QPointF defaultPosition,
    NQRadialSliderControl::PositionCallback didChangeSliderPosition, bool debugModeEnabled,
    QWidget *parent)
    : QWidget(parent)
{
    m_quickWidget = new QQuickWidget(sharedEngine(), this);
    m_quickWidget->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_quickWidget->setClearColor(palette().color(QPalette::Window));

    auto *control = new NQRadialSliderControl(
        size, showCircleGridLines, blurCenterView, showDraggableControl, circleGridLineColor,
        draggableControlColor, draggableControlSize, defaultPosition,
        std::move(didChangeSliderPosition), debugModeEnabled);
    // The quick widget owns its root item; the pad centres itself in whatever size it gets.
    control->setParent(m_quickWidget);
    // The quick widget's window exists before the widget is shown; the pad waits for showEvent.
    control->setVisible(false);
    // Keyboard focus given to the widget reaches the pad.
    control->setFocus(true);
    m_quickWidget->setContent(QUrl(), nullptr, control);
    m_control = control;
    m_quickWidget->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_quickWidget);
}

void RadialSliderWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_control)
        m_control->setVisible(true);
}

void RadialSliderWidget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_control)
        m_control->setVisible(false);
}

// The quick widget hands Tab to its scene, which wraps round its one focusable item and so never
// lets focus leave. The pad is the only stop here: Tab and Shift+Tab go on along the window's
// chain, as from any other control.
bool RadialSliderWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_quickWidget && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward =
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            focusNextPrevChild(forward);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The pad paints from the application palette; the scene behind it from this widget's.
void RadialSliderWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    m_quickWidget->setClearColor(palette().color(QPalette::Window));
    if (m_control)
        m_control->update();
}

QQmlEngine *RadialSliderWidget::sharedEngine()
{
    static QPointer<QQmlEngine> engine;
    if (!engine)
        engine = new QQmlEngine(QCoreApplication::instance());
    return engine;
}

QSize RadialSliderWidget::sizeHint() const
{
    if (!m_control)
        return {};
    const double size = m_control->size();
    const int side = std::isfinite(size) && size > 0.0
                         ? static_cast<int>(std::min(std::ceil(size), double(QWIDGETSIZE_MAX)))
                         : 0;
    return {side, side};
}

QSize RadialSliderWidget::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace NequoraUI
