#include "UIGenerator.h"

#include "CollapsibleSectionView.h"
#include "FoldMemory.h"
#include "GraphParameters.h"
#include "GraphViewController.h"
#include "LazyPlaces.h"
#include "LiveValueView.h"
#include "MediaNodeViews.h"
#include "NQAudioGraph.h"
#include "NQAudioNode.h"
#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "ParameterBinding.h"
#include "ParameterFilter.h"
#include "ParameterMapping.h"
#include "ParameterRow.h"
#include "PickerView.h"
#include "PresetStore.h"
#include "RowWidgetMaker.h"
#include "SaturatingConversion.h"
#include "ScreenSettings.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"

#include <QHash>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace NequoraUI {

namespace {

const std::string graphInputType = "Nequora.GraphInput";
const std::string graphOutputType = "Nequora.GraphOutput";

// Spacing between the widgets of one node.
constexpr int nodeWidgetSpacing = 20;
// A node with more rows than two pages of them gets its rows a page at a time, as they come
// near the visible part of the screen.
constexpr int rowsPerPage = 12;

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// The stack a section's or a page's rows go into, made before them so that each row is made
// inside it. It gets its layout once they are in (layOutStack).
std::unique_ptr<QWidget> newRowStack()
{
    return std::make_unique<QWidget>();
}

// Filled before the stack takes it: a layout made on a widget posts that widget a layout
// request, and Qt merges it with a request already queued by looking through every event posted
// since the event loop last ran, so each stack made before the loop runs would look through the
// polish requests of every widget made before it. Set filled, it posts none; the stack lays it
// out as it shows.
void layOutStack(QWidget *stack, const QList<QWidget *> &views)
{
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(nodeWidgetSpacing);
    for (QWidget *view : views)
        layout->addWidget(view);
    stack->setLayout(layout);
}

} // namespace

QList<QWidget *> UIGenerator::generateViews(const NQAudioGraph &audioGraph) const
{
    return generateViews(shownNodes(audioGraph));
}

std::vector<std::shared_ptr<NQAudioNode>> UIGenerator::shownNodes(const NQAudioGraph &audioGraph)
{
    std::vector<std::shared_ptr<NQAudioNode>> shown;
    for (auto &node : audioGraph.nodes()) {
        // The graph's own endpoints carry no controls; only exact type names count.
        if (node) {
            const std::string type = node->type();
            if (type == graphInputType || type == graphOutputType)
                continue;
        }
        shown.push_back(std::move(node));
    }
    return shown;
}

int UIGenerator::rowCount(const NQAudioNode &audioNode) const
{
    if (MediaNodeViews::isMediaNode(audioNode))
        return MediaNodeViews::viewCount(audioNode, delegate && !audioFiles.isEmpty());
    const auto parameters = audioNode.parameters();
    return int(std::count_if(parameters.begin(), parameters.end(),
                             [this](const auto &parameter) { return getsRow(parameter); }));
}

void UIGenerator::addFilterNames(const NQAudioNode &audioNode, QStringList &rows,
                                 std::vector<int> &groups, QStringList &groupNames) const
{
    // Players and recorders show no parameter rows: they match by their node's name only.
    if (MediaNodeViews::isMediaNode(audioNode))
        return;
    for (const auto &parameter : audioNode.parameters()) {
        const auto presentation = presentationFor(parameter);
        if (!hasControl(parameter) || (presentation && presentation->hidden))
            continue;
        rows.append(text(parameter->name()));
        const QString group = presentation ? presentation->group : QString();
        qsizetype index = group.isEmpty() ? -1 : groupNames.indexOf(group);
        if (!group.isEmpty() && index < 0) {
            index = groupNames.size();
            groupNames.append(group);
        }
        groups.push_back(int(index));
    }
}

