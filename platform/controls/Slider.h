#pragma once

#include "PaletteColors.h"
#include "SliderObserver.h"
#include "SliderRange.h"

#include <QWidget>

namespace NequoraUI::platform {

// A horizontal slider over a float range. The value is always inside [minimum, maximum]. Without
// a step it is computed from the pointer position at full float precision; with a step it lands
// on minimum + k * step (or on the maximum itself). Programmatic changes are silent; only the
// user's mouse, keyboard and wheel changes signal.
//
// A press on the knob grabs it where it was pressed and changes nothing until the pointer moves;
// a press elsewhere on the track jumps there. The wheel steps only while the slider has keyboard
// focus that the user gave it (not the focus a newly shown window hands its first control);
// otherwise it is left to the surrounding scroll area.
//
// Holding Shift makes a drag move the value a tenth as far per pixel, from wherever the knob is
// when Shift goes down or up (the knob never jumps), and an arrow key move a tenth of its step
// (never less than the slider's own step).
//
// Right to left, the track runs from the maximum on the left to the minimum on the right, and
// the Left and Right keys swap, as Qt's own sliders have it.
class Slider : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(
        float minimumValue READ minimumValue WRITE setMinimumValue NOTIFY minimumValueChanged)
    Q_PROPERTY(
        float maximumValue READ maximumValue WRITE setMaximumValue NOTIFY maximumValueChanged)
    Q_PROPERTY(float value READ value WRITE setValue NOTIFY valueUpdated)
    Q_PROPERTY(bool continuous READ isContinuous WRITE setContinuous NOTIFY continuousChanged)
    Q_PROPERTY(float step READ step WRITE setStep NOTIFY stepChanged)

public:
    explicit Slider(QWidget *parent = nullptr);

    float value() const { return m_value; }
    // Pins to [minimum, maximum]; NaN gives the minimum. Signals nothing.
    void setValue(float value);

    // Sets the value as the user would (pinned), reporting valueChanged() when it changed: for
    // assistive technology and typed entry.
    void setValueAsUser(float value);
    // What an arrow key moves the value by.
    float keyStep() const;

    float minimumValue() const { return m_range.minimum(); }
    // Re-pins the value; a minimum above the maximum drags the maximum up with it.
    // NaN is ignored, infinities become the largest finite float.
    void setMinimumValue(float minimum);

    float maximumValue() const { return m_range.maximum(); }
    // Re-pins the value; a maximum below the minimum drags the minimum down with it.
    // NaN is ignored, infinities become the largest finite float.
    void setMaximumValue(float maximum);

    // Default true: a drag reports every change as it happens. When false, a drag reports once,
    // on release, if it changed the value at any moment.
    bool isContinuous() const { return m_continuous; }
    void setContinuous(bool continuous);

    // Default 0: no step. A positive step snaps the value (user and programmatic) onto
    // minimum + k * step and is the smallest key and wheel step; zero, negative or NaN clear it.
    float step() const { return m_range.step(); }
    void setStep(float step);

    // Where the knob's centre sits for a value (pinned to the range), in widget coordinates.
    // The knob travels from pointForValue(minimumValue()) to pointForValue(maximumValue()).
    QPoint pointForValue(float value) const;
    QPointF knobCenter() const;
    // The value a press at this horizontal position selects.
    float valueAtX(qreal x) const;

    // True from a left-button press until its release: the user holds the knob.
    bool isSliderDown() const { return m_dragging; }

    // The view holding the slider, told of the user's input before the signals below; null
    // (the default) for none. It must outlive the slider or be unset first.
    void setObserver(SliderObserver *observer) { m_observer = observer; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // User changes only (mouse, keyboard, wheel), and only when the value really changed.
    void valueChanged();
    // Property notifications: every change, programmatic ones included, for bindings and
    // tools. A host that reacts to the user connects to valueChanged() instead.
    void valueUpdated(float value);
    void minimumValueChanged(float minimum);
    void maximumValueChanged(float maximum);
    void continuousChanged(bool continuous);
    void stepChanged(float step);
    // A drag begins (before its first change) and ends (after its last report).
    void sliderPressed();
    void sliderReleased();
    // A left double-click: the row above decides what it means (a reset), the value stays.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // How far the knob's centre travels from one end to the other; negative when too narrow.
    qreal knobTravel() const;
    qreal knobCenterX(double fraction) const;
    QPointF knobCenterForValue(float value) const;
    bool isOnKnob(qreal x) const;
    float valueForDragX(qreal x) const;
    // Pins and stores a value from user input; true when it changed. Reporting is the caller's.
    bool userSetValue(double value);
    // Stores new bounds and re-pins the value, notifying whatever changed.
    void applyRange(const SliderRange &range);
    // Stores a pinned value and notifies; true when it changed.
    bool storeValue(float value);
    void updateKnobSpan(qreal oldX, qreal newX);
    void trackTo(qreal x);
    // The value a drag at x selects, finely while Shift is held.
    float dragTarget(qreal x) const;
    // Moves the drag's anchor to x and the knob's value when Shift goes down or up.
    void followFineModifier(qreal x, bool fine);
    // Tell the observer, then emit. A receiver may delete this slider.
    void reportUserChange();
    void reportPressed();
    void reportReleased();

    SliderObserver *m_observer = nullptr;
    SliderRange m_range;
    float m_value = 0.0f;
    bool m_continuous = true;
    bool m_dragging = false;
    bool m_dragChangedValue = false;
    // Where on the knob the drag holds it, so the knob does not jump under the pointer.
    bool m_grabbed = false;
    qreal m_grabOffset = 0.0;
    qreal m_pressX = 0.0;
    float m_pressValue = 0.0f;
    // The drag's anchor while Shift is held: moves count from here, a tenth as far.
    bool m_fine = false;
    qreal m_fineX = 0.0;
    float m_fineValue = 0.0f;
    // Focus the user gave (click, Tab, a program's setFocus), as opposed to a window's first.
    bool m_focusChosen = false;
    PaletteColors m_colors;
};

} // namespace NequoraUI::platform
