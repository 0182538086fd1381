#include "UIGenerator.h"

#include "AudioFileView.h"
#include "AudioPlayerView.h"
#include "CollapsibleSectionView.h"
#include "GeneratedRecorderNode.h"
#include "GraphParameters.h"
#include "GraphViewController.h"
#include "LiveValueView.h"
#include "NQAudioGraph.h"
#include "NQAudioNode.h"
#include "NQAudioPlayerNode.h"
#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQRecorderNode.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "ParameterBinding.h"
#include "ParameterFilter.h"
#include "ParameterMapping.h"
#include "ParameterRow.h"
#include "PickerView.h"
#include "PresetStore.h"
#include "RecorderView.h"
#include "RowMarks.h"
#include "SaturatingConversion.h"
#include "ScreenSettings.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "ValueChangeCommand.h"

#include <QDateTime>
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
const std::string playerType = "AudioPlayerNode";
const std::string recorderType = "RecorderNode";

// Spacing between the widgets of one node.
constexpr int nodeWidgetSpacing = 20;

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QWidget *switchFor(std::shared_ptr<NQBoolParameter> parameter)
{
    const bool value = parameter->value();
    return new SwitchView(text(parameter->name()), value,
                          [parameter](bool isOn) { parameter->setValue(isOn); });
}

QWidget *sliderFor(std::shared_ptr<NQFloatParameter> parameter)
{
    return new SliderView(text(parameter->name()), parameter->value(), parameter->minimumValue(),
                          parameter->maximumValue(),
                          [parameter](float value) { parameter->setValue(value); });
}

// The float nearest to an integer bound that does not lie beyond it, so that every whole value
// the slider can reach converts back to the integer it shows (float(INT32_MAX) is 2^31).
// Inside means towards +infinity for a minimum and -infinity for a maximum.
float boundInside(double bound, float inside)
{
    const float nearest = float(bound);
    const bool beyond = inside > 0 ? double(nearest) < bound : double(nearest) > bound;
    return beyond ? std::nextafter(nearest, inside) : nearest;
}

// Whole steps and whole-number text: the label always shows the integer that was written.
template <typename Parameter, typename Write>
QWidget *integerSliderFor(const Parameter &parameter, Write write)
{
    constexpr float up = std::numeric_limits<float>::infinity();
    auto *slider =
        new SliderView(text(parameter->name()), float(parameter->value()),
                       boundInside(double(parameter->minimumValue()), up),
                       boundInside(double(parameter->maximumValue()), -up), std::move(write));
    slider->setStep(1.0f);
    slider->setDecimals(0);
    // The engine's integer itself: a float holds only some of those beyond 2^24.
    slider->setExactValue(double(parameter->value()));
    return slider;
}

QWidget *sliderFor(std::shared_ptr<NQIntParameter> parameter)
{
    return integerSliderFor(parameter, [parameter](float value) {
        parameter->setValue(SaturatingConversion::toInt32(value));
    });
}

QWidget *sliderFor(std::shared_ptr<NQUIntParameter> parameter)
{
    return integerSliderFor(parameter, [parameter](float value) {
        parameter->setValue(SaturatingConversion::toUInt32(value));
    });
}

template <typename Writer>
QWidget *textFieldFor(const std::shared_ptr<NQStringParameter> &parameter, const Writer &writer)
{
    auto *field = new TextFieldView(text(parameter->name()), text(parameter->value()));
    if (!writer) {
        field->setReadOnly(true);
        return field;
    }
    // The field reports only edits that changed its text.
    QObject::connect(
        field, &TextFieldView::editingFinished, field,
        [parameter, writer](const QString &edited) { writer(parameter, edited.toStdString()); });
    return field;
}

// A segmented control, or a picker row for long lists. A choice writes its value; nothing is
// selected while the engine holds a value that is not one of the choices.
QWidget *choiceControl(const ParameterRow &row, ViewControllerPresenter *presenter)
{
    const QStringList labels = row.choices();
    const auto write = [row](qsizetype index) { row.writeChoice(int(index)); };
    if (row.kind() == ParameterRow::Kind::Segments) {
        auto *view = new SegmentedView(row.title(), labels, write);
        view->setSelectedIndex(row.choiceIndex());
        return view;
    }
    return new PickerView(presenter, row.title(), row.valueText(), labels,
                          [write, labels](const QString &label) { write(labels.indexOf(label)); });
}

