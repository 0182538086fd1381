#include "PresetLoadCommand.h"

#include "Lv2PluginNode.h"

PresetLoadCommand::PresetLoadCommand(const QString &text, std::weak_ptr<Lv2PluginNode> node,
                                     std::vector<Change> changes)
    : QUndoCommand(text), node(std::move(node)), writes(std::move(changes))
{}

void PresetLoadCommand::undo()
{
    if (const auto target = node.lock())
        for (const Change &change : writes)
            target->setControl(change.symbol, change.before);
}

void PresetLoadCommand::redo()
{
    if (const auto target = node.lock())
        for (const Change &change : writes)
            target->setControl(change.symbol, change.after);
}
