#pragma once

#include "ParameterMapping.h"
#include "SliderViewListener.h"
#include "platform/ContentHost.h"
#include "platform/SliderObserver.h"

#include <functional>
#include <memory>
#include <optional>

class QLabel;

namespace NequoraUI {

class GestureBurst;
class InlineValueEditor;

namespace platform {
class ElidingLabel;
class Slider;
} // namespace platform

// A titled slider over a float range that reports every user change.
//
// By default the value label shows the shortest text of the value passed in (construction and
// setValue) and two decimals after a user change; the slider moves freely. Two optional
// settings make it show exactly what it holds, for example for integer values:
//   slider->setStep(1.0f);   // the slider lands on minimum + k * step only
//   slider->setDecimals(0);  // every label text is the value with this many decimals
// With both, a user change reports a value that the label shows exactly.
//
// Besides dragging, the user can type an exact value: a double-click on the value text, or
// Return while it has focus, opens an editor in its place. Return commits what was typed as one
// user change, pinned to the range (and snapped to a presentation's step); Escape cancels; text
// that does not parse is refused and the editor stays. A double-click on the slider returns it to
// its default value (the value the view was built with, unless one is set), as one user change.
//
// Every user change happens inside a gesture, reported by gestureStarted() before its first
// write and gestureEnded() after its last: a drag from press to release, a typed value, a reset,
// and a run of arrow keys or wheel notches (ended 300 ms after the last). Shift makes a drag or
// an arrow key ten times finer.
class SliderView : public platform::ContentHost, private platform::SliderObserver
{
    Q_OBJECT
public:
    using ValueChangedHandler = std::function<void(float)>;
    // Typed text to the engine value it stands for; none refuses the text.
    using ValueParser = std::function<std::optional<double>(const QString &text)>;

    SliderView(const QString &title, float initialValue, float minimumValue, float maximumValue,
               ValueChangedHandler valueChangedHandler, QWidget *parent = nullptr);

    // A run of keys under way ends first.
    ~SliderView() override;

    // Moves the slider (pinned to its range) and shows the value passed in; reports nothing.
    void setValue(float value);
    // The same for a value a float may not hold, such as an engine's integer beyond 2^24: the
    // knob goes to the nearest float, the text shows value itself.
    void setExactValue(double value);
    // Shows value as the user's own change shows it (rounded where the engine's value shows in
    // full): a row made again shows what the user saw before it was released.
    void showUserValue(double value);

    // The slider's value, pinned to the range; with a presentation, the engine value last shown.
    float value() const;
    float minimumValue() const { return m_minimumValue; }
    float maximumValue() const { return m_maximumValue; }
    QString title() const;

    // Shows the value through a presentation: the track follows its scale, the text its unit
    // and transform, and user changes are snapped to its step. The handler still gets engine
    // values, and the text always shows the value the handler got. A step or decimals set
    // before carry over where the presentation has none; set after, they change it.
    void setPresentation(const ParameterPresentation &presentation);
    // True while the user holds the knob (from press to release).
    bool isSliderDown() const;

    // 0 (the default) lets the slider move freely; a positive step snaps it, user changes and
    // setValue alike, onto minimum + k * step (the maximum stays reachable). With a
    // presentation the step is in engine units, whatever the scale of the track.
    float step() const;
    void setStep(float step);

    // -1 (the default) keeps the two text forms above. Zero or more shows every value, the
    // current one included, in fixed notation with that many decimals (at most 9).
    int decimals() const { return valueDecimals; }
    void setDecimals(int decimals);
    // Replaces how typed text is read. The default reads a number ("0.5", "-3e2"); with a
    // presentation it reads the text as shown, unit and transform included ("-12 dB",
    // "1.2 kHz", "250 ms", a choice label).
    void setValueParser(ValueParser parser);
    std::optional<double> parseValueText(const QString &text) const;

    // Opens the editor for an exact value in place of the value text (a double-click on the
    // text, or Return while it has focus, does this).
    void openValueEntry();

    // Returns to the default value, as one user change (a double-click on the slider does this).
    void resetValue();
    // Where resetValue() goes; the value the view was built with unless set.
    float defaultValue() const;
    void setDefaultValue(float value);

    // Told of each user change and gesture before the signals below; null (the default) for
    // none. The view keeps it and deletes it with itself, or when another one is set.
    void setListener(std::unique_ptr<SliderViewListener> listener);
    SliderViewListener *listener() const { return m_listener.get(); }

signals:
    // Each user change, once, after the handler; never for setValue.
    void valueChanged(float value);
    // A drag begins and ends; the changes in between are one gesture.
    void sliderPressed();
    void sliderReleased();
    // Around each gesture's writes (see above).
    void gestureStarted();
    void gestureEnded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void valueTextSubmitted(const QString &text);

private:
    // The slider's input, told directly rather than through four connections per row.
    void userChangedSlider() override;
    void userPressedSlider() override;
    void userReleasedSlider() override;
    void userDoubleClickedSlider() override;
    // Tell the listener, then emit. A receiver may delete this view.
    void reportGestureStarted();
    void reportGestureEnded();
    void touchKeyBurst();
    void finishKeyBurst();
    void showValue(double value, bool userChange);
    QString valueText(double value, bool userChange) const;
    void showValueText(const QString &text);
    // Shows and reports a value the user chose outright (typed or reset), even an unchanged one.
    void commitUserValue(double value);
    void report(float value);

    std::unique_ptr<SliderViewListener> m_listener;
    const float initialValue;
    std::optional<float> m_defaultValue;
    GestureBurst *keyBurst = nullptr;
    const float m_minimumValue;
    const float m_maximumValue;
    const ValueChangedHandler valueChangedHandler;
    // On the heap: most rows show a plain number, and a mapping held in place would weigh on
    // every row of a screen.
    std::unique_ptr<ParameterMapping> mapping;
    ValueParser valueParser;
    // The engine value last shown: exact when set from outside, the reported float after a
    // user change.
    double mappedValue = 0;
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    platform::ElidingLabel *valueLabel = nullptr;
    platform::Slider *slider = nullptr;
    int valueDecimals = -1;
    // The text form the label shows now, so that setDecimals can redraw it.
    double shownValue = 0.0;
    bool shownUserChange = false;
    // Made when first opened.
    InlineValueEditor *valueEntry = nullptr;
    // The pointer holds the track: its changes go where it is, never a step further.
    bool pointerHeld = false;
};

} // namespace NequoraUI