// A slider over the row's scale, with its unit, transform and step.
QWidget *presentedSlider(const ParameterRow &row)
{
    const double value = row.value().toDouble();
    constexpr float up = std::numeric_limits<float>::infinity();
    // Whole numbers keep to bounds whose every reachable value converts back (see boundInside).
    const float minimum = row.isInteger() ? boundInside(row.minimum(), up) : float(row.minimum());
    const float maximum = row.isInteger() ? boundInside(row.maximum(), -up) : float(row.maximum());
    auto *slider = new SliderView(row.title(), float(value), minimum, maximum,
                                  [row](float value) { row.write(double(value)); });
    slider->setPresentation(row.mapping()->presentation());
    slider->setExactValue(value);
    return slider;
}

// The row's description and, for a slider, where its own reset takes it.
void describe(QWidget *row, const std::optional<ParameterPresentation> &presentation)
{
    if (!presentation)
        return;
    if (!presentation->description.isEmpty())
        RowMarks::of(row)->setDescription(presentation->description);
    if (auto *slider = qobject_cast<SliderView *>(row); slider && presentation->defaultValue)
        slider->setDefaultValue(float(*presentation->defaultValue));
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
    const std::string type = audioNode.type();
    if (type == playerType)
        return delegate && !audioFiles.isEmpty() ? 2 : 1;
    if (type == recorderType)
        return 1;
    const auto parameters = audioNode.parameters();
    return int(std::count_if(parameters.begin(), parameters.end(),
                             [this](const auto &parameter) { return getsRow(parameter); }));
}

void UIGenerator::addFilterNames(const NQAudioNode &audioNode, QStringList &rows,
                                 std::vector<int> &groups, QStringList &groupNames) const
{
    // Players and recorders show no parameter rows: they match by their node's name only.
    const std::string type = audioNode.type();
    if (type == playerType || type == recorderType)
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
    const std::string type = audioNode->type();
    const QList<QWidget *> views = type == playerType || type == recorderType
                                       ? generateViews(audioNode)
                                       : generateParameterViews(audioNode->parameters(), nodeKey);
    return views.isEmpty() ? nullptr
                           : generateSection(text(audioNode->displayName()), views, folded);
}

QList<QWidget *>
UIGenerator::generateViews(const std::vector<std::shared_ptr<NQAudioNode>> &audioNodes) const
{
    QList<std::pair<QString, QList<QWidget *>>> nodeViews;
    for (const auto &node : audioNodes) {
        if (!node)
            continue;
        QList<QWidget *> views = generateViews(node);
        if (!views.isEmpty())
            nodeViews.append({text(node->displayName()), std::move(views)});
    }
    const bool fold = foldSectionsAbove && nodeViews.size() > *foldSectionsAbove;
    QList<QWidget *> sections;
    sections.reserve(nodeViews.size());
    for (const auto &[title, views] : nodeViews)
        sections.append(generateSection(title, views, fold && !sections.isEmpty()));
    return sections;
}

QList<QWidget *> UIGenerator::generateViews(const std::shared_ptr<NQAudioNode> &audioNode) const
{
    if (!audioNode)
        return {};
    const std::string type = audioNode->type();
    if (type == playerType)
        return generatePlayerViews(*audioNode);
    if (type == recorderType)
        return generateRecorderViews(*audioNode);
    return generateViews(audioNode->parameters());
}

QList<QWidget *>
UIGenerator::generateViews(const std::vector<std::shared_ptr<NQParameter>> &parameters) const
{
    return generateParameterViews(parameters, QString());
}

