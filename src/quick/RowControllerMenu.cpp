#include "RowControllerMenu.h"

#include "ControllerMap.h"
#include "ScreenSettings.h"

namespace NequoraUI {

RowControllerMenu::RowControllerMenu(QObject *parent) : QObject(parent) {}

QStringList RowControllerMenu::texts(int row)
{
    const int index = m_graph ? m_graph->settingsIndex(row) : -1;
    if (index < 0)
        return {};
    const ControllerMap *controllers = m_graph->settings()->controllers();
    QStringList items{controllers->learningIndex() == index ? tr("Cancel MIDI Learn")
                                                            : tr("Learn MIDI Controller")};
    if (const auto binding = controllers->bindingOf(index))
        items.append(tr("Forget MIDI Controller (%1)").arg(binding->text()));
    return items;
}

void RowControllerMenu::choose(int row, int item)
{
    const int index = m_graph ? m_graph->settingsIndex(row) : -1;
    if (index < 0)
        return;
    ControllerMap *controllers = m_graph->settings()->controllers();
    if (item == 0 && controllers->learningIndex() == index)
        controllers->cancelLearning();
    else if (item == 0)
        m_graph->learn(row);
    else if (item == 1)
        m_graph->forget(row);
}

} // namespace NequoraUI
