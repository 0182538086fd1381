#include "NQRadialSliderControl.h"

#include "RadialSliderAccessibility.h"
#include "RadialSliderLayout.h"
#include "RadialSliderPainter.h"
#include "ViewAccessibility.h"
#include "platform/Color.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QQuickWindow>
#include <QSGTransformNode>
#include <iostream>

namespace NequoraUI {

namespace {

using Geometry = RadialSliderGeometry;

template <typename T> bool assign(T &member, const T &value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

} // namespace

NQRadialSliderControl::NQRadialSliderControl(double size, bool showCircleGridLines,
                                             bool blurCenterView, bool showDraggableControl,
                                             const QColor &circleGridLineColor,
                                             const QColor &draggableControlColor,
                                             double draggableControlSize, QPointF defaultPosition,
                                             PositionCallback didChangeSliderPosition,
                                             bool debugModeEnabled, QQuickItem *parent)
    : QQuickPaintedItem(parent), m_size(size), m_showCircleGridLines(showCircleGridLines),
      m_blurCenterView(blurCenterView), m_showDraggableControl(showDraggableControl),
      m_circleGridLineColor(circleGridLineColor), m_draggableControlColor(draggableControlColor),
      m_draggableControlSize(draggableControlSize), m_defaultPosition(defaultPosition),
      m_didChangeSliderPosition(std::move(didChangeSliderPosition)),
      m_debugModeEnabled(debugModeEnabled)
{
    ViewAccessibility::install();
    setAcceptedMouseButtons(Qt::LeftButton);
    setActiveFocusOnTab(true);
    setAntialiasing(true);
    configurationUpdated();
    // The base constructor may already have placed the item in a window.
    updateAppearance(window());
}

NQRadialSliderControl::NQRadialSliderControl(QQuickItem *parent)
    : NQRadialSliderControl(0.0, true, true, true, platform::Color::secondaryLabel(),
                            platform::Color::systemBlue(), 40.0, QPointF(0.5, 0.5), {}, false,
                            parent)
{}

void NQRadialSliderControl::setSize(double size)
{
    if (assign(m_size, size))
        configurationUpdated();
}

void NQRadialSliderControl::setShowCircleGridLines(bool show)
{
    if (assign(m_showCircleGridLines, show))
        configurationUpdated();
}

void NQRadialSliderControl::setBlurCenterView(bool blur)
{
    if (assign(m_blurCenterView, blur))
        configurationUpdated();
}

void NQRadialSliderControl::setShowDraggableControl(bool show)
{
    if (assign(m_showDraggableControl, show))
        configurationUpdated();
}

void NQRadialSliderControl::setCircleGridLineColor(const QColor &colour)
{
    if (assign(m_circleGridLineColor, colour))
        configurationUpdated();
}

void NQRadialSliderControl::setDraggableControlColor(const QColor &colour)
{
    if (assign(m_draggableControlColor, colour))
        configurationUpdated();
}

void NQRadialSliderControl::setDraggableControlSize(double size)
{
    if (assign(m_draggableControlSize, size))
        configurationUpdated();
}

void NQRadialSliderControl::setDefaultPosition(QPointF position)
{
    if (assign(m_defaultPosition, position))
        configurationUpdated();
}

void NQRadialSliderControl::setDebugModeEnabled(bool enabled)
{
    if (assign(m_debugModeEnabled, enabled))
        configurationUpdated();
}

void NQRadialSliderControl::setAccessibleName(const QString &name)
{
    if (assign(m_accessibleName, name))
        emit configurationChanged();
}

QString NQRadialSliderControl::accessibleValueText() const
{
    return RadialSliderAccessibility::valueText(m_currentPosition);
}

void NQRadialSliderControl::updateCurrentPosition(QPointF position)
{
    setKnobPosition({position.x(), position.y()});
}

RadialSliderLayout NQRadialSliderControl::layout() const
{
    return RadialSliderLayout(geometry(), QSizeF(width(), height()),
                              {m_showDraggableControl, m_debugModeEnabled, m_currentPosition});
}

QPointF NQRadialSliderControl::padOrigin() const
{
    return layout().padOrigin();
}

Geometry::Point NQRadialSliderControl::toPad(QPointF itemPoint) const
{
    return layout().toPad(itemPoint);
}

bool NQRadialSliderControl::contains(const QPointF &point) const
{
    return layout().contains(point);
}

void NQRadialSliderControl::configurationUpdated()
{
    const double side = geometry().isUsable() ? m_size : 0.0;
    setImplicitSize(side, side);
    refreshPaintArea();
    update();
    emit configurationChanged();
}

void NQRadialSliderControl::refreshPaintArea()
{
    const QRectF area = layout().paintArea();
    m_paintOrigin = area.topLeft();
    setContentsSize(RadialSliderLayout::textureSize(area));
}

void NQRadialSliderControl::paint(QPainter *painter)
{
    const Geometry shape = geometry();
    if (!shape.isUsable())
        return;
    const RadialSliderLayout parts = layout();
    painter->translate(-m_paintOrigin);
    if (m_debugModeEnabled)
        RadialSliderPainter::paintReadout(painter, parts.readoutRect(),
                                          RadialSliderPainter::readoutLines(m_currentPosition));
    painter->translate(parts.padOrigin());
    const RadialSliderPainter::Appearance appearance{m_showCircleGridLines, m_blurCenterView,
                                                     m_showDraggableControl, m_circleGridLineColor,
                                                     m_draggableControlColor};
    RadialSliderPainter(shape, appearance).paintPad(painter, m_currentPosition);
    if (hasActiveFocus())
        paintFocusRing(painter);
}

// Around the whole travel circle, so it shows even with the knob hidden.
void NQRadialSliderControl::paintFocusRing(QPainter *painter) const
{
    constexpr double width = 2.0;
    QColor ring = platform::Color::systemBlue();
    ring.setAlpha(160);
    painter->setPen(QPen(ring, width));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(QRectF(0, 0, m_size, m_size).adjusted(width, width, -width, -width));
}

// The painted texture starts at the item's origin; a transform node shifts it so that it can
// also cover what lies above or left of the item.
QSGNode *NQRadialSliderControl::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data)
{
    auto *offset = static_cast<QSGTransformNode *>(oldNode);
    QSGNode *oldPainterNode = offset ? offset->firstChild() : nullptr;
    // The base deletes its node (which detaches it from the offset) when there is no area.
    QSGNode *painterNode = QQuickPaintedItem::updatePaintNode(oldPainterNode, data);
    if (!painterNode) {
        delete offset;
        return nullptr;
    }
    if (!offset)
        offset = new QSGTransformNode; // owned by the scene graph from here on
    if (painterNode->parent() != offset)
        offset->appendChildNode(painterNode);
    QMatrix4x4 shift;
    shift.translate(float(m_paintOrigin.x()), float(m_paintOrigin.y()));
    offset->setMatrix(shift);
    return offset;
}

void NQRadialSliderControl::componentComplete()
{
    QQuickPaintedItem::componentComplete();
    // Not in the constructor: the QML engine sets up the item's own data after that, and an
    // attached object made before would be left behind.
    joinAccessibleTree();
    updateAppearance(window());
}

void NQRadialSliderControl::joinAccessibleTree()
{
    // A pad made in C++ joins when it is placed in a window, once Qt Quick knows the type.
    if (!m_inAccessibleTree)
        m_inAccessibleTree = RadialSliderAccessibility::joinTree(this);
}

void NQRadialSliderControl::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickPaintedItem::itemChange(change, value);
    if (change == ItemSceneChange) {
        joinAccessibleTree();
        updateAppearance(value.window);
    } else if (change == ItemVisibleHasChanged)
        updateAppearance(window());
    else if (change == ItemActiveFocusHasChanged)
        update();
}

