#include "RowWidgetMaker.h"

#include "LiveValueView.h"
#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "ParameterMapping.h"
#include "ParameterRow.h"
#include "PickerView.h"
#include "RowMarks.h"
#include "SaturatingConversion.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"

#include <cmath>
#include <limits>

namespace NequoraUI {

namespace {

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QWidget *switchFor(std::shared_ptr<NQBoolParameter> parameter, QWidget *parent)
{
    const bool value = parameter->value();
    return new SwitchView(
        text(parameter->name()), value, [parameter](bool isOn) { parameter->setValue(isOn); },
        parent);
}

QWidget *sliderFor(std::shared_ptr<NQFloatParameter> parameter, QWidget *parent)
{
    return new SliderView(
        text(parameter->name()), parameter->value(), parameter->minimumValue(),
        parameter->maximumValue(), [parameter](float value) { parameter->setValue(value); },
        parent);
}

// The float nearest to an integer bound that does not lie beyond it, so that every whole value
// the slider can reach converts back to the integer it shows (float(INT32_MAX) is 2^31).
// Inside means towards +infinity for a minimum and -infinity for a maximum.
float boundInside(double bound, float inside)
{
    const float nearest = float(bound);
    const bool beyond = inside > 0 ? double(nearest) < bound : double(nearest) > bound;
    return beyond ? std::nextafter(nearest, inside) : nearest;
}

// Whole steps and whole-number text: the label always shows the integer that was written.
template <typename Parameter, typename Write>
QWidget *integerSliderFor(const Parameter &parameter, Write write, QWidget *parent)
{
    constexpr float up = std::numeric_limits<float>::infinity();
    auto *slider = new SliderView(text(parameter->name()), float(parameter->value()),
                                  boundInside(double(parameter->minimumValue()), up),
                                  boundInside(double(parameter->maximumValue()), -up),
                                  std::move(write), parent);
    slider->setStep(1.0f);
    slider->setDecimals(0);
    // The engine's integer itself: a float holds only some of those beyond 2^24.
    slider->setExactValue(double(parameter->value()));
    return slider;
}

QWidget *sliderFor(std::shared_ptr<NQIntParameter> parameter, QWidget *parent)
{
    return integerSliderFor(
        parameter,
        [parameter](float value) { parameter->setValue(SaturatingConversion::toInt32(value)); },
        parent);
}

QWidget *sliderFor(std::shared_ptr<NQUIntParameter> parameter, QWidget *parent)
{
    return integerSliderFor(
        parameter,
        [parameter](float value) { parameter->setValue(SaturatingConversion::toUInt32(value)); },
        parent);
}

// A number without a presentation keeps the plain slider of its own type; integers are
// truncated on the way back.
QWidget *plainSliderFor(const std::shared_ptr<NQParameter> &parameter, QWidget *parent)
{
    if (auto floatParameter = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
        return sliderFor(std::move(floatParameter), parent);
    if (auto intParameter = std::dynamic_pointer_cast<NQIntParameter>(parameter))
        return sliderFor(std::move(intParameter), parent);
    return sliderFor(std::dynamic_pointer_cast<NQUIntParameter>(parameter), parent);
}

template <typename Writer>
QWidget *textFieldFor(const std::shared_ptr<NQStringParameter> &parameter, const Writer &writer,
                      QWidget *parent)
{
    auto *field = new TextFieldView(text(parameter->name()), text(parameter->value()), parent);
    if (!writer) {
        field->setReadOnly(true);
        return field;
    }
    // The field reports only edits that changed its text.
    QObject::connect(
        field, &TextFieldView::editingFinished, field,
        [parameter, writer](const QString &edited) { writer(parameter, edited.toStdString()); });
    return field;
}

// A segmented control, or a picker row for long lists. A choice writes its value; nothing is
// selected while the engine holds a value that is not one of the choices.
QWidget *choiceControl(const ParameterRow &row, ViewControllerPresenter *presenter, QWidget *parent)
{
    const QStringList labels = row.choices();
    const auto write = [row](qsizetype index) { row.writeChoice(int(index)); };
    if (row.kind() == ParameterRow::Kind::Segments) {
        auto *view = new SegmentedView(row.title(), labels, write, parent);
        view->setSelectedIndex(row.choiceIndex());
        return view;
    }
    return new PickerView(
        presenter, row.title(), row.valueText(), labels,
        [write, labels](const QString &label) { write(labels.indexOf(label)); }, parent);
}

// A slider over the row's scale, with its unit, transform and step.
QWidget *presentedSlider(const ParameterRow &row, QWidget *parent)
{
    const double value = row.value().toDouble();
    constexpr float up = std::numeric_limits<float>::infinity();
    // Whole numbers keep to bounds whose every reachable value converts back (see boundInside).
    const float minimum = row.isInteger() ? boundInside(row.minimum(), up) : float(row.minimum());
    const float maximum = row.isInteger() ? boundInside(row.maximum(), -up) : float(row.maximum());
    auto *slider = new SliderView(
        row.title(), float(value), minimum, maximum,
        [row](float value) { row.write(double(value)); }, parent);
    slider->setPresentation(row.mapping()->presentation());
    slider->setExactValue(value);
    return slider;
}

} // namespace

void RowWidgetMaker::describe(QWidget *row,
                              const std::optional<ParameterPresentation> &presentation)
{
    if (!presentation)
        return;
    if (!presentation->description.isEmpty())
        RowMarks::of(row)->setDescription(presentation->description);
    if (auto *slider = qobject_cast<SliderView *>(row); slider && presentation->defaultValue)
        slider->setDefaultValue(float(*presentation->defaultValue));
}

// The control is the one the shared row rule names; numbers without a presentation keep the
// plain slider of their own type.
QWidget *RowWidgetMaker::make(const std::shared_ptr<NQParameter> &parameter,
                              const std::optional<ParameterPresentation> &presentation,
                              const StringWriter &stringWriter, ViewControllerPresenter *presenter,
                              QWidget *parent)
{
    using Kind = ParameterRow::Kind;
    const auto kind = ParameterRow::kindOf(parameter, presentation);
    if (!kind)
        return nullptr;
    if (*kind == Kind::Switch)
        return switchFor(std::dynamic_pointer_cast<NQBoolParameter>(parameter), parent);
    // Strings are read-only unless the host can write them.
    if (*kind == Kind::TextField)
        return textFieldFor(std::dynamic_pointer_cast<NQStringParameter>(parameter), stringWriter,
                            parent);
    // A plain slider needs no row description: a screen makes thousands of them.
    if (*kind == Kind::Slider && !presentation)
        return plainSliderFor(parameter, parent);
    const auto row = ParameterRow::describe(parameter, presentation);
    switch (*kind) {
    case Kind::ReadOnly:
        return new LiveValueView(
            row->title(), [row = *row] { return row.valueText(); }, parent);
    case Kind::Segments:
    case Kind::Picker:
        return choiceControl(*row, presenter, parent);
    default:
        return presentedSlider(*row, parent);
    }
}

} // namespace NequoraUI
