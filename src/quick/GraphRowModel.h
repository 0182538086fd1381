#pragma once

#include "ParameterRow.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QSet>
#include <QUndoStack>
#include <QtQml/qqmlregistration.h>
#include <memory>
#include <vector>

class NQAudioGraph;
class NQAudioNode;

namespace NequoraUI {

class UIGenerator;

// The rows of a graph's screen as a list model, for the Qt Quick screen (GraphScreen): a
// section row per node that has something to show, then one row per parameter, each described
// by the same rule the widget screen uses. A folded section keeps its section row only, and the
// filter keeps the rows whose parameter, group or node matches; either way only what is left
// is a row, so a view makes delegates for what can be seen and nothing else.
//
// Writes go to the engine pinned and snapped, and each finished change is one entry on the
// undo stack. Values the engine takes on by itself are shown when follow() is called, which the
// screen does once per frame for the rows in view.
class GraphRowModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A graph's rows are made in C++ and handed to GraphScreen")
    Q_PROPERTY(QString filterText READ filterText WRITE setFilterText NOTIFY filterTextChanged)
    Q_PROPERTY(bool followsParameters READ followsParameters WRITE setFollowsParameters NOTIFY
                   followsParametersChanged)

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

    QUndoStack *undoStack() const { return m_undoStack; }
    QString filterText() const { return m_filterText; }
    void setFilterText(const QString &text);
    bool followsParameters() const { return m_follows; }
    void setFollowsParameters(bool follows);

    // A user change of one row: a new value (number, Boolean or text), a track proportion, a
    // typed text (with or without its unit; false when the row cannot read it), a choice, or
    // back to the value the screen opened with. Each is one undo entry, except moves inside
    // a gesture, which together are one.
    Q_INVOKABLE void setValue(int row, const QVariant &value);
    Q_INVOKABLE void setProportion(int row, double proportion);
    Q_INVOKABLE bool setTypedText(int row, const QString &text);
    Q_INVOKABLE void choose(int row, int choiceIndex);
    Q_INVOKABLE void reset(int row);
    Q_INVOKABLE void beginGesture(int row);
    Q_INVOKABLE void endGesture(int row);
    // Folds or unfolds the section a section row heads.
    Q_INVOKABLE void toggleSection(int row);
    // Shows the engine's values in rows first to last (inclusive) where they changed, announced
    // row by row with the roles that changed. Does nothing unless the model follows.
    Q_INVOKABLE void follow(int first, int last);

signals:
    void filterTextChanged();
    void followsParametersChanged();

private:
    struct Node;
    struct Entry
    {
        int node = 0;
        // -1 for the node's section row.
        int parameter = -1;
    };

    const ParameterRow *rowAt(int row) const;
    void rebuild();
    bool matches(const Node &node, const ParameterRow &row) const;
    // Writes and shows value, and records the change unless a gesture is under way.
    void writeRow(int row, const QVariant &value);
    void record(const ParameterRow *parameterRow, const QVariant &oldValue,
                const QVariant &newValue);
    void showChanged(const ParameterRow *parameterRow);

    std::vector<Node> m_nodes;
    std::vector<Entry> m_entries;
    QPointer<QUndoStack> m_undoStack;
    ParameterRow::TextWriter m_noWriter;
    QString m_filterText;
    bool m_follows = false;
    // The row and value a gesture started with.
    const ParameterRow *m_gestureRow = nullptr;
    QVariant m_gestureStart;
};

} // namespace NequoraUI
