#pragma once

#include "GraphRowEditor.h"
#include "GraphRowLayout.h"
#include "ParameterRowCache.h"

#include <QAbstractListModel>
#include <QSet>
#include <QUndoStack>
#include <QUrl>
#include <QtQml/qqmlregistration.h>
#include <memory>
#include <vector>

class NQAudioGraph;
class NQAudioNode;
class NQParameter;

namespace NequoraUI {

class PresetStore;
class ScreenSettings;
class UIGenerator;

// The rows of a graph's screen as a list model, for the Qt Quick screen (GraphScreen): a
// section row per node that has something to show, then one row per parameter, each described
// by the same rule the widget screen uses when a view first asks for it (ParameterRowCache), so
// a screen of thousands of parameters costs what its rows in view cost. A folded section keeps its
// section row only, and the filter keeps the rows whose parameter, group or node matches; either
// way only what is left is a row, so a view makes delegates for what can be seen and nothing else.
// Which rows there are, in which order, is GraphRowLayout's; this class presents and writes them.
//
// Writes go to the engine pinned and snapped, each is reported as a gesture (gestureStarted,
// gestureEnded, the generator's gesture handler), and each finished change is one entry on the
// undo stack (GraphRowEditor). Values the engine takes on by itself are shown when follow() is
// called, which the screen does once per frame for the rows in view.
//
// A player node gets a play/pause row (and a file row when the generator offers audio files),
// a recorder node a start/stop row; their texts and actions are the widget views' own
// (PlayerTransport, RecorderTransport).
class GraphRowModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A graph's rows are made in C++ and handed to GraphScreen")
    Q_PROPERTY(QString filterText READ filterText WRITE setFilterText NOTIFY filterTextChanged)
    Q_PROPERTY(bool followsParameters READ followsParameters WRITE setFollowsParameters NOTIFY
                   followsParametersChanged)
    // Players show their progress every frame, following or not.
    Q_PROPERTY(bool hasPlayers READ hasPlayers CONSTANT)

public:
    enum Role
    {
        KindRole = Qt::UserRole + 1,
        TitleRole,
        ValueTextRole,
        ProportionRole,
        ChoicesRole,
        ChoiceIndexRole,
        ReadOnlyRole,
        EditableRole,
        GroupRole,
        SectionRole,
        FoldedRole,
        StepRole,
        IntegerRole,
        ValueRole,
        // A player's or recorder's button title: what a tap does next.
        ActionTextRole,
    };
    Q_ENUM(Role)

    // The rows of graph's nodes, presented, written and recorded with the settings of generator
    // (presentations, text writer, undo stack, folding, following). Without an undo stack the
    // model makes one of its own.
    GraphRowModel(const NQAudioGraph &graph, const UIGenerator &generator,
                  QObject *parent = nullptr);
    ~GraphRowModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QUndoStack *undoStack() const { return m_editor.undoStack(); }
    QString filterText() const { return m_filterText; }
    void setFilterText(const QString &text);
    bool followsParameters() const { return m_follows; }
    void setFollowsParameters(bool follows);
    bool hasPlayers() const;

    // A user change of one row: a new value (number, Boolean or text), a track proportion, a
    // typed text (with or without its unit; false when the row cannot read it), a choice, or
    // back to the value the screen opened with. Each is one undo entry, except moves inside
    // a gesture, which together are one.
    Q_INVOKABLE void setValue(int row, const QVariant &value);
    Q_INVOKABLE void setProportion(int row, double proportion);
    // A key's move on a slider row: share of the track (signed), at least one whole step.
    Q_INVOKABLE void stepBy(int row, double share);
    Q_INVOKABLE bool setTypedText(int row, const QString &text);
    Q_INVOKABLE void choose(int row, int choiceIndex);
    Q_INVOKABLE void reset(int row);
    Q_INVOKABLE void beginGesture(int row);
    Q_INVOKABLE void endGesture(int row);
    // Folds or unfolds the section a section row heads.
    Q_INVOKABLE void toggleSection(int row);
    // Plays or pauses a player row's node; starts or stops a recorder row's.
    Q_INVOKABLE void togglePlayback(int row);
    Q_INVOKABLE void toggleRecording(int row);
    // The screen's settings over every parameter row, made on first use: controllers (MIDI
    // learn), reset, presets and A/B. What they write shows in the rows.
    ScreenSettings *settings();
    // The generator's presets, for the screen's preset bar (ScreenPresets); may be none.
    std::shared_ptr<PresetStore> presetStore() const { return m_presetStore; }
    // A controller event from the host (MIDI control change); true when it moved a row or was
    // learnt. Events outside the 7-bit ranges are ignored.
    Q_INVOKABLE bool controllerEvent(int channel, int controller, int value);
    // The next controller event binds its controller to the row's parameter; forget drops the
    // row's binding.
    Q_INVOKABLE void learn(int row);
    Q_INVOKABLE void forget(int row);
    // The settings index of the parameter a row shows, or -1 (for the row's context menu).
    int settingsIndex(int row) { return settingsIndexAt(row); }

    // Shows the engine's values in rows first to last (inclusive) where they changed, announced
    // row by row with the roles that changed: parameters while the model follows, players'
    // progress and recorders' state always.
    Q_INVOKABLE void follow(int first, int last);

signals:
    void filterTextChanged();
    void followsParametersChanged();
    // Before a parameter's first write of a user or controller gesture (a drag, a typed
    // value, a key, a flip, a choice, a controller's burst), and after its last.
    void gestureStarted(const std::shared_ptr<NQParameter> &parameter);
    void gestureEnded(const std::shared_ptr<NQParameter> &parameter);

private:
    using Node = GraphRowLayout::Node;
    using NodeRow = GraphRowLayout::NodeRow;

    QVariant parameterData(const Node &node, int ordinal, int role) const;
    void chooseFile(int row, int fileIndex);
    // Loads file into the node's player and shows it in every file row of that node.
    void loadFile(Node &node, const QUrl &file);
    void showNodeRow(const Node &node, NodeRow kind);
    // The settings index of the parameter a row shows, or -1; makes the settings.
    int settingsIndexAt(int row);
    // Shows what the settings wrote into the parameter at index.
    void showSetting(int index);
    // Lays the rows out again, as a reset of the model.
    void rebuild();
    // Announces the new value of the row showing the parameter, if one does.
    void showChanged(int ordinal);

    ParameterRowCache m_rows;
    // Made after m_rows: it adds the nodes' parameters to it.
    GraphRowLayout m_layout;
    // Made after m_rows: it writes them.
    GraphRowEditor m_editor;
    QString m_filterText;
    bool m_follows = false;
    QList<QUrl> m_audioFiles;
    ScreenSettings *m_settings = nullptr;
    std::shared_ptr<PresetStore> m_presetStore;
    // For each settings index, the parameter's cache number.
    std::vector<int> m_ordinalOfSetting;
};

} // namespace NequoraUI
