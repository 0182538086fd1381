#include "ParameterBinding.h"

#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "PickerView.h"
#include "SaturatingConversion.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "ValueChangeCommand.h"
#include "platform/Switch.h"

#include <QUndoStack>

namespace NequoraUI {

namespace {

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

float floatOf(const QVariant &value)
{
    return float(value.toDouble());
}

template <typename... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};

} // namespace

// A row is made for each parameter a screen shows, thousands at a time: the binding keeps
// what it needs in place (no objects or connections of its own), and its row tells it of
// each user change.
ParameterBinding::ParameterBinding(QWidget *row, const std::shared_ptr<NQParameter> &parameter,
                                   Control control, Access access, QUndoStack *undoStack,
                                   QList<ParameterPresentation::Choice> choices,
                                   TextWriter writeText)
    : m_row(row), m_name(text(parameter->name())), m_parameter(parameter),
      m_access(std::move(access)), m_choices(std::move(choices)), m_writeText(std::move(writeText)),
      m_undoStack(undoStack), m_control(control)
{
    m_shown = read();
}

// Deleted by its row, which tells it nothing more.
ParameterBinding::~ParameterBinding() = default;

// Gives the row its new binding to keep, as the listener it tells.
template <typename View>
ParameterBinding *
ParameterBinding::adoptedBy(View *view, Control control, Access access,
                            const std::shared_ptr<NQParameter> &parameter, QUndoStack *undoStack,
                            QList<ParameterPresentation::Choice> choices, TextWriter writeText)
{
    std::unique_ptr<ParameterBinding> binding(
        new ParameterBinding(view, parameter, control, std::move(access), undoStack,
                             std::move(choices), std::move(writeText)));
    ParameterBinding *kept = binding.get();
    view->setListener(std::move(binding));
    return kept;
}

