#pragma once

#include "GraphParameters.h"
#include "Preset.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <unordered_map>
#include <vector>

#include <QUndoStack>

class NQParameter;
class QWidget;

namespace NequoraUI {

class ControllerMap;
class ParameterBinding;
class SliderView;

// The settings of a whole generated screen, rows made or not: reset to defaults, presets, A/B
// compare and what controllers write. Each of these writes only the values that differ, as
// one undo entry, brackets its writes with gestures, and shows the new values in the rows
// that exist without reporting them as user changes. Rows made later show the engine's value.
class ScreenSettings : public QObject
{
    Q_OBJECT

public:
    enum class Slot
    {
        A,
        B,
    };
    struct LoadReport
    {
        int changed = 0;
        // "Node/Parameter: why" for each value or binding the screen could not take.
        QStringList skipped;
        // Values outside their parameter's range, loaded at the nearest end.
        QStringList pinned;
    };

    // What a preset bar says after loading presetName: the values changed, then those pinned
    // and those skipped, a line each.
    static QString describe(const QString &presetName, const LoadReport &report);

    ScreenSettings(GraphParameters parameters, QUndoStack *undoStack, QObject *parent = nullptr);
    ~ScreenSettings() override;

    const GraphParameters &parameters() const { return m_parameters; }
    ControllerMap *controllers() const { return m_controllers; }
    QUndoStack *undoStack() const { return m_undoStack; }

    // A row made for the parameter key(nodeName, its name): it reports its gestures and user
    // changes here, shows its marks, and is refreshed by what is written here.
    void attach(ParameterBinding *binding, const QString &nodeName);
    // The row of a parameter, while it exists.
    ParameterBinding *bindingAt(int index) const;

    // Every parameter back to its default, as one undo entry.
    void resetAll();
    Preset capture(const QString &name) const;
    LoadReport load(const Preset &preset);

    Slot slot() const { return m_slot; }
    // Shows the other slot's values; the ones shown so far become that slot's.
    void switchSlot();
    void copyAToB();
    void copyBToA();
    // Copies the slot shown over the other one.
    void copyShownSlot();
    // True once A/B has been used and the parameter's values in A and B differ.
    bool differsBetweenSlots(int index) const;
    int differingCount() const;

    // For writers of single parameters (controllers): gestures, silent showing and undo.
    void beginGesture(int index);
    void endGesture(int index);
    void writeAndShow(int index, const QVariant &value);
    void recordChange(const QString &text, int index, const QVariant &before);

signals:
    // Before a parameter's first write of a gesture, and after its last.
    void gestureStarted(const std::shared_ptr<NQParameter> &parameter);
    void gestureEnded(const std::shared_ptr<NQParameter> &parameter);
    void slotChanged(NequoraUI::ScreenSettings::Slot slot);
    // A/B marks may have changed.
    void marksChanged();
    // A value was written here (a controller, a reset, a preset, A/B, an undo) and shown in
    // the attached row; screens whose rows are not attached show it from this.
    void valueShown(int index);

private:
    friend class SettingsChangeCommand;
    using Values = std::vector<std::pair<int, QVariant>>;

    // Writes the targets that differ as one undo entry named text; returns how many.
    int applyAsOneChange(const QString &text, const Values &targets);
    // Gestures, writes and showing of changes already known to differ.
    void writeValues(const Values &values);
    void swapSlots();
    // From the shown slot into the other one (writing nothing), or the other way.
    void copy(bool fromShown, const QString &text);
    void showMark(int index);
    void showAllMarks();
    void userChanged(int index);
    void showUserNumber(int index, SliderView *slider);

    GraphParameters m_parameters;
    QPointer<QUndoStack> m_undoStack;
    ControllerMap *m_controllers = nullptr;
    // The attached rows; each keeps its binding.
    std::vector<QPointer<QWidget>> m_rows;
    // The number the user last set on each row, while the engine still holds it: a row made
    // again after a release shows it as the user saw it, not as the engine's value in full.
    std::unordered_map<int, double> m_userNumbers;
    Slot m_slot = Slot::A;
    // The slot not shown; the values the screen was built with until A/B is first used.
    std::vector<QVariant> m_otherSlot;
    bool m_compared = false;
};

} // namespace NequoraUI
