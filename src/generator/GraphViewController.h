#pragma once

#include "ParameterFilter.h"
#include "VStackViewController.h"

#include <QPointer>
#include <QUndoStack>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;

namespace NequoraUI {

class ParameterFollower;

// The screen UIGenerator::generateViewController() makes for a graph: the stack of generated
// sections, with an undo stack for the user's changes (Ctrl+Z, Ctrl+Shift+Z), an optional
// filter field above the sections (Ctrl+F focuses it, Escape clears it) and, optionally, rows
// that follow their parameters once per display frame.
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
};

} // namespace NequoraUI
