#include "SettingsChangeCommand.h"

#include "ScreenSettings.h"

namespace NequoraUI {

SettingsChangeCommand::SettingsChangeCommand(const QString &text, ScreenSettings *settings,
                                             Values before, Values after)
    : QUndoCommand(text), m_settings(settings), m_before(std::move(before)),
      m_after(std::move(after))
{}

SettingsChangeCommand::SettingsChangeCommand(const QString &text, ScreenSettings *settings)
    : QUndoCommand(text), m_settings(settings), m_switch(true)
{}

void SettingsChangeCommand::undo()
{
    m_done = false;
    apply(m_before);
}

void SettingsChangeCommand::redo()
{
    if (m_done)
        return;
    m_done = true;
    apply(m_after);
}

void SettingsChangeCommand::apply(const Values &values)
{
    if (!m_settings) {
        setObsolete(true);
        return;
    }
    if (m_switch)
        m_settings->swapSlots();
    else
        m_settings->writeValues(values);
}

} // namespace NequoraUI
