#include "Slider.h"

#include "ControlAccessibility.h"
#include "SliderPainter.h"
#include "TellThenEmit.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace NequoraUI::platform {

namespace {

constexpr qreal knobRadius = SliderPainter::knobRadius;
constexpr qreal knobInset = SliderPainter::knobInset;
constexpr double keyStepFraction = 0.01;
constexpr double pageStepFraction = 0.1;
// Shift divides a drag's travel and an arrow key's step by this.
constexpr double fineDivisor = 10.0;
constexpr double wheelNotch = 120.0;

} // namespace

Slider::Slider(QWidget *parent) : QWidget(parent)
{
    ControlAccessibility::install();
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Slider::setValue(float value)
{
    storeValue(m_range.constrained(value));
}

bool Slider::storeValue(float value)
{
    if (value == m_value)
        return false;
    const qreal oldX = knobCenterX(m_range.fractionOf(m_value));
    m_value = value;
    updateKnobSpan(oldX, knobCenterX(m_range.fractionOf(m_value)));
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_value);
        QAccessible::updateAccessibility(&event);
    }
    emit valueUpdated(m_value);
    return true;
}

// Only the strip between the old and the new knob changes: the track left of the knob and the
// knob with its shadow and focus ring. Repainting just that strip keeps a followed value cheap,
// since everything behind the slider (the card it sits on) is repainted under it too.
void Slider::updateKnobSpan(qreal oldX, qreal newX)
{
    constexpr qreal reach = knobInset + 2.0;
    const int left = int(std::floor(std::min(oldX, newX) - reach));
    const int right = int(std::ceil(std::max(oldX, newX) + reach));
    update(QRect(left, 0, right - left, height()));
}

void Slider::setValueAsUser(float value)
{
    if (userSetValue(value))
        reportUserChange();
}

float Slider::keyStep() const
{
    return float(m_range.stepFor(keyStepFraction));
}

void Slider::setMinimumValue(float minimum)
{
    SliderRange range = m_range;
    if (range.setMinimum(minimum))
        applyRange(range);
}

void Slider::setMaximumValue(float maximum)
{
    SliderRange range = m_range;
    if (range.setMaximum(maximum))
        applyRange(range);
}

void Slider::applyRange(const SliderRange &range)
{
    const bool minimumMoved = range.minimum() != m_range.minimum();
    const bool maximumMoved = range.maximum() != m_range.maximum();
    m_range = range;
    update();
    if (minimumMoved)
        emit minimumValueChanged(m_range.minimum());
    if (maximumMoved)
        emit maximumValueChanged(m_range.maximum());
    storeValue(m_range.constrained(m_value));
}

void Slider::setContinuous(bool continuous)
{
    if (continuous == m_continuous)
        return;
    m_continuous = continuous;
    emit continuousChanged(m_continuous);
}

void Slider::setStep(float step)
{
    const float before = m_range.step();
    m_range.setStep(step);
    if (m_range.step() == before)
        return;
    emit stepChanged(m_range.step());
    storeValue(m_range.constrained(m_value));
}

qreal Slider::knobTravel() const
{
    return width() - 2 * knobInset;
}

// Right to left, the minimum sits at the right end, as in Qt's own sliders.
qreal Slider::knobCenterX(double fraction) const
{
    const qreal fromStart = knobInset + fraction * std::max<qreal>(0.0, knobTravel());
    return isRightToLeft() ? width() - fromStart : fromStart;
}

QPoint Slider::pointForValue(float value) const
{
    return knobCenterForValue(value).toPoint();
}

QPointF Slider::knobCenterForValue(float value) const
{
    return QPointF(knobCenterX(m_range.fractionOf(value)), height() / 2.0);
}

QPointF Slider::knobCenter() const
{
    return knobCenterForValue(m_value);
}

float Slider::valueAtX(qreal x) const
{
    const qreal travel = knobTravel();
    if (travel <= 0.0)
        return m_range.minimum();
    const qreal fromStart = isRightToLeft() ? width() - x : x;
    return m_range.valueAtFraction(std::clamp((fromStart - knobInset) / travel, 0.0, 1.0));
}

bool Slider::isOnKnob(qreal x) const
{
    return std::abs(x - knobCenter().x()) <= knobRadius;
}

float Slider::valueForDragX(qreal x) const
{
    // Back where the knob was grabbed is the grabbed value itself, not its pixel's rounding.
    if (m_grabbed && x == m_pressX)
        return m_pressValue;
    return valueAtX(x - m_grabOffset);
}

bool Slider::userSetValue(double value)
{
    return storeValue(m_range.constrained(value));
}

void Slider::followFineModifier(qreal x, bool fine)
{
    if (fine == m_fine)
        return;
    m_fine = fine;
    m_fineX = x;
    m_fineValue = m_value;
    if (fine)
        return;
    // Back to full speed from where the knob is now: hold it at the pointer's distance.
    m_grabbed = true;
    m_grabOffset = x - knobCenter().x();
    m_pressX = x;
    m_pressValue = m_value;
}

float Slider::dragTarget(qreal x) const
{
    const qreal travel = knobTravel();
    if (!m_fine || travel <= 0)
        return valueForDragX(x);
    const qreal moved = isRightToLeft() ? m_fineX - x : x - m_fineX;
    return m_range.constrained(m_fineValue + moved / travel / fineDivisor * m_range.width());
}

