#include "SliderView.h"

#include "GestureBurst.h"
#include "InlineValueEditor.h"
#include "ViewAccessibility.h"
#include "platform/ElidingLabel.h"
#include "platform/Interface.h"
#include "platform/NumberText.h"
#include "platform/Slider.h"
#include "platform/TellThenEmit.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace NequoraUI {

namespace {

constexpr int defaultUserDecimals = 2;
constexpr int mostDecimals = 9;

// Numbers are shown in the C locale, so that is how they are typed back.
std::optional<double> plainNumber(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

SliderView::SliderView(const QString &title, float initialValue, float minimumValue,
                       float maximumValue, ValueChangedHandler valueChangedHandler, QWidget *parent)
    : platform::ContentHost(parent), initialValue(initialValue), m_minimumValue(minimumValue),
      m_maximumValue(maximumValue), valueChangedHandler(std::move(valueChangedHandler))
{
    // Ahead of the labels: the first text they are given already fixes their accessible kind.
    ViewAccessibility::install();
    const auto ui = platform::Interface::load(QStringLiteral("SliderView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    valueLabel = ui.outlet<platform::ElidingLabel>("valueLabel");
    slider = ui.outlet<platform::Slider>("slider");
    setContentView(contentView);

    titleLabel->setText(title);
    // The title names the slider for assistive technology, as a buddy label does.
    titleLabel->setBuddy(slider);
    // The value goes last, against the final range.
    slider->setMinimumValue(m_minimumValue);
    slider->setMaximumValue(m_maximumValue);
    slider->setValue(this->initialValue);
    // The label shows the value passed in, not the one the slider pinned.
    showValue(this->initialValue, false);
    valueLabel->installEventFilter(this);
    // The slider tells this view of its input directly: no connections, as a screen holds
    // thousands of rows.
    slider->setObserver(this);

    // The value text is where exact values are typed: reachable by Tab after the slider, and
    // named by the row like the slider is.
    valueLabel->setAccessibleName(title);
    InlineValueEditor::prepare(valueLabel);
    setTabOrder(slider, valueLabel);
}

SliderView::~SliderView()
{
    // The listener hears the end of a key run under way, and nothing after this part is gone.
    finishKeyBurst();
    m_listener.reset();
    // The slider outlives this part of the view, its children being deleted after it.
    slider->setObserver(nullptr);
}

void SliderView::setListener(std::unique_ptr<SliderViewListener> listener)
{
    m_listener = std::move(listener);
}

// Made on the first key or wheel run: most rows of a screen never see one.
void SliderView::touchKeyBurst()
{
    if (!keyBurst) {
        keyBurst = new GestureBurst(this);
        connect(keyBurst, &GestureBurst::started, this, &SliderView::reportGestureStarted);
        connect(keyBurst, &GestureBurst::ended, this, &SliderView::reportGestureEnded);
    }
    keyBurst->touch();
}

void SliderView::finishKeyBurst()
{
    if (keyBurst)
        keyBurst->finish();
}

void SliderView::reportGestureStarted()
{
    platform::tellThenEmit(this, m_listener.get(), &SliderViewListener::sliderViewGestureStarted,
                           &SliderView::gestureStarted);
}

void SliderView::reportGestureEnded()
{
    platform::tellThenEmit(this, m_listener.get(), &SliderViewListener::sliderViewGestureEnded,
                           &SliderView::gestureEnded);
}

// A drag is a gesture of its own, from press to release: a key run under way ends before it.
void SliderView::userPressedSlider()
{
    finishKeyBurst();
    const QPointer<SliderView> alive(this);
    reportGestureStarted();
    if (alive)
        emit sliderPressed();
    if (alive)
        pointerHeld = true;
}

void SliderView::userReleasedSlider()
{
    const QPointer<SliderView> alive(this);
    emit sliderReleased();
    if (alive)
        reportGestureEnded();
    // From press to release, the release's own report included.
    if (alive)
        pointerHeld = false;
}

void SliderView::userDoubleClickedSlider()
{
    resetValue();
}

void SliderView::setValue(float value)
{
    setExactValue(value);
}

void SliderView::setExactValue(double value)
{
    if (mapping) {
        mappedValue = value;
        slider->setValue(float(mapping->proportionOf(value)));
        showValueText(mapping->text(value));
        return;
    }
    // Brought into the float's range first, so that no value overflows it; the slider pins.
    constexpr double largest = std::numeric_limits<float>::max();
    slider->setValue(std::isnan(value) ? float(value)
                                       : float(std::clamp(value, -largest, largest)));
    showValue(value, false);
}

void SliderView::showUserValue(double value)
{
    setExactValue(value);
    if (!mapping)
        showValue(slider->value(), true);
}

float SliderView::step() const
{
    return mapping ? float(mapping->presentation().step) : slider->step();
}

void SliderView::setStep(float step)
{
    if (!mapping) {
        slider->setStep(step);
        return;
    }
    ParameterPresentation presentation = mapping->presentation();
    presentation.step = std::isfinite(step) ? std::max(step, 0.0f) : 0.0f;
    setPresentation(presentation);
}

void SliderView::setDecimals(int decimals)
{
    valueDecimals = decimals < 0 ? -1 : std::min(decimals, mostDecimals);
    if (!mapping) {
        showValue(shownValue, shownUserChange);
        return;
    }
    ParameterPresentation presentation = mapping->presentation();
    presentation.decimals = valueDecimals;
    setPresentation(presentation);
}

void SliderView::showValue(double value, bool userChange)
{
    shownValue = value;
    shownUserChange = userChange;
    showValueText(valueText(value, userChange));
}

QString SliderView::valueText(double value, bool userChange) const
{
    if (valueDecimals >= 0)
        return QString::fromStdString(platform::NumberText::fixed(value, valueDecimals));
    if (userChange)
        return QString::fromStdString(platform::NumberText::fixed(value, defaultUserDecimals));
    // A float's shortest text where the value is one ("0.1", not "0.10000000149011612").
    const bool isFloat = std::isnan(value) || double(float(value)) == value;
    return QString::fromStdString(isFloat ? platform::NumberText::shortest(float(value))
                                          : platform::NumberText::shortest(value));
}

// The value column keeps a fixed size that only grows. A label free to change its size asks
// every ancestor's layout to run again on each new text, which on a screen of thousands of
// rows costs far more than the text itself. A text whose size hint the column already holds
// needs no more room, so only a wider (or taller or shorter) text, or a new font, asks for a
// size. The hint is the label's kept measure of the text: one text layout, also the one the
// label's layout would ask for.
void SliderView::showValueText(const QString &text)
{
    if (text == valueLabel->text())
        return;
    valueLabel->setText(text);
    const QSize needed = valueLabel->sizeHint();
    if (needed.width() > valueLabel->minimumWidth() ||
        needed.height() != valueLabel->minimumHeight()) {
        valueLabel->setFixedSize(std::max(needed.width(), valueLabel->minimumWidth()),
                                 needed.height());
        contentHintChanged();
    }
}

void SliderView::openValueEntry()
{
    if (!valueEntry) {
        valueEntry = InlineValueEditor::attachTo(valueLabel);
        connect(valueEntry, &InlineValueEditor::submitted, this, &SliderView::valueTextSubmitted);
    }
    valueEntry->openEditor();
}

bool SliderView::eventFilter(QObject *watched, QEvent *event)
{
    // Once made, the entry sees its label's events before this filter does.
    if (watched == valueLabel && !valueEntry && InlineValueEditor::opensOn(event)) {
        openValueEntry();
        return true;
    }
    // A new font or style may need another size: fit the column to the text anew.
    if (watched == valueLabel &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)) {
        valueLabel->setMinimumSize(0, 0);
        valueLabel->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QString text = valueLabel->text();
        valueLabel->clear();
        showValueText(text);
    }
    return platform::ContentHost::eventFilter(watched, event);
}

float SliderView::value() const
{
    return mapping ? float(mapping->snapped(mappedValue)) : slider->value();
}

QString SliderView::title() const
{
    return titleLabel->text();
}

void SliderView::setPresentation(const ParameterPresentation &given)
{
    // A step or decimals set on the view carry over where the presentation leaves them open.
    ParameterPresentation presentation = given;
    if (!(presentation.step > 0))
        presentation.step = step();
    if (presentation.decimals < 0)
        presentation.decimals = valueDecimals;
    presentation.decimals = valueDecimals =
        presentation.decimals < 0 ? -1 : std::min(presentation.decimals, mostDecimals);
    const double value = mapping ? mappedValue : initialValue;
    mapping = std::make_unique<ParameterMapping>(m_minimumValue, m_maximumValue, presentation);
    // The track now runs freely over proportions; the mapping snaps engine values to the step.
    slider->setStep(0.0f);
    slider->setMinimumValue(0.0f);
    slider->setMaximumValue(1.0f);
    setExactValue(value);
}

bool SliderView::isSliderDown() const
{
    return slider->isSliderDown();
}

void SliderView::setValueParser(ValueParser parser)
{
    valueParser = std::move(parser);
}

std::optional<double> SliderView::parseValueText(const QString &text) const
{
    if (valueParser)
        return valueParser(text);
    if (mapping)
        return mapping->parse(text);
    return plainNumber(text);
}

void SliderView::resetValue()
{
    commitUserValue(defaultValue());
}

float SliderView::defaultValue() const
{
    return m_defaultValue.value_or(initialValue);
}

void SliderView::setDefaultValue(float value)
{
    m_defaultValue = value;
}

void SliderView::valueTextSubmitted(const QString &text)
{
    const std::optional<double> value = parseValueText(text);
    if (!value || std::isnan(*value)) {
        valueEntry->refuse();
        return;
    }
    valueEntry->closeEditor();
    commitUserValue(*value);
}

void SliderView::commitUserValue(double value)
{
    finishKeyBurst();
    const QPointer<SliderView> alive(this);
    reportGestureStarted();
    if (!alive)
        return;
    if (mapping) {
        mappedValue = float(mapping->snapped(value));
        slider->setValue(float(mapping->proportionOf(mappedValue)));
        showValueText(mapping->text(mappedValue));
        report(float(mappedValue));
    } else {
        // Pinned in double first: a typed 1e300 must not overflow the float.
        slider->setValue(float(
            std::clamp(value, double(slider->minimumValue()), double(slider->maximumValue()))));
        showValue(slider->value(), true);
        report(slider->value());
    }
    if (alive)
        reportGestureEnded();
}

void SliderView::userChangedSlider()
{
    // Keys, wheel and assistive technology change the value without a press: a burst.
    if (!pointerHeld)
        touchKeyBurst();
    float value = slider->value();
    if (mapping) {
        const float before = float(mapping->proportionOf(mappedValue));
        value = float(mapping->valueAt(value));
        // The track's key and wheel moves are a share of it, which can be under half a step and
        // snap back: they move one whole step instead. A press or drag stays under the pointer.
        if (value == mappedValue && !pointerHeld && step() > 0)
            value = float(
                mapping->snapped(mappedValue + (slider->value() > before ? step() : -step())));
        // A snapped value puts the knob where the value it stands for is.
        slider->setValue(float(mapping->proportionOf(value)));
        if (value == mappedValue)
            return;
        mappedValue = value;
        showValueText(mapping->text(value));
    } else {
        showValue(value, true);
    }
    report(value);
}

void SliderView::report(float value)
{
    // The handler may delete this view.
    const QPointer<SliderView> alive(this);
    if (valueChangedHandler)
        valueChangedHandler(value);
    if (alive && m_listener)
        m_listener->sliderViewChanged(value);
    if (alive)
        emit valueChanged(value);
}

} // namespace NequoraUI
