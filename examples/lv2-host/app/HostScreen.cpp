#include "HostScreen.h"

#include "Lv2FactoryPresets.h"
#include "Lv2Plugin.h"
#include "Lv2PluginNode.h"
#include "Lv2Presets.h"
#include "Lv2Rack.h"
#include "PresetLoadCommand.h"
#include "SimPresentation.h"

#include "CollapsibleSectionView.h"
#include "GraphViewController.h"
#include "PickerView.h"
#include "PresetStore.h"
#include "UIGenerator.h"

#include <QBoxLayout>
#include <QLabel>

#include <algorithm>

using namespace NequoraUI;

namespace {

constexpr qsizetype foldSectionsAbove = 8;
constexpr uint8_t controlChange = 0xB0;

} // namespace

HostScreen::HostScreen(std::shared_ptr<Lv2Rack> hostRack, const QList<QUrl> &audioFiles,
                       const QString &presetFolder, QObject *parent)
    : QObject(parent), rack(std::move(hostRack))
{
    UIGenerator generator;
    if (!presetFolder.isEmpty())
        generator.presetStore = std::make_shared<PresetStore>(
            presetFolder, std::make_shared<Lv2FactoryPresets>(std::weak_ptr<const Lv2Rack>(rack)));
    generator.audioFiles = audioFiles;
    generator.foldSectionsAbove = foldSectionsAbove;
    generator.followsParameters = true;
    generator.presentationProvider = presentations(rack);
    screen = generator.generateViewController(*rack);
    auto *stack = static_cast<VStackViewController *>(screen.get());
    connect(stack, &VStackViewController::viewRealised, this,
            [this](int, QWidget *section) { addPresetRow(section); });
}

HostScreen::~HostScreen() = default;

ParameterPresentationProvider HostScreen::presentations(const std::shared_ptr<const Lv2Rack> &rack)
{
    return [weakRack = std::weak_ptr<const Lv2Rack>(rack)](
               const NQParameter &parameter) -> std::optional<ParameterPresentation> {
        const auto owner = weakRack.lock();
        const SimParameterHints *hints = owner ? owner->hints(parameter) : nullptr;
        if (!hints)
            return std::nullopt;
        return SimPresentation::from(*hints);
    };
}

platform::ViewController *HostScreen::controller() const
{
    return screen.get();
}

QWidget *HostScreen::view() const
{
    return screen->view();
}

QUndoStack *HostScreen::undoStack() const
{
    return static_cast<GraphViewController *>(screen.get())->undoStack();
}

bool HostScreen::controllerMessage(uint8_t status, uint8_t number, uint8_t value)
{
    if ((status & 0xF0) != controlChange)
        return false;
    return static_cast<GraphViewController *>(screen.get())
        ->controllerEvent(status & 0x0F, number, value);
}

void HostScreen::addPresetRow(QWidget *section)
{
    auto *collapsible = qobject_cast<CollapsibleSectionView *>(section);
    if (!collapsible)
        return;
    const std::string title = collapsible->titleLabel->text().toStdString();
    std::shared_ptr<Lv2PluginNode> node;
    for (const auto &candidate : rack->pluginNodes())
        if (candidate->displayName() == title)
            node = candidate;
    auto *layout = node ? qobject_cast<QBoxLayout *>(collapsible->content()->layout()) : nullptr;
    if (!layout)
        return;
    const auto presets = rack->presets(*node);
    if (presets.empty())
        return;
    QStringList labels;
    for (const auto &preset : presets)
        labels.append(QString::fromStdString(preset.label));
    auto *row = new PickerView(
        screen.get(), QString::fromLatin1(presetTitle), QString(), labels,
        [this, weakNode = std::weak_ptr<Lv2PluginNode>(node), presets](const QString &label) {
            const auto chosen = std::find_if(presets.begin(), presets.end(), [&](const auto &p) {
                return QString::fromStdString(p.label) == label;
            });
            if (const auto target = weakNode.lock(); target && chosen != presets.end())
                loadPreset(target, chosen->uri);
        });
    layout->insertWidget(0, row);
}

void HostScreen::loadPreset(const std::shared_ptr<Lv2PluginNode> &node,
                            const std::string &presetUri)
{
    const auto loaded = rack->readPreset(*node, presetUri);
    std::vector<PresetLoadCommand::Change> changes;
    for (const auto &[symbol, value] : loaded.values)
        if (const auto before = node->control(symbol); before && node->parameter(symbol))
            changes.push_back({symbol, *before, double(value)});
    QString label = QString::fromStdString(presetUri);
    for (const auto &preset : rack->presets(*node))
        if (preset.uri == presetUri)
            label = QString::fromStdString(preset.label);
    undoStack()->push(
        new PresetLoadCommand(tr("Load preset %1").arg(label), node, std::move(changes)));
    rack->restoreState(*node, *loaded.state);
}
