#pragma once

#include "RadialSliderGeometry.h"
#include "RadialSliderMotion.h"

#include <QColor>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QRectF>
#include <functional>

namespace NequoraUI {

class RadialSliderLayout;

// A square pad of side `size` with a circular travel area and a knob the user drags inside it.
// The knob position is kept in normalised coordinates (origin bottom-left, y upward); every
// change is reported once through the callback and sliderPositionChanged, and in debug mode
// with one line on standard output.
//
// Usable from QML (import NequoraUI; NQRadialSliderControl { size: 200 }) and from C++ through
// the constructor that takes the whole configuration.
class NQRadialSliderControl : public QQuickPaintedItem
{
    Q_OBJECT
    // Every setting shares one notification: hosts normally set them once.
    Q_PROPERTY(double size READ size WRITE setSize NOTIFY configurationChanged)
    Q_PROPERTY(bool showCircleGridLines READ showCircleGridLines WRITE setShowCircleGridLines NOTIFY
                   configurationChanged)
    Q_PROPERTY(
        bool blurCenterView READ blurCenterView WRITE setBlurCenterView NOTIFY configurationChanged)
    Q_PROPERTY(bool showDraggableControl READ showDraggableControl WRITE setShowDraggableControl
                   NOTIFY configurationChanged)
    Q_PROPERTY(QColor circleGridLineColor READ circleGridLineColor WRITE setCircleGridLineColor
                   NOTIFY configurationChanged)
    Q_PROPERTY(QColor draggableControlColor READ draggableControlColor WRITE
                   setDraggableControlColor NOTIFY configurationChanged)
    Q_PROPERTY(double draggableControlSize READ draggableControlSize WRITE setDraggableControlSize
                   NOTIFY configurationChanged)
    Q_PROPERTY(QPointF defaultPosition READ defaultPosition WRITE setDefaultPosition NOTIFY
                   configurationChanged)
    Q_PROPERTY(bool debugModeEnabled READ debugModeEnabled WRITE setDebugModeEnabled NOTIFY
                   configurationChanged)
    Q_PROPERTY(QPointF currentPosition READ currentPosition NOTIFY sliderPositionChanged)
    // What assistive technology calls the pad.
    Q_PROPERTY(QString accessibleName READ accessibleName WRITE setAccessibleName NOTIFY
                   configurationChanged)

public:
    using PositionCallback = std::function<void(QPointF)>;

    NQRadialSliderControl(double size, bool showCircleGridLines, bool blurCenterView,
                          bool showDraggableControl, const QColor &circleGridLineColor,
                          const QColor &draggableControlColor, double draggableControlSize,
                          QPointF defaultPosition, PositionCallback didChangeSliderPosition,
                          bool debugModeEnabled, QQuickItem *parent = nullptr);

    double size() const { return m_size; }
    bool showCircleGridLines() const { return m_showCircleGridLines; }
    bool blurCenterView() const { return m_blurCenterView; }
    bool showDraggableControl() const { return m_showDraggableControl; }
    QColor circleGridLineColor() const { return m_circleGridLineColor; }
    QColor draggableControlColor() const { return m_draggableControlColor; }
    double draggableControlSize() const { return m_draggableControlSize; }
    QPointF defaultPosition() const { return m_defaultPosition; }
    bool debugModeEnabled() const { return m_debugModeEnabled; }
    QPointF currentPosition() const { return {m_currentPosition.x, m_currentPosition.y}; }
    QString accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const QString &name);
    // "x 0.75, y 0.25": the position as assistive technology reads it.
    QString accessibleValueText() const;

    // How far one arrow key moves the knob, as a fraction of the pad's side.
    static constexpr double keyStepFraction = RadialSliderMotion::keyStepFraction;

    // The pad's side; the item's own extent stays reachable as width(), height() and the
    // QSizeF overload below.
    void setSize(double size);
    using QQuickPaintedItem::setSize;
    void setShowCircleGridLines(bool show);
    void setBlurCenterView(bool blur);
    void setShowDraggableControl(bool show);
    void setCircleGridLineColor(const QColor &colour);
    void setDraggableControlColor(const QColor &colour);
    void setDraggableControlSize(double size);
    // Takes effect at the next appearance, as the start position.
    void setDefaultPosition(QPointF position);
    void setDebugModeEnabled(bool enabled);

    // Sets the position as given: not mapped onto the disc, not clamped. Reports a change.
    Q_INVOKABLE void updateCurrentPosition(QPointF position);

    // The pad's top-left corner in item coordinates (the readout, when shown, sits above it).
    QPointF padOrigin() const;

    void paint(QPainter *painter) override;
    bool contains(const QPointF &point) const override;

signals:
    void configurationChanged();
    void sliderPositionChanged(QPointF position);

protected:
    // For the QML engine only, which needs a default-constructible type: an empty pad
    // (size 0) with knob, grid and blur shown, to be configured through its properties.
    explicit NQRadialSliderControl(QQuickItem *parent = nullptr);

    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseUngrabEvent() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    RadialSliderGeometry geometry() const { return {m_size, m_draggableControlSize}; }
    // Where the parts sit now, in item coordinates.
    RadialSliderLayout layout() const;
    RadialSliderGeometry::Point toPad(QPointF itemPoint) const;
    void configurationUpdated();
    void refreshPaintArea();
    void updateAppearance(QQuickWindow *window);
    void setKnobPosition(RadialSliderGeometry::Point position);
    void reportChange();
    void paintFocusRing(QPainter *painter) const;
    void joinAccessibleTree();

    double m_size = 0.0;
    bool m_showCircleGridLines = true;
    bool m_blurCenterView = true;
    bool m_showDraggableControl = true;
    QColor m_circleGridLineColor;
    QColor m_draggableControlColor;
    double m_draggableControlSize = 40.0;
    QPointF m_defaultPosition{0.5, 0.5};
    PositionCallback m_didChangeSliderPosition;
    bool m_debugModeEnabled = false;
    QString m_accessibleName = QStringLiteral("XY pad");

    RadialSliderGeometry::Point m_currentPosition;
    bool m_onScreen = false;
    bool m_inAccessibleTree = false;
    RadialSliderMotion m_motion;
    // The painted area can exceed the item (readout above, knob outside the pad); this is its
    // top-left corner in item coordinates.
    QPointF m_paintOrigin;
};

} // namespace NequoraUI
