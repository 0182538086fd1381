#include "ValueChangeCommand.h"

namespace NequoraUI {

ValueChangeCommand::ValueChangeCommand(const QString &text, QObject *target, Apply apply,
                                       QVariant oldValue, QVariant newValue)
    : QUndoCommand(text), m_target(target), m_apply(std::move(apply)),
      m_oldValue(std::move(oldValue)), m_newValue(std::move(newValue))
{}

void ValueChangeCommand::undo()
{
    m_done = false;
    applyValue(m_oldValue);
}

void ValueChangeCommand::redo()
{
    // QUndoStack::push() redoes at once; the user already made this change.
    if (m_done)
        return;
    m_done = true;
    applyValue(m_newValue);
}

void ValueChangeCommand::applyValue(const QVariant &value)
{
    if (m_target && m_apply)
        m_apply(value);
    else
        setObsolete(true);
}

} // namespace NequoraUI