void Slider::trackTo(qreal x)
{
    if (!userSetValue(dragTarget(x)))
        return;
    m_dragChangedValue = true;
    if (m_continuous)
        reportUserChange();
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_dragChangedValue = false;
    reportPressed();
    m_pressX = event->position().x();
    m_pressValue = m_value;
    // A press on the knob holds it where it was pressed: without a move, nothing changes.
    m_grabbed = isOnKnob(m_pressX);
    m_grabOffset = m_grabbed ? m_pressX - knobCenter().x() : 0.0;
    m_fine = false;
    // A Shift-press holds the knob where it is: only the moves after it count, finely.
    if (event->modifiers() & Qt::ShiftModifier) {
        followFineModifier(m_pressX, true);
        return;
    }
    trackTo(m_pressX);
}

void Slider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    followFineModifier(event->position().x(), event->modifiers() & Qt::ShiftModifier);
    trackTo(event->position().x());
}

void Slider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    followFineModifier(event->position().x(), event->modifiers() & Qt::ShiftModifier);
    const bool changed = userSetValue(dragTarget(event->position().x()));
    m_fine = false;
    m_dragChangedValue = m_dragChangedValue || changed;
    // The reports come last: a receiver may delete this slider.
    const QPointer<Slider> alive(this);
    if (m_continuous ? changed : m_dragChangedValue)
        reportUserChange();
    if (alive)
        reportReleased();
}

void Slider::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt's default treats the second click as another press; it would move the value again.
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    tellThenEmit(this, m_observer, &SliderObserver::userDoubleClickedSlider,
                 &Slider::doubleClicked);
}

void Slider::reportUserChange()
{
    tellThenEmit(this, m_observer, &SliderObserver::userChangedSlider, &Slider::valueChanged);
}

void Slider::reportPressed()
{
    tellThenEmit(this, m_observer, &SliderObserver::userPressedSlider, &Slider::sliderPressed);
}

void Slider::reportReleased()
{
    tellThenEmit(this, m_observer, &SliderObserver::userReleasedSlider, &Slider::sliderReleased);
}

void Slider::keyPressEvent(QKeyEvent *event)
{
    double target = m_value;
    const double arrowFraction =
        event->modifiers() & Qt::ShiftModifier ? keyStepFraction / fineDivisor : keyStepFraction;
    const double arrow = m_range.stepFor(arrowFraction);
    const double page = m_range.stepFor(pageStepFraction);
    // Left and Right follow the track's direction, so right to left they swap, as in Qt's own
    // sliders; Up and Down keep their meaning.
    const double towardsRight = isRightToLeft() ? -1.0 : 1.0;
    switch (event->key()) {
    case Qt::Key_Left:
        target -= towardsRight * arrow;
        break;
    case Qt::Key_Right:
        target += towardsRight * arrow;
        break;
    case Qt::Key_Down:
        target -= arrow;
        break;
    case Qt::Key_Up:
        target += arrow;
        break;
    case Qt::Key_PageDown:
        target -= page;
        break;
    case Qt::Key_PageUp:
        target += page;
        break;
    case Qt::Key_Home:
        target = m_range.minimum();
        break;
    case Qt::Key_End:
        target = m_range.maximum();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // A key press is a finished change, so it reports even when not continuous.
    if (userSetValue(target))
        reportUserChange();
}

void Slider::wheelEvent(QWheelEvent *event)
{
    // A wheel turned while scrolling past must scroll the page, not edit the value under it.
    if (!hasFocus() || !m_focusChosen) {
        event->ignore();
        return;
    }
    const QPoint delta = event->angleDelta();
    const int steps = delta.y() != 0 ? delta.y() : delta.x();
    // Left unaccepted at an end, so a surrounding scroll area can scroll instead.
    double change = steps / wheelNotch * m_range.stepFor(keyStepFraction);
    // A stepped slider moves a whole step even for the small deltas of high-resolution wheels.
    const float step = m_range.step();
    if (step > 0.0f && steps != 0 && std::abs(change) < step)
        change = std::copysign(double(step), change);
    if (!userSetValue(m_value + change)) {
        event->ignore();
        return;
    }
    event->accept();
    reportUserChange();
}

void Slider::focusInEvent(QFocusEvent *event)
{
    // The focus Qt hands the first control when a window opens is not the user's choice; a
    // window coming back keeps whatever choice there was.
    if (event->reason() != Qt::ActiveWindowFocusReason)
        m_focusChosen = true;
    QWidget::focusInEvent(event);
}

void Slider::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_focusChosen = false;
    QWidget::focusOutEvent(event);
}

QSize Slider::sizeHint() const
{
    return QSize(200, 28);
}

QSize Slider::minimumSizeHint() const
{
    return QSize(int(2 * knobInset) + 20, 28);
}

void Slider::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const SliderPainter::State state{isEnabled(), hasFocus(), isRightToLeft()};
    SliderPainter(m_colors.of(palette()), state)
        .paint(painter, size(), knobCenter(), event->rect());
}

} // namespace NequoraUI::platform