std::optional<ParameterBinding::Access>
ParameterBinding::numberAccess(const std::shared_ptr<NQParameter> &parameter)
{
    if (auto p = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
        return Access(std::move(p));
    if (auto p = std::dynamic_pointer_cast<NQIntParameter>(parameter))
        return Access(std::move(p));
    if (auto p = std::dynamic_pointer_cast<NQUIntParameter>(parameter))
        return Access(std::move(p));
    return std::nullopt;
}

ParameterBinding *ParameterBinding::bind(QWidget *row,
                                         const std::shared_ptr<NQParameter> &parameter,
                                         QUndoStack *undoStack,
                                         const std::optional<ParameterPresentation> &presentation,
                                         TextWriter writeText)
{
    if (!row || !parameter)
        return nullptr;
    if (qobject_cast<SliderView *>(row))
        return bindSlider(row, parameter, undoStack);
    if (presentation && !presentation->choices.isEmpty() &&
        (qobject_cast<SegmentedView *>(row) || qobject_cast<PickerView *>(row)))
        return bindChoices(row, parameter, undoStack, *presentation);
    auto *switchView = qobject_cast<SwitchView *>(row);
    auto boolParameter = std::dynamic_pointer_cast<NQBoolParameter>(parameter);
    if (switchView && boolParameter)
        return adoptedBy(switchView, Control::Switch, std::move(boolParameter), parameter,
                         undoStack);
    return bindText(row, parameter, undoStack, std::move(writeText));
}

ParameterBinding *ParameterBinding::of(const QWidget *row)
{
    if (!row)
        return nullptr;
    if (const auto *slider = qobject_cast<const SliderView *>(row))
        return dynamic_cast<ParameterBinding *>(slider->listener());
    RowViewListener *listener = nullptr;
    if (const auto *view = qobject_cast<const SwitchView *>(row))
        listener = view->listener();
    else if (const auto *segments = qobject_cast<const SegmentedView *>(row))
        listener = segments->listener();
    else if (const auto *picker = qobject_cast<const PickerView *>(row))
        listener = picker->listener();
    else if (const auto *field = qobject_cast<const TextFieldView *>(row))
        listener = field->listener();
    // A host may have given the row a listener of its own.
    return dynamic_cast<ParameterBinding *>(listener);
}

ParameterBinding *ParameterBinding::bindText(QWidget *row,
                                             const std::shared_ptr<NQParameter> &parameter,
                                             QUndoStack *undoStack, TextWriter writeText)
{
    auto *field = qobject_cast<TextFieldView *>(row);
    // Held weakly: a text field keeps no parameter alive, and its edits are not written.
    std::weak_ptr<NQStringParameter> stringParameter =
        std::dynamic_pointer_cast<NQStringParameter>(parameter);
    if (!field || stringParameter.expired())
        return nullptr;
    return adoptedBy(field, Control::Text, std::move(stringParameter), parameter, undoStack, {},
                     std::move(writeText));
}

// A segmented control or picker row: the engine value is one of the choices' values.
ParameterBinding *ParameterBinding::bindChoices(QWidget *row,
                                                const std::shared_ptr<NQParameter> &parameter,
                                                QUndoStack *undoStack,
                                                const ParameterPresentation &presentation)
{
    auto access = numberAccess(parameter);
    if (!access)
        return nullptr;
    auto *segments = qobject_cast<SegmentedView *>(row);
    if (segments)
        return adoptedBy(segments, Control::Segments, std::move(*access), parameter, undoStack,
                         presentation.choices);
    return adoptedBy(static_cast<PickerView *>(row), Control::Picker, std::move(*access), parameter,
                     undoStack, presentation.choices);
}

// A slider's drag is told by its gestures too (the knob is down when one starts), and the row
// tells them to its binding directly.
ParameterBinding *ParameterBinding::bindSlider(QWidget *row,
                                               const std::shared_ptr<NQParameter> &parameter,
                                               QUndoStack *undoStack)
{
    auto access = numberAccess(parameter);
    if (!access)
        return nullptr;
    return adoptedBy(static_cast<SliderView *>(row), Control::Slider, std::move(*access), parameter,
                     undoStack);
}

QVariant ParameterBinding::read() const
{
    return std::visit(
        Overloaded{[](const std::shared_ptr<NQBoolParameter> &p) { return QVariant(p->value()); },
                   [](const std::weak_ptr<NQStringParameter> &weak) {
                       const auto p = weak.lock();
                       return p ? QVariant(text(p->value())) : QVariant();
                   },
                   [](const auto &p) { return QVariant(double(p->value())); }},
        m_access);
}

bool ParameterBinding::canWrite() const
{
    return m_control != Control::Text || bool(m_writeText);
}

void ParameterBinding::write(const QVariant &value) const
{
    std::visit(
        Overloaded{[&](const std::shared_ptr<NQFloatParameter> &p) { p->setValue(floatOf(value)); },
                   [&](const std::shared_ptr<NQIntParameter> &p) {
                       p->setValue(SaturatingConversion::toInt32(floatOf(value)));
                   },
                   [&](const std::shared_ptr<NQUIntParameter> &p) {
                       p->setValue(SaturatingConversion::toUInt32(floatOf(value)));
                   },
                   [&](const std::shared_ptr<NQBoolParameter> &p) { p->setValue(value.toBool()); },
                   [&](const std::weak_ptr<NQStringParameter> &) {
                       if (m_writeText)
                           m_writeText(value.toString());
                   }},
        m_access);
}

qsizetype ParameterBinding::choiceIndex(const QVariant &value) const
{
    for (qsizetype i = 0; i < m_choices.size(); ++i)
        if (m_choices[i].value == value.toDouble())
            return i;
    return -1;
}

void ParameterBinding::show(const QVariant &value)
{
    switch (m_control) {
    case Control::Slider:
        static_cast<SliderView *>(row())->setExactValue(value.toDouble());
        return;
    case Control::Switch:
        if (auto *view = static_cast<SwitchView *>(row()); view->toggleSwitch)
            view->toggleSwitch->setOn(value.toBool());
        return;
    case Control::Segments:
        static_cast<SegmentedView *>(row())->setSelectedIndex(int(choiceIndex(value)));
        return;
    case Control::Picker: {
        const qsizetype index = choiceIndex(value);
        static_cast<PickerView *>(row())->setCurrentValue(index >= 0 ? m_choices[index].label
                                                                     : value.toString());
        return;
    }
    case Control::Text:
        if (value.isValid())
            static_cast<TextFieldView *>(row())->setText(value.toString());
        return;
    }
}

bool ParameterBinding::controlIsEditing() const
{
    if (m_control == Control::Slider)
        return static_cast<SliderView *>(row())->isSliderDown();
    if (m_control == Control::Text)
        return static_cast<TextFieldView *>(row())->isEditing();
    return false;
}

bool ParameterBinding::isEditing() const
{
    return m_inGesture || controlIsEditing();
}

void ParameterBinding::follow()
{
    if (isEditing())
        return;
    const QVariant value = read();
    if (value == m_shown)
        return;
    m_shown = value;
    show(value);
}

void ParameterBinding::apply(const QVariant &value)
{
    if (canWrite())
        write(value);
    m_shown = value;
    show(value);
}

void ParameterBinding::refresh()
{
    m_shown = read();
    show(m_shown);
}

void ParameterBinding::userChanged(const QVariant &shown)
{
    const QVariant before = m_shown;
    m_shown = shown;
    if (m_changeHook)
        m_changeHook();
    if (m_inGesture) {
        m_gestureChanged = true;
        return;
    }
    record(before, read());
}

void ParameterBinding::tellGesture(bool started) const
{
    if (m_gestureHook)
        m_gestureHook(started);
}

void ParameterBinding::sliderViewChanged(float value)
{
    userChanged(double(value));
}

// A press starts a drag: the knob is down when its gesture starts. Gestures that start while it
// is held (a reset by double-click) belong to the drag.
void ParameterBinding::sliderViewGestureStarted()
{
    // The binding goes with its row.
    const QPointer<QWidget> alive(m_row);
    tellGesture(true);
    if (alive && !m_inGesture && controlIsEditing())
        gestureBegan();
}

// The drag ends at the release, which ends its gesture with the knob let go.
void ParameterBinding::sliderViewGestureEnded()
{
    const QPointer<QWidget> alive(m_row);
    if (!controlIsEditing())
        gestureEnded();
    if (alive)
        tellGesture(false);
}

// A switch, segment or picker row: the handler wrote the change before this is told; a switch
// shows what the user chose even where the engine did not take it.
// A text field: the edit is written before this is told, so its gesture has nothing to bracket
// but still tells the host a user change happened.
void ParameterBinding::rowViewChanged()
{
    if (m_control == Control::Switch) {
        userChanged(static_cast<SwitchView *>(m_row)->isOn());
        return;
    }
    if (m_control != Control::Text) {
        userChanged(read());
        return;
    }
    const QPointer<QWidget> alive(m_row);
    tellGesture(true);
    if (alive)
        userChanged(read());
    if (alive)
        tellGesture(false);
}

void ParameterBinding::rowViewGestureStarted()
{
    tellGesture(true);
}

void ParameterBinding::rowViewGestureEnded()
{
    tellGesture(false);
}

void ParameterBinding::gestureBegan()
{
    m_inGesture = true;
    m_gestureChanged = false;
    m_gestureStart = m_shown;
}

void ParameterBinding::gestureEnded()
{
    if (!m_inGesture)
        return;
    m_inGesture = false;
    if (m_gestureChanged)
        record(m_gestureStart, read());
}

void ParameterBinding::record(const QVariant &oldValue, const QVariant &newValue)
{
    if (!canWrite() || oldValue == newValue)
        return;
    const QString text = tr("Change %1").arg(m_name);
    if (m_undoHook) {
        m_undoHook(text, oldValue);
        return;
    }
    // Through the row, which the command watches: the binding goes with it.
    if (m_undoStack)
        m_undoStack->push(new ValueChangeCommand(
            text, m_row,
            [row = m_row](const QVariant &value) {
                if (ParameterBinding *binding = of(row))
                    binding->apply(value);
            },
            oldValue, newValue));
}

} // namespace NequoraUI
