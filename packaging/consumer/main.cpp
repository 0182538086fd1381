// Checks, against the installed package, what the apps only show: the README's adapter drives
// the generated screen, the simulated engine reads a graph, the linked library's QML module
// needs no set-up.
#include "MyEngine.h"

#include <NequoraUI/NequoraUIVersion.h>
#include <NequoraUI/UIGenerator.h>
#include <NequoraUI/platform/Slider.h>
#include <NequoraUI/platform/Switch.h>
#include <NequoraUI/platform/ViewController.h>
#include <NequoraUI/sdk/sim/GraphFile.h>

#include <QApplication>
#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <cstdio>
#include <memory>

namespace {

int failures = 0;

void check(bool ok, const char *what)
{
    std::printf("consumer: %s %s\n", what, ok ? "works" : "FAILED");
    failures += ok ? 0 : 1;
}

// The user moves the generated slider to its end and flips the switch: the writes reach the
// adapter's state.
bool adapterDrivesTheScreen()
{
    MyGraph graph;
    const auto screen = NequoraUI::UIGenerator::generateViewController(graph, {});
    // Sections are made as they come into view.
    screen->view()->resize(400, 600);
    screen->view()->show();
    QCoreApplication::processEvents();
    auto *slider = screen->view()->findChild<NequoraUI::platform::Slider *>();
    auto *toggle = screen->view()->findChild<NequoraUI::platform::Switch *>();
    if (!slider || !toggle)
        return false;
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(slider, &end);
    toggle->click();
    return graph.filter->cutoff == 20000.0f && graph.filter->bypass;
}

bool simulatedEngineReadsAGraph()
{
    const auto engine = GraphFile::parse(
        R"({"nodes": [{"type": "Effect", "name": "Reverb", "parameters": [
            {"kind": "float", "name": "Mix", "value": 0.5, "minimum": 0, "maximum": 1}]}]})",
        "inline.json");
    const auto views = NequoraUI::UIGenerator().generateViews(*engine->graph());
    const bool ok = views.size() == 1;
    qDeleteAll(views);
    return ok;
}

bool linkedHostImportsTheModule()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport NequoraUI\nNQRadialSliderControl { size: 120 }",
                      QUrl());
    const std::unique_ptr<QObject> pad(component.create());
    if (!pad)
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
    return pad && pad->property("size").toDouble() == 120.0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    check(NequoraUIVersionNumber == 1.0, "version data");
    check(adapterDrivesTheScreen(), "adapter");
    check(simulatedEngineReadsAGraph(), "simulated engine");
    check(linkedHostImportsTheModule(), "QML module in a linked host");
    return failures == 0 ? 0 : 1;
}
