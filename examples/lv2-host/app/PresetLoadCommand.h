#pragma once

#include <QUndoCommand>

#include <memory>
#include <string>
#include <vector>

class Lv2PluginNode;

// Loading a factory preset as one entry of the screen's undo stack: every control the preset
// sets is written through its parameter (the path of a user's change), and undo writes back
// what each had before. The rows follow their parameters, so the screen shows either.
class PresetLoadCommand : public QUndoCommand
{
public:
    struct Change
    {
        std::string symbol;
        double before = 0;
        double after = 0;
    };

    PresetLoadCommand(const QString &text, std::weak_ptr<Lv2PluginNode> node,
                      std::vector<Change> changes);

    void undo() override;
    void redo() override;

    const std::vector<Change> &changes() const { return writes; }

private:
    std::weak_ptr<Lv2PluginNode> node;
    const std::vector<Change> writes;
};
