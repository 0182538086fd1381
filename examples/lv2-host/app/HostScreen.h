#pragma once

#include "ParameterPresentation.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <QUrl>

#include <cstdint>
#include <memory>
#include <string>

class Lv2PluginNode;
class Lv2Rack;
class QWidget;

namespace NequoraUI {
class GraphViewController;
namespace platform {
class ViewController;
}
} // namespace NequoraUI

// The generated screen of a rack: the library's screen over the rack's graph, with the plugins'
// presentation hints, rows that follow the engine (meters, presets), and a "Preset" picker row
// at the top of each plugin's section that has factory presets.
//
// Controller input (MIDI CC from JACK) reaches the rows through controllerMessage(), fed on the
// main thread from the driver's messages (JackDriver, main.cpp).
class HostScreen : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *presetTitle = "Preset";

    // presetFolder: where the preset bar keeps the user's presets, the plugins' own listed
    // first; empty for a screen without one.
    HostScreen(std::shared_ptr<Lv2Rack> rack, const QList<QUrl> &audioFiles,
               const QString &presetFolder = {}, QObject *parent = nullptr);
    ~HostScreen() override;

    // The presentations the rack's plugins give their ports, for a screen of the rack.
    static NequoraUI::ParameterPresentationProvider
    presentations(const std::shared_ptr<const Lv2Rack> &rack);

    NequoraUI::platform::ViewController *controller() const;
    QWidget *view() const;
    QUndoStack *undoStack() const;

    // Loads one of the node's factory presets as one undo entry and restores its state; throws
    // std::runtime_error when it is not one of the node's presets.
    void loadPreset(const std::shared_ptr<Lv2PluginNode> &node, const std::string &presetUri);

    // A raw MIDI message (status, two data bytes): control changes go to the screen's
    // controllers; anything else is ignored. True when it moved a row or was learnt.
    bool controllerMessage(uint8_t status, uint8_t number, uint8_t value);

private:
    void addPresetRow(QWidget *section);

    std::shared_ptr<Lv2Rack> rack;
    std::unique_ptr<NequoraUI::platform::ViewController> screen;
};