void NQRadialSliderControl::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        refreshPaintArea();
}

// Each time the pad comes on screen (it is visible and in a window) the knob goes back to the
// mapped default position. Windows rendered through a render control (a QQuickWidget's) never
// report themselves visible, so their visibility cannot take part.
void NQRadialSliderControl::updateAppearance(QQuickWindow *window)
{
    const bool onScreen = window && isVisible() && isComponentComplete();
    if (onScreen == m_onScreen)
        return;
    m_onScreen = onScreen;
    m_motion.endDrag();
    if (onScreen)
        setKnobPosition(Geometry::mapSquareToDisc({m_defaultPosition.x(), m_defaultPosition.y()}));
}

void NQRadialSliderControl::mousePressEvent(QMouseEvent *event)
{
    m_motion.endDrag();
    const Geometry shape = geometry();
    if (!shape.isUsable()) {
        event->ignore();
        return;
    }
    const Geometry::Point location = toPad(event->position());
    if (m_showDraggableControl && shape.knobContains(m_currentPosition, location)) {
        m_motion.beginDrag();
        event->accept();
        forceActiveFocus(Qt::MouseFocusReason);
        // A Shift-press holds the knob where it is; a plain press centres it on the pointer.
        setKnobPosition(m_motion.dragTo(shape, m_currentPosition, location,
                                        event->modifiers() & Qt::ShiftModifier));
        return;
    }
    // The pad's whole square takes the touch, but away from the knob it does nothing.
    const bool onPad =
        location.x >= 0 && location.x <= m_size && location.y >= 0 && location.y <= m_size;
    event->setAccepted(onPad);
}

