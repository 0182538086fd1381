#include "DemoSettingsDriver.h"

#include "ControllerMap.h"
#include "GraphViewController.h"
#include "ParameterBinding.h"
#include "PresetBar.h"
#include "PresetStore.h"
#include "RowMarks.h"
#include "ScreenSettings.h"
#include "SliderView.h"
#include "platform/Slider.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextStream>
#include <QUndoStack>

#include <memory>

using NequoraUI::ScreenSettings;

namespace {

void say(const QString &line)
{
    QTextStream(stdout) << "drive: " << line << Qt::endl;
}

void settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A user's change of a row's value, as the slider's assistive interface makes it.
void moveAsUser(NequoraUI::SliderView *row, float proportion)
{
    if (auto *knob = row ? row->findChild<NequoraUI::platform::Slider *>() : nullptr)
        knob->setValueAsUser(knob->minimumValue() +
                             proportion * (knob->maximumValue() - knob->minimumValue()));
}

} // namespace

void DemoSettingsDriver::run()
{
    if (!graph || !graph->settings() || !graph->presetBar)
        return;
    QObject::connect(graph, &NequoraUI::GraphViewController::gestureStarted, graph,
                     [this] { ++gesturesStarted; });
    QObject::connect(graph, &NequoraUI::GraphViewController::gestureEnded, graph,
                     [this] { ++gesturesEnded; });
    // The drive answers the bar's questions itself: a fixed name, and yes to replacing it.
    graph->presetBar->setNameQuestion([](const QString &) { return QStringLiteral("Demo Drive"); });
    graph->presetBar->setConfirmation([](const QString &question) {
        say(QStringLiteral("asked \"%1\": yes").arg(question));
        return true;
    });
    saveAndLoadPreset();
    loadFactoryPreset();
    resetAll();
    learnController();
    compareAAndB();
    settle(400); // the last key-like change ends its gesture once it rests
    say(QStringLiteral("gestures reported: %1 started, %2 ended")
            .arg(gesturesStarted)
            .arg(gesturesEnded));
}

NequoraUI::SliderView *DemoSettingsDriver::slider(const QString &title) const
{
    for (auto *row : graph->view()->findChildren<NequoraUI::SliderView *>())
        if (row->title() == title)
            return row;
    return nullptr;
}

QString DemoSettingsDriver::valueOf(const QString &title) const
{
    const auto &parameters = graph->settings()->parameters();
    for (int i = 0; i < parameters.size(); ++i)
        if (parameters.key(i).parameter == title)
            return parameters.read(i).typeId() == QMetaType::Double
                       ? QString::number(float(parameters.read(i).toDouble()))
                       : parameters.read(i).toString();
    return QStringLiteral("?");
}

void DemoSettingsDriver::saveAndLoadPreset()
{
    NequoraUI::PresetBar *bar = graph->presetBar;
    bar->saveAsButton->click();
    say(QStringLiteral("%1 (%2)").arg(bar->statusText(), graph->presetBar->currentPreset()));
    moveAsUser(slider(QStringLiteral("Resonance")), 0.9f);
    say(QStringLiteral("moved Resonance to %1").arg(valueOf(QStringLiteral("Resonance"))));
    bar->loadPreset(QStringLiteral("Demo Drive"));
    say(QStringLiteral("%1 Resonance back to %2")
            .arg(bar->statusText(), valueOf(QStringLiteral("Resonance"))));
}

void DemoSettingsDriver::loadFactoryPreset()
{
    NequoraUI::PresetBar *bar = graph->presetBar;
    bar->loadPreset(QStringLiteral("Dark Echo"));
    say(QStringLiteral("%1 Cutoff %2, Mix %3")
            .arg(bar->statusText(), valueOf(QStringLiteral("Cutoff")),
                 valueOf(QStringLiteral("Mix"))));
}

void DemoSettingsDriver::resetAll()
{
    graph->presetBar->resetButton->click();
    say(QStringLiteral("reset all: Cutoff %1, Mix %2 (undo: \"%3\")")
            .arg(valueOf(QStringLiteral("Cutoff")), valueOf(QStringLiteral("Mix")),
                 graph->undoStack()->undoText()));
}

// Through the row's context menu, then a controller turned from bottom to top.
void DemoSettingsDriver::learnController()
{
    NequoraUI::SliderView *cutoff = slider(QStringLiteral("Cutoff"));
    auto *binding = NequoraUI::ParameterBinding::of(cutoff);
    const int index = binding ? graph->settings()->parameters().indexOf(
                                    {QStringLiteral("Filter"), QStringLiteral("Cutoff")})
                              : -1;
    if (index < 0)
        return;
    std::unique_ptr<QMenu> menu(graph->settings()->controllers()->contextMenu(index));
    say(QStringLiteral("context menu of Cutoff offers \"%1\"").arg(menu->actions()[0]->text()));
    menu->actions()[0]->trigger();
    graph->controllerEvent(0, 74, 0);
    say(QStringLiteral("learnt: Cutoff shows \"%1\"")
            .arg(NequoraUI::RowMarks::of(cutoff)->controllerText()));
    QStringList seen;
    for (int value : {0, 32, 64, 96, 127}) {
        graph->controllerEvent(0, 74, value);
        seen << QStringLiteral("%1 -> %2 Hz").arg(value).arg(cutoff->value(), 0, 'f', 0);
    }
    settle(400); // the controller's gesture ends once it rests
    say(QStringLiteral("CC 74 moved Cutoff on its log scale: %1 (undo: \"%2\")")
            .arg(seen.join(QStringLiteral(", ")), graph->undoStack()->undoText()));
}

void DemoSettingsDriver::compareAAndB()
{
    ScreenSettings *settings = graph->settings();
    graph->presetBar->copyButton->click();
    graph->presetBar->slotButton->click();
    moveAsUser(slider(QStringLiteral("Mix")), 0.8f);
    moveAsUser(slider(QStringLiteral("Resonance")), 0.1f);
    say(QStringLiteral("on B: Mix %1, %2 rows differ from A")
            .arg(valueOf(QStringLiteral("Mix")))
            .arg(settings->differingCount()));
    graph->switchSlot();
    say(QStringLiteral("back on A: Mix %1").arg(valueOf(QStringLiteral("Mix"))));
    graph->switchSlot();
    // Back to the top, where the marked rows are.
    if (auto *area = graph->view()->findChild<QScrollArea *>())
        area->verticalScrollBar()->setValue(0);
    NequoraUI::SliderView *mix = slider(QStringLiteral("Mix"));
    say(QStringLiteral("on B again: Mix %1; its row says \"%2\"")
            .arg(valueOf(QStringLiteral("Mix")),
                 mix ? NequoraUI::RowMarks::of(mix)->accessibleDescription() : QString()));
}