QList<QWidget *>
UIGenerator::generateParameterViews(const std::vector<std::shared_ptr<NQParameter>> &parameters,
                                    const QString &nodeKey) const
{
    QList<QWidget *> widgets;
    widgets.reserve(qsizetype(parameters.size()));
    // A group's sub-section takes the place of its first parameter.
    QHash<QString, QLayout *> groups;
    for (const auto &parameter : parameters) {
        const auto presentation = presentationFor(parameter);
        if (presentation && presentation->hidden)
            continue;
        QWidget *widget = generateWidget(parameter, presentation);
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
        describe(widget, presentation);
        if (binding && rowBound)
            rowBound(binding, nodeKey);
        else if (binding && gestureHandler)
            binding->setGestureHook([parameter, handler = gestureHandler](bool started) {
                handler(parameter, started);
            });
        const QString group = presentation ? presentation->group : QString();
        if (group.isEmpty()) {
            widgets.append(widget);
            continue;
        }
        QLayout *&groupLayout = groups[group];
        if (!groupLayout) {
            auto *section = static_cast<CollapsibleSectionView *>(generateSection(group, {}));
            groupLayout = section->content()->layout();
            widgets.append(section);
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
            const std::string type = node->type();
            if (type != playerType && type != recorderType)
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
    std::vector<VStackViewController::DeferredView> sections;
    sections.reserve(shown.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        const bool folded = fold && !sections.empty();
        sections.push_back(
            {[generator, node = shown[i].first, folded, key = shownKeys[qsizetype(i)]] {
                 return generator.generateSection(node, folded, key);
             },
             folded ? 1 : shown[i].second + 1});
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

QList<QWidget *> UIGenerator::generatePlayerViews(const NQAudioNode &audioNode) const
{
    // A player object of our own for the engine node; the player view keeps it alive.
    auto player = std::make_shared<NQAudioPlayerNode>(audioNode.audioNode());
    auto playerView = std::make_unique<AudioPlayerView>(player);
    if (!delegate || audioFiles.isEmpty())
        return {playerView.release()};

    // Weak, so a file row never keeps the player alive.
    std::weak_ptr<NQAudioPlayerNode> weakPlayer = player;
    const auto load = [weakPlayer](const QUrl &file) {
        if (const auto player = weakPlayer.lock())
            player->load(file.toString(QUrl::FullyEncoded).toStdString());
    };
    // The row's file, and the row itself once made, for undoing a choice.
    auto chosen = std::make_shared<QUrl>();
    auto row = std::make_shared<QPointer<AudioFileView>>();
    auto fileView = std::make_unique<AudioFileView>(
        delegate.data(), QStringLiteral("File"), std::nullopt, audioFiles,
        [load, chosen, row, stack = undoStack](const QUrl &file) {
            const QUrl previous = std::exchange(*chosen, file);
            load(file);
            // The engine cannot unload a file, so only a change of file can be undone.
            if (!stack || previous.isEmpty() || previous == file || !*row)
                return;
            const auto show = [load, chosen, row](const QVariant &value) {
                *chosen = value.toUrl();
                load(*chosen);
                if (*row)
                    (*row)->setFile(*chosen);
            };
            stack->push(new ValueChangeCommand(QObject::tr("Choose File"), row->data(), show,
                                               previous, file));
        });
    *row = fileView.get();
    return {fileView.release(), playerView.release()};
}

QList<QWidget *> UIGenerator::generateRecorderViews(const NQAudioNode &audioNode)
{
    // A generated recorder works on its own: a WAV file in the application's data folder,
    // named after the node and the time, never overwriting an earlier recording.
    auto recorder = std::make_shared<GeneratedRecorderNode>(audioNode.audioNode());
    auto *view = new RecorderView(std::move(recorder));
    view->setRecordingFilePath(GeneratedRecorderNode::recordingPath(text(audioNode.displayName()),
                                                                    QDateTime::currentDateTime()));
    view->setRecordingFormat(NQCodec::wav);
    view->setStartStopButtonEnabled(true);
    return {view};
}

QWidget *UIGenerator::generateSection(const QString &title, const QList<QWidget *> &views,
                                      bool folded)
{
    auto content = std::make_unique<QWidget>();
    // A section whose content starts hidden starts folded. Only ever hidden here: showing a
    // widget without a parent would open it as a window of its own.
    if (folded)
        content->hide();
    auto *stack = new QVBoxLayout(content.get());
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(nodeWidgetSpacing);
    for (QWidget *view : views)
        stack->addWidget(view);
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
    const std::string type = audioNode.type();
    return type != playerType && type != recorderType;
}

// The control is the one the shared row rule names; numbers without a presentation keep the
// plain slider of their own type.
QWidget *UIGenerator::generateWidget(const std::shared_ptr<NQParameter> &parameter,
                                     const std::optional<ParameterPresentation> &presentation) const
{
    const auto row = ParameterRow::describe(parameter, presentation);
    if (!row)
        return nullptr;
    switch (row->kind()) {
    case ParameterRow::Kind::Switch:
        return switchFor(std::dynamic_pointer_cast<NQBoolParameter>(parameter));
    case ParameterRow::Kind::TextField:
        // Strings are read-only unless the host can write them.
        return textFieldFor(std::dynamic_pointer_cast<NQStringParameter>(parameter), stringWriter);
    case ParameterRow::Kind::ReadOnly:
        return new LiveValueView(row->title(), [row = *row] { return row.valueText(); });
    case ParameterRow::Kind::Segments:
    case ParameterRow::Kind::Picker:
        return choiceControl(*row, delegate);
    case ParameterRow::Kind::Slider:
        break;
    }
    if (presentation)
        return presentedSlider(*row);
    // Every number gets a slider over its range; integers are truncated on the way back.
    if (auto floatParameter = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
        return sliderFor(std::move(floatParameter));
    if (auto intParameter = std::dynamic_pointer_cast<NQIntParameter>(parameter))
        return sliderFor(std::move(intParameter));
    return sliderFor(std::dynamic_pointer_cast<NQUIntParameter>(parameter));
}

} // namespace NequoraUI
