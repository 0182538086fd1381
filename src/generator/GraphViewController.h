#pragma once

#include "GraphParameters.h"
#include "ParameterFilter.h"
#include "VStackViewController.h"

#include <QPointer>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;

namespace NequoraUI {

class ParameterFollower;
class PresetBar;
class PresetStore;
class ScreenSettings;

// The screen UIGenerator::generateViewController() makes for a graph: the stack of generated
// sections, with an undo stack for the user's changes (Ctrl+Z, Ctrl+Shift+Z), an optional
// filter field above the sections (Ctrl+F focuses it, Escape clears it) and, optionally, rows
// that follow their parameters once per display frame.
//
// The whole screen's settings go through settings(): reset all, presets, A/B compare and MIDI
// controllers (controllerEvent()). With a preset store a preset bar sits above the sections.
// Every user gesture on a row, and every parameter a reset, preset, A/B switch or controller
// writes, is bracketed by gestureStarted() and gestureEnded(), for hosts that record automation.
class GraphViewController : public VStackViewController
{
    Q_OBJECT

public:
    // undoStack: where changes made on the screen go; without one the screen makes its own.
    explicit GraphViewController(QUndoStack *undoStack = nullptr, QObject *parent = nullptr);
    ~GraphViewController() override;

    // For a host's Edit menu (QUndoStack::createUndoAction and createRedoAction).
    QUndoStack *undoStack() const { return m_undoStack; }

    // Both read when the view loads.
    bool showsFilter() const { return m_showsFilter; }
    void setShowsFilter(bool shows) { m_showsFilter = shows; }
    bool followsParameters() const { return m_followsParameters; }
    void setFollowsParameters(bool follows) { m_followsParameters = follows; }
    // The names of each place's section, for filtering places not made yet; asked once, on
    // the first filter text. Without them such places are kept by their title alone (none).
    using FilterNames = std::function<std::vector<ParameterFilter::PlaceNames>()>;
    void setFilterNames(FilterNames names) { m_filterNames = std::move(names); }

    // Made when the view loads, when asked for; null otherwise.
    QLineEdit *filterField = nullptr;
    QLabel *noMatchLabel = nullptr;
    ParameterFilter *filter() const { return m_filter; }
    ParameterFollower *follower() const { return m_follower; }

    // The parameters the screen shows, and where its presets are kept (may be null). Made by
    // the generator before the view loads; returns the screen's settings.
    ScreenSettings *setParameters(GraphParameters parameters,
                                  std::shared_ptr<PresetStore> presetStore = {});
    // Null until setParameters().
    ScreenSettings *settings() const { return m_settings; }
    // Made when the view loads, with a preset store; null otherwise.
    PresetBar *presetBar = nullptr;

    // A MIDI controller event from the host: channel 0 to 15, controller and value 0 to 127.
    // True when it moved a parameter or was learnt.
    bool controllerEvent(int channel, int controller, int value);
    void resetAll();
    void switchSlot();

signals:
    void gestureStarted(const std::shared_ptr<NQParameter> &parameter);
    void gestureEnded(const std::shared_ptr<NQParameter> &parameter);

protected:
    void viewDidLoad() override;

private:
    void addFilter();
    void addUndoShortcuts();

    QPointer<QUndoStack> m_undoStack;
    bool m_showsFilter = false;
    bool m_followsParameters = false;
    FilterNames m_filterNames;
    ParameterFilter *m_filter = nullptr;
    ParameterFollower *m_follower = nullptr;
    ScreenSettings *m_settings = nullptr;
    std::shared_ptr<PresetStore> m_presetStore;
};

} // namespace NequoraUI
