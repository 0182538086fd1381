#pragma once

#include <QPointer>
#include <QUndoCommand>
#include <QVariant>
#include <utility>
#include <vector>

namespace NequoraUI {

class ScreenSettings;

// One change to many parameters of a screen (reset, preset, A/B, a controller's move), for its
// undo stack. Like a row's change it has happened when pushed, so the first redo does nothing.
// A switch between A and B is undone by switching back, slots and all.
class SettingsChangeCommand : public QUndoCommand
{
public:
    using Values = std::vector<std::pair<int, QVariant>>;

    SettingsChangeCommand(const QString &text, ScreenSettings *settings, Values before,
                          Values after);
    // A switch between the slots.
    SettingsChangeCommand(const QString &text, ScreenSettings *settings);

    void undo() override;
    void redo() override;

private:
    void apply(const Values &values);

    QPointer<ScreenSettings> m_settings;
    const Values m_before;
    const Values m_after;
    const bool m_switch = false;
    bool m_done = true;
};

} // namespace NequoraUI
