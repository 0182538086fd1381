#include "GraphRowEditor.h"

#include "ParameterRowCache.h"
#include "ValueChangeCommand.h"

#include <algorithm>

namespace NequoraUI {

GraphRowEditor::GraphRowEditor(ParameterRowCache &rows, QUndoStack *undoStack,
                               GestureHandler gestureHandler)
    : m_rows(rows), m_undoStack(undoStack), m_gestureHandler(std::move(gestureHandler))
{
    if (!m_undoStack)
        m_undoStack = new QUndoStack(this);
}

void GraphRowEditor::write(int ordinal, const QVariant &value)
{
    emit aboutToWrite();
    // A single change outside a drag is a gesture of its own.
    const bool single = m_gestureOrdinal != ordinal;
    const std::shared_ptr<NQParameter> parameter = m_rows.parameter(ordinal);
    if (single)
        reportGesture(parameter, true);
    const QVariant before = m_rows.described(ordinal).shown;
    const QVariant written = m_rows.write(ordinal, value);
    if (written.isValid()) {
        if (before != written)
            emit valueChanged(ordinal);
        if (single)
            record(ordinal, before, written);
    }
    if (single)
        reportGesture(parameter, false);
}

void GraphRowEditor::record(int ordinal, const QVariant &oldValue, const QVariant &newValue)
{
    if (!m_undoStack || oldValue == newValue)
        return;
    // Rows are found again by what they show, so undo works after a filter or a fold.
    const auto apply = [this, ordinal](const QVariant &value) {
        m_rows.write(ordinal, value);
        emit valueChanged(ordinal);
    };
    m_undoStack->push(
        new ValueChangeCommand(tr("Change %1").arg(m_rows.described(ordinal).row->title()), this,
                               apply, oldValue, newValue));
}

void GraphRowEditor::reportGesture(const std::shared_ptr<NQParameter> &parameter, bool started)
{
    if (m_gestureHandler)
        m_gestureHandler(parameter, started);
    if (started)
        emit gestureStarted(parameter);
    else
        emit gestureEnded(parameter);
}

void GraphRowEditor::writeProportion(int ordinal, double proportion)
{
    if (const ParameterRow &row = *m_rows.described(ordinal).row; row.isNumber())
        write(ordinal, row.valueAt(std::clamp(proportion, 0.0, 1.0)));
}

void GraphRowEditor::stepBy(int ordinal, double share)
{
    const auto &described = m_rows.described(ordinal);
    const ParameterRow &row = *described.row;
    if (share == 0 || !row.isNumber() || row.isReadOnly())
        return;
    const double current = described.shown.toDouble();
    double target = row.valueAt(std::clamp(row.proportion(described.shown) + share, 0.0, 1.0));
    // A share under half a step snaps back to where it was: one whole step instead, so a key
    // always moves a stepped row.
    const double step = row.isInteger() ? std::max(1.0, row.step()) : row.step();
    if (target == current && step > 0)
        target = current + (share > 0 ? step : -step);
    write(ordinal, target);
}

bool GraphRowEditor::writeTyped(int ordinal, const QString &text)
{
    const auto parsed = m_rows.described(ordinal).row->parse(text);
    if (!parsed)
        return false;
    write(ordinal, *parsed);
    return true;
}

void GraphRowEditor::choose(int ordinal, int choiceIndex)
{
    const auto &mapping = m_rows.described(ordinal).row->mapping();
    if (!mapping)
        return;
    const auto &choices = mapping->presentation().choices;
    if (choiceIndex >= 0 && choiceIndex < choices.size())
        write(ordinal, choices[choiceIndex].value);
}

void GraphRowEditor::reset(int ordinal)
{
    write(ordinal, m_rows.initial(ordinal));
}

void GraphRowEditor::beginGesture(int ordinal)
{
    if (m_rows.described(ordinal).row->isReadOnly())
        return;
    // A drag whose end never came (its delegate went) ends where the next one starts.
    finishGesture();
    m_gestureOrdinal = ordinal;
    m_gestureStart = m_rows.described(ordinal).shown;
    reportGesture(m_rows.parameter(ordinal), true);
}

void GraphRowEditor::endGesture(int ordinal)
{
    if (m_gestureOrdinal >= 0 && m_gestureOrdinal == ordinal)
        finishGesture();
}

void GraphRowEditor::finishGesture()
{
    const int ordinal = std::exchange(m_gestureOrdinal, -1);
    if (ordinal < 0)
        return;
    record(ordinal, m_gestureStart, m_rows.described(ordinal).shown);
    reportGesture(m_rows.parameter(ordinal), false);
}

} // namespace NequoraUI