QWidget *UIGenerator::generateSection(const std::shared_ptr<NQAudioNode> &audioNode, bool folded,
                                      const QString &nodeKey) const
{
    if (!audioNode)
        return nullptr;
    if (MediaNodeViews::isMediaNode(*audioNode)) {
        const QList<QWidget *> views = generateViews(audioNode);
        return views.isEmpty() ? nullptr
                               : generateSection(text(audioNode->displayName()), views, folded);
    }
    std::vector<std::shared_ptr<NQParameter>> rows;
    bool grouped = false;
    for (const auto &parameter : audioNode->parameters()) {
        const auto presentation = presentationFor(parameter);
        if (!hasControl(parameter) || (presentation && presentation->hidden))
            continue;
        rows.push_back(parameter);
        grouped = grouped || (presentation && !presentation->group.isEmpty());
    }
    // Groups gather rows from anywhere in the node: such a node is made whole.
    if (!grouped && rows.size() > size_t(2 * rowsPerPage))
        return generatePagedSection(text(audioNode->displayName()), rows, folded, nodeKey);
    auto content = generateRowStack(rows, nodeKey);
    return content ? generateSection(text(audioNode->displayName()), std::move(content), folded)
                   : nullptr;
}

std::unique_ptr<QWidget>
UIGenerator::generateRowStack(const std::vector<std::shared_ptr<NQParameter>> &parameters,
                              const QString &nodeKey) const
{
    auto stack = newRowStack();
    const QList<QWidget *> views = generateParameterViews(parameters, nodeKey, stack.get());
    if (views.isEmpty())
        return nullptr;
    layOutStack(stack.get(), views);
    return stack;
}

QWidget *
UIGenerator::generatePagedSection(const QString &title,
                                  const std::vector<std::shared_ptr<NQParameter>> &parameters,
                                  bool folded, const QString &nodeKey) const
{
    auto content = std::make_unique<QWidget>();
    if (folded)
        content->hide();
    auto *stack = new QVBoxLayout(content.get());
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(nodeWidgetSpacing);
    // One copy of the settings for all the pages of the section.
    const auto generator = std::make_shared<const UIGenerator>(*this);
    std::vector<LazyPlaces::Place> pages;
    for (size_t first = 0; first < parameters.size(); first += rowsPerPage) {
        const auto end =
            parameters.begin() + qsizetype(std::min(parameters.size(), first + rowsPerPage));
        std::vector<std::shared_ptr<NQParameter>> page(parameters.begin() + qsizetype(first), end);
        const int weight = int(page.size());
        pages.push_back({[generator, page = std::move(page), nodeKey] {
                             return generator->generatePage(page, nodeKey);
                         },
                         weight});
    }
    // Driven by the screen's own places, of which the section is one.
    auto *places = new LazyPlaces(std::move(pages), content.get());
    places->placeIn(stack);
    return new CollapsibleSectionView(title, content.release());
}

QWidget *UIGenerator::generatePage(const std::vector<std::shared_ptr<NQParameter>> &parameters,
                                   const QString &nodeKey) const
{
    auto page = newRowStack();
    LazyPlaces::markAsFrame(page.get());
    layOutStack(page.get(), generateParameterViews(parameters, nodeKey, page.get()));
    return page.release();
}

QList<QWidget *>
UIGenerator::generateViews(const std::vector<std::shared_ptr<NQAudioNode>> &audioNodes) const
{
    // Each node's rows are made inside the stack its section will hold.
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> nodeStacks;
    for (const auto &node : audioNodes) {
        if (!node)
            continue;
        std::unique_ptr<QWidget> stack;
        if (MediaNodeViews::isMediaNode(*node)) {
            if (const QList<QWidget *> views = generateViews(node); !views.isEmpty()) {
                stack = newRowStack();
                layOutStack(stack.get(), views);
            }
        } else {
            stack = generateRowStack(node->parameters(), QString());
        }
        if (stack)
            nodeStacks.emplace_back(text(node->displayName()), std::move(stack));
    }
    const bool fold = foldSectionsAbove && qsizetype(nodeStacks.size()) > *foldSectionsAbove;
    QList<QWidget *> sections;
    sections.reserve(qsizetype(nodeStacks.size()));
    for (auto &[title, stack] : nodeStacks)
        sections.append(generateSection(title, std::move(stack), fold && !sections.isEmpty()));
    return sections;
}

