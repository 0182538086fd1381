#pragma once

#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <QVariant>
#include <functional>
#include <memory>

class NQParameter;

namespace NequoraUI {

class ParameterRowCache;

// The user's changes to the parameter rows of a Quick screen, by the rows' cache numbers
// (ParameterRowCache): each is written to the engine pinned and snapped, reported as a gesture
// (the signals and the generator's gesture handler), and recorded as one undo entry, except the
// moves of a drag, which together are one. GraphRowModel turns its rows into cache numbers and
// announces what changed.
class GraphRowEditor : public QObject
{
    Q_OBJECT

public:
    using GestureHandler = std::function<void(const std::shared_ptr<NQParameter> &, bool)>;

    // Without an undo stack the editor makes one of its own.
    GraphRowEditor(ParameterRowCache &rows, QUndoStack *undoStack, GestureHandler gestureHandler);

    QUndoStack *undoStack() const { return m_undoStack; }
    // The parameter a drag is under way on, or -1.
    int gestureOrdinal() const { return m_gestureOrdinal; }

    // Writes and shows value, and records the change unless a drag on it is under way.
    void write(int ordinal, const QVariant &value);
    void writeProportion(int ordinal, double proportion);
    // A key's move: share of the track (signed), at least one whole step.
    void stepBy(int ordinal, double share);
    // False when the row cannot read text.
    bool writeTyped(int ordinal, const QString &text);
    void choose(int ordinal, int choiceIndex);
    // Back to the value the screen opened with.
    void reset(int ordinal);

    void beginGesture(int ordinal);
    void endGesture(int ordinal);
    // Records and reports the end of the drag under way, if any. The model calls it as it goes,
    // while the rows it reports on are still there.
    void finishGesture();
    void reportGesture(const std::shared_ptr<NQParameter> &parameter, bool started);

signals:
    // Before every write.
    void aboutToWrite();
    // The value shown for the parameter changed.
    void valueChanged(int ordinal);
    void gestureStarted(const std::shared_ptr<NQParameter> &parameter);
    void gestureEnded(const std::shared_ptr<NQParameter> &parameter);

private:
    void record(int ordinal, const QVariant &oldValue, const QVariant &newValue);

    ParameterRowCache &m_rows;
    QPointer<QUndoStack> m_undoStack;
    GestureHandler m_gestureHandler;
    int m_gestureOrdinal = -1;
    // The value the drag under way started from.
    QVariant m_gestureStart;
};

} // namespace NequoraUI
