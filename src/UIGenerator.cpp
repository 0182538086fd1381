#include "UIGenerator.h"

#include "AudioFileView.h"
#include "AudioPlayerView.h"
#include "CollapsibleSectionView.h"
#include "NQAudioGraph.h"
#include "NQAudioNode.h"
#include "NQAudioPlayerNode.h"
#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQRecorderNode.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "RecorderView.h"
#include "SaturatingConversion.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "VStackViewController.h"

#include <QVBoxLayout>
#include <QWidget>
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

QWidget *sliderFor(std::shared_ptr<NQIntParameter> parameter)
{
    return new SliderView(
        text(parameter->name()), float(parameter->value()), float(parameter->minimumValue()),
        float(parameter->maximumValue()),
        [parameter](float value) { parameter->setValue(SaturatingConversion::toInt32(value)); });
}

QWidget *sliderFor(std::shared_ptr<NQUIntParameter> parameter)
{
    return new SliderView(
        text(parameter->name()), float(parameter->value()), float(parameter->minimumValue()),
        float(parameter->maximumValue()),
        [parameter](float value) { parameter->setValue(SaturatingConversion::toUInt32(value)); });
}

QWidget *textFieldFor(const std::shared_ptr<NQStringParameter> &parameter)
{
    return new TextFieldView(text(parameter->name()), text(parameter->value()));
}

} // namespace

QList<QWidget *> UIGenerator::generateViews(const NQAudioGraph &audioGraph) const
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
    return generateViews(shown);
}

QList<QWidget *>
UIGenerator::generateViews(const std::vector<std::shared_ptr<NQAudioNode>> &audioNodes) const
{
    QList<QWidget *> sections;
    for (const auto &node : audioNodes) {
        if (!node)
            continue;
        const QList<QWidget *> views = generateViews(node);
        if (!views.isEmpty())
            sections.append(generateSection(*node, views));
    }
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
    QList<QWidget *> widgets;
    widgets.reserve(qsizetype(parameters.size()));
    for (const auto &parameter : parameters)
        if (QWidget *widget = generateWidget(parameter))
            widgets.append(widget);
    return widgets;
}

std::unique_ptr<platform::ViewController>
UIGenerator::generateViewController(const NQAudioGraph &audioGraph, const QList<QUrl> &audioFiles)
{
    auto controller = std::make_unique<VStackViewController>();
    UIGenerator generator;
    generator.delegate = ViewControllerPresenter::of(controller.get());
    generator.audioFiles = audioFiles;
    // Stored, not placed: the controller fills its stack when its view loads.
    controller->setViews(generator.generateViews(audioGraph));
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
    auto fileView = std::make_unique<AudioFileView>(
        delegate.data(), QStringLiteral("File"), std::nullopt, audioFiles,
        [weakPlayer](const QUrl &file) {
            if (const auto player = weakPlayer.lock())
                player->load(file.toString(QUrl::FullyEncoded).toStdString());
        });
    return {fileView.release(), playerView.release()};
}

QList<QWidget *> UIGenerator::generateRecorderViews(const NQAudioNode &audioNode)
{
    auto recorder = std::make_shared<NQRecorderNode>(audioNode.audioNode());
    return {new RecorderView(std::move(recorder))};
}

QWidget *UIGenerator::generateSection(const NQAudioNode &audioNode, const QList<QWidget *> &views)
{
    auto content = std::make_unique<QWidget>();
    auto *stack = new QVBoxLayout(content.get());
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(nodeWidgetSpacing);
    for (QWidget *view : views)
        stack->addWidget(view);
    return new CollapsibleSectionView(text(audioNode.displayName()), content.release());
}

// One widget per parameter kind, first match wins; the order matters only for a parameter
// object that is of more than one kind.
QWidget *UIGenerator::generateWidget(const std::shared_ptr<NQParameter> &parameter)
{
    // On/off values get a switch.
    if (auto boolParameter = std::dynamic_pointer_cast<NQBoolParameter>(parameter))
        return switchFor(std::move(boolParameter));
    // Every number gets a slider over its range; integers are truncated on the way back.
    if (auto floatParameter = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
        return sliderFor(std::move(floatParameter));
    if (auto intParameter = std::dynamic_pointer_cast<NQIntParameter>(parameter))
        return sliderFor(std::move(intParameter));
    if (auto uintParameter = std::dynamic_pointer_cast<NQUIntParameter>(parameter))
        return sliderFor(std::move(uintParameter));
    // Strings are shown for reading; edits are not written back.
    if (auto stringParameter = std::dynamic_pointer_cast<NQStringParameter>(parameter))
        return textFieldFor(stringParameter);
    // Anything else (or no parameter at all) has no control and is left out.
    return nullptr;
}

} // namespace NequoraUI