QList<QWidget *> UIGenerator::generateViews(const std::shared_ptr<NQAudioNode> &audioNode) const
{
    if (!audioNode)
        return {};
    if (MediaNodeViews::isMediaNode(*audioNode))
        return MediaNodeViews::views(*audioNode, delegate, audioFiles, undoStack);
    return generateViews(audioNode->parameters());
}

QList<QWidget *>
UIGenerator::generateViews(const std::vector<std::shared_ptr<NQParameter>> &parameters) const
{
    return generateParameterViews(parameters, QString());
}

QList<QWidget *>
UIGenerator::generateParameterViews(const std::vector<std::shared_ptr<NQParameter>> &parameters,
                                    const QString &nodeKey, QWidget *parent) const
{
    QList<QWidget *> widgets;
    widgets.reserve(qsizetype(parameters.size()));
    // A group's sub-section takes the place of its first parameter.
    QHash<QString, QLayout *> groups;
    for (const auto &parameter : parameters) {
        const auto presentation = presentationFor(parameter);
        if (presentation && presentation->hidden)
            continue;
        const QString group = presentation ? presentation->group : QString();
        // A group's rows are made inside its sub-section, which is made at its first row, in
        // that row's place: the sections and rows of a stack keep their order as children and
        // in the focus chain.
        QLayout *groupLayout = group.isEmpty() ? nullptr : groups.value(group);
        std::unique_ptr<CollapsibleSectionView> newGroup;
        if (!group.isEmpty() && !groupLayout) {
            auto groupStack = newRowStack();
            layOutStack(groupStack.get(), {});
            newGroup =
                std::make_unique<CollapsibleSectionView>(group, groupStack.release(), parent);
            groupLayout = newGroup->content()->layout();
        }
        QWidget *widget = generateWidget(parameter, presentation,
                                         groupLayout ? groupLayout->parentWidget() : parent);
        if (!widget)
            continue;
        ParameterBinding::TextWriter writeText;
        if (auto text = std::dynamic_pointer_cast<NQStringParameter>(parameter);
            text && stringWriter)
            writeText = [text, writer = stringWriter](const QString &value) {
                writer(text, value.toStdString());
            };
        ParameterBinding *binding = ParameterBinding::bind(widget, parameter, undoStack,
                                                           presentation, std::move(writeText));
        RowWidgetMaker::describe(widget, presentation);
        if (binding && rowBound)
            rowBound(binding, nodeKey);
        else if (binding && gestureHandler)
            binding->setGestureHook([parameter, handler = gestureHandler](bool started) {
                handler(parameter, started);
            });
        if (group.isEmpty()) {
            widgets.append(widget);
            continue;
        }
        if (newGroup) {
            groups.insert(group, groupLayout);
            widgets.append(newGroup.release());
        }
        groupLayout->addWidget(widget);
    }
    return widgets;
}

std::unique_ptr<platform::ViewController>
UIGenerator::generateViewController(const NQAudioGraph &audioGraph, const QList<QUrl> &audioFiles)
{
    UIGenerator generator;
    generator.audioFiles = audioFiles;
    return generator.generateViewController(audioGraph);
}

