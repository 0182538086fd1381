#include "ScreenSettings.h"

#include "ControllerMap.h"
#include "ParameterBinding.h"
#include "RowMarks.h"
#include "SettingsChangeCommand.h"
#include "SliderView.h"

#include <QUndoStack>

namespace NequoraUI {

ScreenSettings::ScreenSettings(GraphParameters parameters, QUndoStack *undoStack, QObject *parent)
    : QObject(parent), m_parameters(std::move(parameters)), m_undoStack(undoStack),
      m_rows(size_t(m_parameters.size())), m_otherSlot(m_parameters.readAll())
{
    m_controllers = new ControllerMap(this, this);
}

ScreenSettings::~ScreenSettings()
{
    m_controllers->finishGestures();
}

void ScreenSettings::attach(ParameterBinding *binding, const QString &nodeName)
{
    const int index = m_parameters.indexOf({nodeName, binding->name()});
    if (index < 0)
        return;
    m_rows[size_t(index)] = binding->row();
    binding->setGestureHook([this, index](bool started) {
        if (started)
            beginGesture(index);
        else
            endGesture(index);
    });
    binding->setChangeHook([this, index] { userChanged(index); });
    // By parameter, not by row: the row may be released and made again before an undo.
    binding->setUndoHook([this, index](const QString &text, const QVariant &before) {
        recordChange(text, index, before);
    });
    // The row's own reset goes where Reset All does.
    if (auto *slider = qobject_cast<SliderView *>(binding->row());
        slider && m_parameters.kind(index) == GraphParameters::Kind::Number) {
        slider->setDefaultValue(float(m_parameters.defaultValue(index).toDouble()));
        showUserNumber(index, slider);
    }
    showMark(index);
    m_controllers->attach(index, binding->row());
}

ParameterBinding *ScreenSettings::bindingAt(int index) const
{
    return ParameterBinding::of(m_rows[size_t(index)]);
}

void ScreenSettings::beginGesture(int index)
{
    emit gestureStarted(m_parameters.parameter(index));
}

void ScreenSettings::endGesture(int index)
{
    emit gestureEnded(m_parameters.parameter(index));
}

void ScreenSettings::showUserNumber(int index, SliderView *slider)
{
    const auto kept = m_userNumbers.find(index);
    if (kept == m_userNumbers.end())
        return;
    // Moved since by the engine: the row shows the engine's value, as a kept row follows it.
    if (m_parameters.read(index).toDouble() != kept->second) {
        m_userNumbers.erase(kept);
        return;
    }
    slider->showUserValue(kept->second);
}

void ScreenSettings::writeAndShow(int index, const QVariant &value)
{
    // Written here, the row shows the engine's value, as it will when made again.
    m_userNumbers.erase(index);
    m_parameters.write(index, value);
    if (ParameterBinding *row = bindingAt(index))
        row->refresh();
    showMark(index);
    emit valueShown(index);
}

void ScreenSettings::recordChange(const QString &text, int index, const QVariant &before)
{
    const QVariant after = m_parameters.read(index);
    if (m_undoStack && before != after)
        m_undoStack->push(
            new SettingsChangeCommand(text, this, {{index, before}}, {{index, after}}));
}

void ScreenSettings::userChanged(int index)
{
    if (const ParameterBinding *row = bindingAt(index);
        row && m_parameters.kind(index) == GraphParameters::Kind::Number)
        m_userNumbers[index] = row->shownValue().toDouble();
    showMark(index);
    emit marksChanged();
}

int ScreenSettings::applyAsOneChange(const QString &text, const Values &targets)
{
    Values before;
    Values after;
    for (const auto &[index, value] : targets) {
        if (!m_parameters.isWritable(index))
            continue;
        const QVariant current = m_parameters.read(index);
        if (current == value)
            continue;
        before.emplace_back(index, current);
        after.emplace_back(index, value);
    }
    if (after.empty())
        return 0;
    writeValues(after);
    // What the engine holds now: a float parameter keeps a float's nearest value.
    for (auto &[index, value] : after)
        value = m_parameters.read(index);
    if (m_undoStack)
        m_undoStack->push(new SettingsChangeCommand(text, this, std::move(before), after));
    return int(after.size());
}

void ScreenSettings::writeValues(const Values &values)
{
    for (const auto &entry : values)
        beginGesture(entry.first);
    for (const auto &[index, value] : values)
        writeAndShow(index, value);
    for (const auto &entry : values)
        endGesture(entry.first);
    emit marksChanged();
}

void ScreenSettings::resetAll()
{
    Values defaults;
    defaults.reserve(size_t(m_parameters.size()));
    for (int i = 0; i < m_parameters.size(); ++i)
        defaults.emplace_back(i, m_parameters.defaultValue(i));
    applyAsOneChange(tr("Reset All"), defaults);
}

Preset ScreenSettings::capture(const QString &name) const
{
    Preset preset{name, {}, m_controllers->bindings()};
    preset.values.reserve(size_t(m_parameters.size()));
    for (int i = 0; i < m_parameters.size(); ++i)
        if (m_parameters.isWritable(i))
            preset.values.emplace_back(m_parameters.key(i), m_parameters.read(i));
    return preset;
}

QString ScreenSettings::describe(const QString &presetName, const LoadReport &report)
{
    QStringList lines{
        tr("Loaded \"%1\": %n value(s) changed.", nullptr, report.changed).arg(presetName)};
    if (!report.pinned.isEmpty())
        lines.append(tr("Out of range, set to the nearest end: %1.").arg(report.pinned.join(", ")));
    if (!report.skipped.isEmpty())
        lines.append(tr("Skipped: %1.").arg(report.skipped.join("; ")));
    return lines.join(QLatin1Char('\n'));
}

ScreenSettings::LoadReport ScreenSettings::load(const Preset &preset)
{
    LoadReport report;
    Values targets;
    for (const auto &[key, value] : preset.values) {
        const int index = m_parameters.indexOf(key);
        const auto skip = [&](const QString &why) {
            report.skipped.append(QStringLiteral("%1: %2").arg(key.text(), why));
        };
        if (index < 0) {
            skip(tr("not on this screen"));
            continue;
        }
        if (!m_parameters.isWritable(index)) {
            skip(tr("cannot be written"));
            continue;
        }
        const auto accepted = m_parameters.accepted(index, value);
        if (!accepted) {
            skip(tr("not a value of its kind"));
            continue;
        }
        // Snapping to the step is not worth a word; landing on an end of the range is.
        if (m_parameters.kind(index) == GraphParameters::Kind::Number &&
            !m_parameters.isInRange(index, value.toDouble()))
            report.pinned.append(key.text());
        targets.emplace_back(index, *accepted);
    }
    for (const auto &skipped : m_controllers->setBindings(preset.controllers))
        report.skipped.append(skipped);
    report.changed = applyAsOneChange(tr("Load Preset %1").arg(preset.name), targets);
    return report;
}

bool ScreenSettings::differsBetweenSlots(int index) const
{
    return m_compared && m_parameters.read(index) != m_otherSlot[size_t(index)];
}

int ScreenSettings::differingCount() const
{
    int count = 0;
    for (int i = 0; i < m_parameters.size(); ++i)
        count += differsBetweenSlots(i) ? 1 : 0;
    return count;
}

void ScreenSettings::switchSlot()
{
    m_compared = true;
    swapSlots();
    if (m_undoStack)
        m_undoStack->push(new SettingsChangeCommand(
            m_slot == Slot::A ? tr("Switch to A") : tr("Switch to B"), this));
}

void ScreenSettings::swapSlots()
{
    Values targets;
    std::vector<QVariant> shown = m_parameters.readAll();
    for (int i = 0; i < m_parameters.size(); ++i)
        if (m_parameters.isWritable(i) && shown[size_t(i)] != m_otherSlot[size_t(i)])
            targets.emplace_back(i, m_otherSlot[size_t(i)]);
    m_otherSlot = std::move(shown);
    m_slot = m_slot == Slot::A ? Slot::B : Slot::A;
    writeValues(targets);
    showAllMarks();
    emit slotChanged(m_slot);
}

// Copying the shown slot into the other one writes nothing; copying the other one into the
// shown slot writes its values, as one undo entry.
void ScreenSettings::copyAToB()
{
    copy(m_slot == Slot::A, tr("Copy A to B"));
}

void ScreenSettings::copyBToA()
{
    copy(m_slot == Slot::B, tr("Copy B to A"));
}

void ScreenSettings::copyShownSlot()
{
    if (m_slot == Slot::A)
        copyAToB();
    else
        copyBToA();
}

void ScreenSettings::copy(bool fromShown, const QString &text)
{
    if (fromShown) {
        m_otherSlot = m_parameters.readAll();
    } else {
        Values targets;
        for (int i = 0; i < m_parameters.size(); ++i)
            targets.emplace_back(i, m_otherSlot[size_t(i)]);
        applyAsOneChange(text, targets);
    }
    m_compared = true;
    showAllMarks();
}

void ScreenSettings::showMark(int index)
{
    ParameterBinding *row = bindingAt(index);
    if (!row)
        return;
    // Most rows never differ: they get no marks until one does.
    const bool differs = differsBetweenSlots(index);
    if (RowMarks *marks = differs ? RowMarks::of(row->row()) : RowMarks::find(row->row()))
        marks->setDiffersBetweenSlots(differs);
}

void ScreenSettings::showAllMarks()
{
    for (int i = 0; i < m_parameters.size(); ++i)
        showMark(i);
    emit marksChanged();
}

} // namespace NequoraUI
