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

// Reading and writing a number parameter of any kind as a double; empty for other kinds.
std::pair<std::function<QVariant()>, std::function<void(const QVariant &)>>
numberAccess(const std::shared_ptr<NQParameter> &parameter)
{
    if (auto p = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
        return {[p] { return QVariant(double(p->value())); },
                [p](const QVariant &v) { p->setValue(floatOf(v)); }};
    if (auto p = std::dynamic_pointer_cast<NQIntParameter>(parameter))
        return {[p] { return QVariant(double(p->value())); },
                [p](const QVariant &v) { p->setValue(SaturatingConversion::toInt32(floatOf(v))); }};
    if (auto p = std::dynamic_pointer_cast<NQUIntParameter>(parameter))
        return {
            [p] { return QVariant(double(p->value())); },
            [p](const QVariant &v) { p->setValue(SaturatingConversion::toUInt32(floatOf(v))); }};
    return {};
}

} // namespace

ParameterBinding::ParameterBinding(QWidget *row, const std::shared_ptr<NQParameter> &parameter,
                                   Access access, QUndoStack *undoStack)
    : QObject(row), m_name(text(parameter->name())), m_parameter(parameter),
      m_access(std::move(access)), m_undoStack(undoStack), m_shown(m_access.read())
{}

template <typename Row> void ParameterBinding::reportGestures(Row *row)
{
    connect(row, &Row::gestureStarted, this, [this] {
        if (m_gestureHook)
            m_gestureHook(true);
    });
    connect(row, &Row::gestureEnded, this, [this] {
        if (m_gestureHook)
            m_gestureHook(false);
    });
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
    if (switchView && boolParameter) {
        const QPointer<SwitchView> view(switchView);
        auto *binding = new ParameterBinding(
            row, parameter,
            {[boolParameter] { return QVariant(boolParameter->value()); },
             [boolParameter](const QVariant &v) { boolParameter->setValue(v.toBool()); },
             [view](const QVariant &v) {
                 if (view && view->toggleSwitch)
                     view->toggleSwitch->setOn(v.toBool());
             },
             [] { return false; }},
            undoStack);
        connect(switchView, &SwitchView::toggled, binding,
                [binding](bool on) { binding->userChanged(on); });
        binding->reportGestures(switchView);
        return binding;
    }
    return bindText(row, parameter, undoStack, std::move(writeText));
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
    std::function<void(const QVariant &)> write;
    if (writeText)
        write = [writeText](const QVariant &v) { writeText(v.toString()); };
    auto *binding = new ParameterBinding(row, parameter,
                                         {[stringParameter] {
                                              const auto p = stringParameter.lock();
                                              return p ? QVariant(text(p->value())) : QVariant();
                                          },
                                          std::move(write),
                                          [field](const QVariant &v) {
                                              if (v.isValid())
                                                  field->setText(v.toString());
                                          },
                                          [field] { return field->isEditing(); }},
                                         undoStack);
    // After the generator's own handler wrote the edit: the engine holds the new text.
    connect(field, &TextFieldView::editingFinished, binding, [binding] {
        // The edit is written before this is told: its gesture has nothing to bracket but
        // still tells the host a user change happened.
        if (binding->m_gestureHook)
            binding->m_gestureHook(true);
        binding->userChanged(binding->m_access.read());
        if (binding->m_gestureHook)
            binding->m_gestureHook(false);
    });
    return binding;
}

// A segmented control or picker row: the engine value is one of the choices' values.
ParameterBinding *ParameterBinding::bindChoices(QWidget *row,
                                                const std::shared_ptr<NQParameter> &parameter,
                                                QUndoStack *undoStack,
                                                const ParameterPresentation &presentation)
{
    auto [read, write] = numberAccess(parameter);
    if (!read)
        return nullptr;
    const auto choices = presentation.choices;
    const auto choiceIndex = [choices](const QVariant &v) {
        for (qsizetype i = 0; i < choices.size(); ++i)
            if (choices[i].value == v.toDouble())
                return i;
        return qsizetype(-1);
    };
    std::function<void(const QVariant &)> show;
    if (auto *segments = qobject_cast<SegmentedView *>(row))
        show = [segments, choiceIndex](const QVariant &v) {
            segments->setSelectedIndex(int(choiceIndex(v)));
        };
    else
        show = [picker = static_cast<PickerView *>(row), choiceIndex, choices](const QVariant &v) {
            const qsizetype index = choiceIndex(v);
            picker->setCurrentValue(index >= 0 ? choices[index].label : v.toString());
        };
    auto *binding = new ParameterBinding(
        row, parameter, {std::move(read), std::move(write), std::move(show), [] { return false; }},
        undoStack);
    const auto chosen = [binding] { binding->userChanged(binding->m_access.read()); };
    if (auto *segments = qobject_cast<SegmentedView *>(row)) {
        connect(segments, &SegmentedView::selectedSegmentChanged, binding, chosen);
        binding->reportGestures(segments);
    } else {
        auto *picker = static_cast<PickerView *>(row);
        connect(picker, &PickerView::selectionChanged, binding, chosen);
        binding->reportGestures(picker);
    }
    return binding;
}

ParameterBinding *ParameterBinding::bindSlider(QWidget *row,
                                               const std::shared_ptr<NQParameter> &parameter,
                                               QUndoStack *undoStack)
{
    auto [read, write] = numberAccess(parameter);
    if (!read)
        return nullptr;
    auto *slider = static_cast<SliderView *>(row);
    auto *binding =
        new ParameterBinding(row, parameter,
                             {std::move(read), std::move(write),
                              [slider](const QVariant &v) { slider->setExactValue(v.toDouble()); },
                              [slider] { return slider->isSliderDown(); }},
                             undoStack);
    connect(slider, &SliderView::valueChanged, binding,
            [binding](float value) { binding->userChanged(double(value)); });
    connect(slider, &SliderView::sliderPressed, binding, &ParameterBinding::gestureBegan);
    connect(slider, &SliderView::sliderReleased, binding, &ParameterBinding::gestureEnded);
    binding->reportGestures(slider);
    return binding;
}

QWidget *ParameterBinding::row() const
{
    return static_cast<QWidget *>(parent());
}

bool ParameterBinding::isEditing() const
{
    return m_inGesture || m_access.editing();
}

void ParameterBinding::follow()
{
    if (isEditing())
        return;
    const QVariant value = m_access.read();
    if (value == m_shown)
        return;
    m_shown = value;
    m_access.show(value);
}

void ParameterBinding::apply(const QVariant &value)
{
    if (m_access.write)
        m_access.write(value);
    m_shown = value;
    m_access.show(value);
}

void ParameterBinding::refresh()
{
    m_shown = m_access.read();
    m_access.show(m_shown);
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
    record(before, m_access.read());
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
        record(m_gestureStart, m_access.read());
}

void ParameterBinding::record(const QVariant &oldValue, const QVariant &newValue)
{
    if (!m_access.write || oldValue == newValue)
        return;
    const QString text = tr("Change %1").arg(m_name);
    if (m_undoHook) {
        m_undoHook(text, oldValue);
        return;
    }
    if (m_undoStack)
        m_undoStack->push(new ValueChangeCommand(
            text, this, [this](const QVariant &value) { apply(value); }, oldValue, newValue));
}

} // namespace NequoraUI