std::unique_ptr<platform::ViewController>
UIGenerator::generateViewController(const NQAudioGraph &audioGraph) const
{
    auto controller = std::make_unique<GraphViewController>(undoStack);
    controller->setFollowsParameters(followsParameters);
    controller->setShowsFilter(showsFilter);
    UIGenerator generator = *this;
    generator.delegate = ViewControllerPresenter::of(controller.get());
    generator.undoStack = controller->undoStack();
    // One place per node with something to show; its section is made when the place comes
    // near the visible part of the screen, so a large graph costs what is on screen.
    const auto nodes = shownNodes(audioGraph);
    const QStringList nodeKeys = GraphParameters::nodeNames(nodes);
    std::vector<std::pair<std::shared_ptr<NQAudioNode>, int>> shown;
    std::vector<std::pair<QString, std::shared_ptr<NQAudioNode>>> parameterNodes;
    QStringList shownKeys;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const auto &node = nodes[i];
        if (const int rows = node ? generator.rowCount(*node) : 0; rows > 0) {
            shown.emplace_back(node, rows);
            shownKeys.append(nodeKeys[qsizetype(i)]);
            if (!MediaNodeViews::isMediaNode(*node))
                parameterNodes.emplace_back(nodeKeys[qsizetype(i)], node);
        }
    }
    GraphParameters::StringWriter writeText = stringWriter;
    auto *settings = controller->setParameters(
        GraphParameters(parameterNodes, presentationProvider, std::move(writeText)), presetStore);
    generator.rowBound = [settings = QPointer<ScreenSettings>(settings)](ParameterBinding *binding,
                                                                         const QString &node) {
        if (settings)
            settings->attach(binding, node);
    };
    const bool fold = foldSectionsAbove && qsizetype(shown.size()) > *foldSectionsAbove;
    // Sections far from the visible part are released and made again: they open as the user
    // left them. Players and recorders hold what cannot be made again, and stay.
    auto *folds = new FoldMemory(controller.get());
    const auto shared = std::make_shared<const UIGenerator>(generator);
    std::vector<VStackViewController::DeferredView> sections;
    sections.reserve(shown.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        const bool folded = fold && !sections.empty();
        const int index = int(i);
        sections.push_back(
            {[shared, node = shown[i].first, folded, key = shownKeys[qsizetype(i)],
              folds = QPointer<FoldMemory>(folds), index] {
                 const bool foldedNow = folds ? folds->isFolded(index, folded) : folded;
                 QWidget *section = shared->generateSection(node, foldedNow, key);
                 if (folds)
                     folds->follow(index, section);
                 return section;
             },
             folded ? 1 : shown[i].second + 1, !MediaNodeViews::isMediaNode(*shown[i].first)});
    }
    controller->setDeferredViews(std::move(sections));
    if (showsFilter)
        controller->setFilterNames([generator, shown] {
            std::vector<ParameterFilter::PlaceNames> names(shown.size());
            for (size_t i = 0; i < shown.size(); ++i) {
                names[i].title = text(shown[i].first->displayName());
                generator.addFilterNames(*shown[i].first, names[i].rows, names[i].rowGroups,
                                         names[i].groups);
            }
            return names;
        });
    return controller;
}

QWidget *UIGenerator::generateSection(const QString &title, const QList<QWidget *> &views,
                                      bool folded)
{
    auto content = newRowStack();
    layOutStack(content.get(), views);
    return generateSection(title, std::move(content), folded);
}

QWidget *UIGenerator::generateSection(const QString &title, std::unique_ptr<QWidget> content,
                                      bool folded)
{
    // A section whose content starts hidden starts folded. Only ever hidden here: showing a
    // widget without a parent would open it as a window of its own.
    if (folded)
        content->hide();
    return new CollapsibleSectionView(title, content.release());
}

std::optional<ParameterPresentation>
UIGenerator::presentationFor(const std::shared_ptr<NQParameter> &parameter) const
{
    if (!presentationProvider || !parameter)
        return std::nullopt;
    return presentationProvider(*parameter);
}

bool UIGenerator::getsRow(const std::shared_ptr<NQParameter> &parameter) const
{
    if (!hasControl(parameter))
        return false;
    const auto presentation = presentationFor(parameter);
    return !presentation || !presentation->hidden;
}

bool UIGenerator::hasControl(const std::shared_ptr<NQParameter> &parameter)
{
    return ParameterRow::kindOf(parameter, std::nullopt).has_value();
}

bool UIGenerator::showsParameterRows(const NQAudioNode &audioNode)
{
    return !MediaNodeViews::isMediaNode(audioNode);
}

QWidget *UIGenerator::generateWidget(const std::shared_ptr<NQParameter> &parameter,
                                     const std::optional<ParameterPresentation> &presentation,
                                     QWidget *parent) const
{
    return RowWidgetMaker::make(parameter, presentation, stringWriter, delegate, parent);
}

} // namespace NequoraUI
