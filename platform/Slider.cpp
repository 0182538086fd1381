#include "platform/Slider.h"

#include "platform/Color.h"
#include "platform/ControlAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace NequoraUI::platform {

namespace {

constexpr qreal knobRadius = 12.0;
// Room beside the knob for its shadow and focus ring, so neither is clipped at the ends.
constexpr qreal knobInset = knobRadius + 2.0;
constexpr qreal trackHeight = 4.0;
constexpr double keyStepFraction = 0.01;
constexpr double pageStepFraction = 0.1;
constexpr double wheelNotch = 120.0;

// Bounds stay finite so that the range width, computed in double, is always finite too.
float finiteBound(float bound)
{
    constexpr float largest = std::numeric_limits<float>::max();
    return std::clamp(bound, -largest, largest);
}

float pinned(double value, float minimum, float maximum)
{
    if (std::isnan(value))
        return minimum;
    return static_cast<float>(std::clamp(value, double(minimum), double(maximum)));
}

QColor trackColor()
{
    return QColor(209, 209, 214);
}

} // namespace

Slider::Slider(QWidget *parent) : QWidget(parent)
{
    ControlAccessibility::install();
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Slider::setValue(float value)
{
    storeValue(pinned(value, m_minimum, m_maximum));
}

bool Slider::storeValue(float value)
{
    if (value == m_value)
        return false;
    m_value = value;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_value);
        QAccessible::updateAccessibility(&event);
    }
    emit valueUpdated(m_value);
    return true;
}

void Slider::setValueAsUser(float value)
{
    if (userSetValue(value))
        emit valueChanged();
}

float Slider::keyStep() const
{
    return float(rangeStep(keyStepFraction));
}

void Slider::setMinimumValue(float minimum)
{
    if (std::isnan(minimum))
        return;
    const float bound = finiteBound(minimum);
    applyRange(bound, std::max(m_maximum, bound));
}

void Slider::setMaximumValue(float maximum)
{
    if (std::isnan(maximum))
        return;
    const float bound = finiteBound(maximum);
    applyRange(std::min(m_minimum, bound), bound);
}

void Slider::applyRange(float minimum, float maximum)
{
    const bool minimumMoved = minimum != m_minimum;
    const bool maximumMoved = maximum != m_maximum;
    m_minimum = minimum;
    m_maximum = maximum;
    update();
    if (minimumMoved)
        emit minimumValueChanged(m_minimum);
    if (maximumMoved)
        emit maximumValueChanged(m_maximum);
    storeValue(pinned(m_value, m_minimum, m_maximum));
}

void Slider::setContinuous(bool continuous)
{
    if (continuous == m_continuous)
        return;
    m_continuous = continuous;
    emit continuousChanged(m_continuous);
}

qreal Slider::knobCenterX(double fraction) const
{
    const qreal travel = std::max<qreal>(0.0, width() - 2 * knobInset);
    return knobInset + fraction * travel;
}

double Slider::fractionOf(float value) const
{
    const double range = double(m_maximum) - double(m_minimum);
    if (range <= 0.0)
        return 0.0;
    const double fraction = (double(pinned(value, m_minimum, m_maximum)) - m_minimum) / range;
    return std::clamp(fraction, 0.0, 1.0);
}

double Slider::rangeStep(double fractionOfRange) const
{
    return (double(m_maximum) - double(m_minimum)) * fractionOfRange;
}

QPoint Slider::pointForValue(float value) const
{
    return knobCenterForValue(value).toPoint();
}

QPointF Slider::knobCenterForValue(float value) const
{
    return QPointF(knobCenterX(fractionOf(value)), height() / 2.0);
}

QPointF Slider::knobCenter() const
{
    return knobCenterForValue(m_value);
}

float Slider::valueAtX(qreal x) const
{
    const qreal travel = width() - 2 * knobInset;
    if (travel <= 0.0)
        return m_minimum;
    const double fraction = std::clamp((x - knobInset) / travel, 0.0, 1.0);
    return pinned(double(m_minimum) + fraction * rangeStep(1.0), m_minimum, m_maximum);
}

bool Slider::userSetValue(double value)
{
    return storeValue(pinned(value, m_minimum, m_maximum));
}

void Slider::trackTo(qreal x)
{
    if (!userSetValue(valueAtX(x)))
        return;
    m_dragChangedValue = true;
    if (m_continuous)
        emit valueChanged();
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_dragChangedValue = false;
    trackTo(event->position().x());
}

void Slider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        trackTo(event->position().x());
}

void Slider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    const bool changed = userSetValue(valueAtX(event->position().x()));
    m_dragChangedValue = m_dragChangedValue || changed;
    // The one report comes last: a receiver may delete this slider.
    if (m_continuous ? changed : m_dragChangedValue)
        emit valueChanged();
}

void Slider::keyPressEvent(QKeyEvent *event)
{
    double target = m_value;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        target -= rangeStep(keyStepFraction);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        target += rangeStep(keyStepFraction);
        break;
    case Qt::Key_PageDown:
        target -= rangeStep(pageStepFraction);
        break;
    case Qt::Key_PageUp:
        target += rangeStep(pageStepFraction);
        break;
    case Qt::Key_Home:
        target = m_minimum;
        break;
    case Qt::Key_End:
        target = m_maximum;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // A key press is a finished change, so it reports even when not continuous.
    if (userSetValue(target))
        emit valueChanged();
}

void Slider::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    const int steps = delta.y() != 0 ? delta.y() : delta.x();
    // Left unaccepted at an end, so a surrounding scroll area can scroll instead.
    if (!userSetValue(m_value + steps / wheelNotch * rangeStep(keyStepFraction))) {
        event->ignore();
        return;
    }
    event->accept();
    emit valueChanged();
}

QSize Slider::sizeHint() const
{
    return QSize(200, 28);
}

QSize Slider::minimumSizeHint() const
{
    return QSize(int(2 * knobInset) + 20, 28);
}

void Slider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.45);

    const qreal centerY = height() / 2.0;
    const QRectF track(2.0, centerY - trackHeight / 2, std::max(0.0, width() - 4.0), trackHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(trackColor());
    painter.drawRoundedRect(track, trackHeight / 2, trackHeight / 2);

    const QPointF knob = knobCenter();
    QRectF filled = track;
    filled.setRight(knob.x());
    painter.setBrush(isEnabled() ? Color::systemBlue() : trackColor().darker(130));
    painter.drawRoundedRect(filled, trackHeight / 2, trackHeight / 2);

    paintKnob(painter, knob);
}

void Slider::paintKnob(QPainter &painter, const QPointF &center) const
{
    // A soft shadow: a few translucent discs growing downwards.
    for (int i = 3; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, 14));
        painter.drawEllipse(center + QPointF(0, 1.0), knobRadius + i * 0.5, knobRadius + i * 0.5);
    }
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.setBrush(Color::white());
    painter.drawEllipse(center, knobRadius, knobRadius);

    if (hasFocus()) {
        QColor ring = Color::systemBlue();
        ring.setAlpha(140);
        painter.setPen(QPen(ring, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(center, knobRadius + 1.0, knobRadius + 1.0);
    }
}

} // namespace NequoraUI::platform
