#pragma once

#include <QPointer>
#include <QString>

namespace NequoraUI {
class GraphViewController;
class SliderView;
} // namespace NequoraUI

// Uses the graph screen's settings as a person and a MIDI keyboard would: saves a preset from
// the preset bar, changes a value and loads the preset back, loads a factory preset, compares
// A and B, learns a controller through a row's context menu and turns it, and resets
// everything. Each step prints what it saw, and the gestures the screen reported. It ends on
// slot B with differing rows marked, so a screenshot taken after it shows the marks.
class DemoSettingsDriver
{
public:
    explicit DemoSettingsDriver(NequoraUI::GraphViewController *graph) : graph(graph) {}

    void run();

private:
    void saveAndLoadPreset();
    void loadFactoryPreset();
    void compareAAndB();
    void learnController();
    void resetAll();
    NequoraUI::SliderView *slider(const QString &title) const;
    // The row's value as the engine holds it, for printing.
    QString valueOf(const QString &title) const;

    QPointer<NequoraUI::GraphViewController> graph;
    int gesturesStarted = 0;
    int gesturesEnded = 0;
};
