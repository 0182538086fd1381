#pragma once

#include "ParameterPresentation.h"
#include "ViewControllerPresenter.h"
#include "platform/ViewController.h"

#include <QList>
#include <QPointer>
#include <QUndoStack>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class NQAudioGraph;
class NQAudioNode;
class NQParameter;
class NQStringParameter;
class QWidget;

namespace NequoraUI {

class ParameterBinding;
class PresetStore;

// Builds screens from an audio graph: one collapsible section per node that has something to
// show, holding a widget per parameter, or a player or recorder view for those nodes.
//
// Ownership: every generateViews() returns new widgets without a parent; the caller owns them
// (give them a parent, or delete them). Each widget owns what it needs: parameter widgets own
// their handlers, which hold their parameter; player and recorder views own the node objects
// made for them. The generator keeps no reference to anything it built.
class UIGenerator
{
public:
    // Offered by every file chooser row built for a player node.
    QList<QUrl> audioFiles;
    // Presents the file chooser rows' pickers; never kept alive by the generator or the rows.
    QPointer<ViewControllerPresenter> delegate;
    // Asked for each parameter (possibly more than once: counting a section's rows, naming
    // them for the filter, making them); without one (or for a parameter it has nothing for)
    // the parameter gets the control its kind gets. A hidden presentation leaves it out.
    ParameterPresentationProvider presentationProvider;
    // When a graph yields more sections than this, every section after the first starts folded.
    std::optional<qsizetype> foldSectionsAbove;
    // Writes a new text into a string parameter, for hosts whose engine can. Without one the
    // generated text fields are read-only; with one they are editable and each edit that
    // changes the text is written once, on Return or when the field loses focus.
    std::function<void(const std::shared_ptr<NQStringParameter> &, const std::string &)>
        stringWriter;
    // Where the rows record each finished user change, for undo and redo; none when empty.
    // generateViewController() makes a stack of its own when this is empty.
    QPointer<QUndoStack> undoStack;
    // Rows show the values the engine takes on by itself (automation, presets, other screens),
    // once per display frame while they are on screen. Off by default, so the screen shows
    // what the user set. Read by generateViewController().
    bool followsParameters = false;
    // A filter field above the sections. Read by generateViewController().
    bool showsFilter = false;
    // Where the screen's presets are kept; with one, generateViewController() puts a preset
    // bar above the sections (preset picker, Save, Save As, Delete, A/B compare, Reset All).
    std::shared_ptr<PresetStore> presetStore;
    // Told before each user gesture on a row writes its parameter (started true) and after its
    // last write (false): a drag, a typed value, a run of keys or wheel notches, a flip, a choice.
    // generateViewController()'s screen reports its gestures as signals instead.
    using GestureHandler =
        std::function<void(const std::shared_ptr<NQParameter> &parameter, bool started)>;
    GestureHandler gestureHandler;

    // Sections for the graph's nodes, its input and output nodes left out.
    QList<QWidget *> generateViews(const NQAudioGraph &audioGraph) const;
    // One section per node that yields at least one view; no node is left out by its type.
    QList<QWidget *>
    generateViews(const std::vector<std::shared_ptr<NQAudioNode>> &audioNodes) const;
    // The bare views of one node, without a section around them.
    QList<QWidget *> generateViews(const std::shared_ptr<NQAudioNode> &audioNode) const;
    // One widget per parameter of a known kind, in order.
    QList<QWidget *>
    generateViews(const std::vector<std::shared_ptr<NQParameter>> &parameters) const;

    // A GraphViewController (a VStackViewController) whose view is not loaded yet, holding a place
    // for each section generateViews(audioGraph) would give. A section is generated when its place
    // first comes near the visible part of the screen (VStackViewController::setDeferredViews), so
    // a large graph opens as fast as a small one. File chooser rows present through the controller
    // and refer to it weakly.
    static std::unique_ptr<platform::ViewController>
    generateViewController(const NQAudioGraph &audioGraph, const QList<QUrl> &audioFiles);
    // The same with this generator's settings (files, presentations, folding,
    // undo stack, following, filter); the controller
    // presents the file choosers whatever delegate this generator has.
    std::unique_ptr<platform::ViewController>
    generateViewController(const NQAudioGraph &audioGraph) const;

    // The graph's nodes that a screen shows, its input and output nodes left out.
    static std::vector<std::shared_ptr<NQAudioNode>> shownNodes(const NQAudioGraph &audioGraph);
    // False for player and recorder nodes, whose views stand in for their parameters.
    static bool showsParameterRows(const NQAudioNode &audioNode);
    // What presentationProvider says for parameter, if anything.
    std::optional<ParameterPresentation>
    presentationFor(const std::shared_ptr<NQParameter> &parameter) const;

private:
    // How many views generateViews(audioNode) gives, without making them.
    int rowCount(const NQAudioNode &audioNode) const;
    static bool hasControl(const std::shared_ptr<NQParameter> &parameter);
    // A control of its kind, and a presentation that does not hide it.
    bool getsRow(const std::shared_ptr<NQParameter> &parameter) const;
    // The names the section of audioNode will show, for the filter (ParameterFilter::PlaceNames).
    void addFilterNames(const NQAudioNode &audioNode, QStringList &rows, std::vector<int> &groups,
                        QStringList &groupNames) const;
    // The node's section, or null when the node yields no view.
    QWidget *generateSection(const std::shared_ptr<NQAudioNode> &audioNode, bool folded,
                             const QString &nodeKey) const;
    // The rows are made inside parent where there is one (the caller places them in its
    // layout); a group's sub-section is made on its own and placed by the caller.
    QList<QWidget *>
    generateParameterViews(const std::vector<std::shared_ptr<NQParameter>> &parameters,
                           const QString &nodeKey, QWidget *parent = nullptr) const;
    // The rows of parameters in a stack of their own, or null when none gets a row.
    std::unique_ptr<QWidget>
    generateRowStack(const std::vector<std::shared_ptr<NQParameter>> &parameters,
                     const QString &nodeKey) const;
    // Each row generateViewController() makes, with the name its node's parameters are known by.
    std::function<void(ParameterBinding *, const QString &nodeKey)> rowBound;
    // A section whose rows are made a page at a time, as they come near the visible part.
    QWidget *generatePagedSection(const QString &title,
                                  const std::vector<std::shared_ptr<NQParameter>> &parameters,
                                  bool folded, const QString &nodeKey) const;
    QWidget *generatePage(const std::vector<std::shared_ptr<NQParameter>> &parameters,
                          const QString &nodeKey) const;
    static QWidget *generateSection(const QString &title, const QList<QWidget *> &views,
                                    bool folded = false);
    static QWidget *generateSection(const QString &title, std::unique_ptr<QWidget> content,
                                    bool folded);
    QWidget *generateWidget(const std::shared_ptr<NQParameter> &parameter,
                            const std::optional<ParameterPresentation> &presentation,
                            QWidget *parent) const;
};

} // namespace NequoraUI