void NQRadialSliderControl::mouseMoveEvent(QMouseEvent *event)
{
    const Geometry shape = geometry();
    if (!m_motion.isDragging() || !shape.isUsable()) {
        event->ignore();
        return;
    }
    setKnobPosition(m_motion.dragTo(shape, m_currentPosition, toPad(event->position()),
                                    event->modifiers() & Qt::ShiftModifier));
}

// The knob stays where it was let go: no snapping back.
void NQRadialSliderControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->setAccepted(m_motion.isDragging());
    m_motion.endDrag();
}

void NQRadialSliderControl::mouseUngrabEvent()
{
    m_motion.endDrag();
}

// Arrows and Home move the knob (RadialSliderMotion) and report like a drag.
void NQRadialSliderControl::keyPressEvent(QKeyEvent *event)
{
    const Geometry shape = geometry();
    const auto target =
        shape.isUsable()
            ? RadialSliderMotion::keyTarget(shape, m_size, m_currentPosition,
                                            {m_defaultPosition.x(), m_defaultPosition.y()},
                                            event->key(), event->modifiers() & Qt::ShiftModifier)
            : std::nullopt;
    if (!target) {
        event->ignore();
        return;
    }
    event->accept();
    setKnobPosition(*target);
}

void NQRadialSliderControl::setKnobPosition(Geometry::Point position)
{
    if (position == m_currentPosition)
        return;
    m_currentPosition = position;
    refreshPaintArea();
    update();
    RadialSliderAccessibility::announceValue(this, m_currentPosition);
    reportChange();
}

// Callback first, then the signal, then the debug line; a handler may delete the control.
void NQRadialSliderControl::reportChange()
{
    const QPointer<NQRadialSliderControl> alive(this);
    const Geometry::Point reported = m_currentPosition;
    const bool debug = m_debugModeEnabled;
    if (m_didChangeSliderPosition)
        m_didChangeSliderPosition(QPointF(reported.x, reported.y));
    if (alive)
        emit sliderPositionChanged(QPointF(reported.x, reported.y));
    if (debug)
        std::cout << Geometry::debugLine(reported) << std::endl;
}

} // namespace NequoraUI
