#pragma once

#include "sim/SimGraph.h"

#include <QObject>
#include <QSize>
#include <memory>
#include <vector>

class NQFloatParameter;

// The parameter screens the screen benchmarks compare, built the same way in every program:
// the generated screen (sections made as they come into view, or all at once) and what a Qt
// developer would write instead:
//  - plainForm: a QGridLayout of QLabel + QSlider + QLabel per parameter in a QScrollArea,
//    no style sheets;
//  - uiLoaderForm: one Designer row (forms/ParameterRow.ui) loaded with QUiLoader per
//    parameter, stacked in a QScrollArea;
//  - quickList: a Qt Quick ListView of Qt Quick Controls rows over a list model.
// Each returns its window, built but not shown.
namespace BenchSupport {

using Parameters = std::vector<std::shared_ptr<NQFloatParameter>>;

// A phone-sized window.
inline const QSize screenSize(390, 844);

// How far apart the generated screen's slider rows are: a 68 px row and the 20 px between
// the widgets of a node. Scrolling peers given this pitch show as many rows on each page, so
// paging through takes them as many frames; at their natural pitch (about 21 px) they would
// page through four times fewer.
inline constexpr int generatedRowPitch = 88;

// Nodes of parametersPerNode float parameters between an input and an output node.
std::shared_ptr<SimGraph> makeGraph(int parameterCount, int parametersPerNode = 10);
// How many parameters each node of makeMixedGraph has.
inline constexpr int mixedParametersPerNode = 10;
// Nodes of five floats, two ints, one uint, one Boolean and one string, with no input or
// output node: the shape of the generated-screen benchmarks.
std::shared_ptr<SimGraph> makeMixedGraph(int parameterCount);
Parameters floatParameters(const SimGraph &graph);

using ScreenMaker = std::unique_ptr<QObject> (*)(const SimGraph &, const Parameters &);

std::unique_ptr<QObject> generatedScreen(const SimGraph &graph, const Parameters &);
// The same sections made all at once (generateViews() into a VStackViewController), as a
// host that stacks them itself gets them: what every row costs when all of them exist.
std::unique_ptr<QObject> eagerScreen(const SimGraph &graph, const Parameters &);
std::unique_ptr<QObject> plainForm(const SimGraph &, const Parameters &parameters);
std::unique_ptr<QObject> uiLoaderForm(const SimGraph &, const Parameters &parameters);
std::unique_ptr<QObject> quickList(const SimGraph &, const Parameters &parameters);
// The same peers with their rows generatedRowPitch apart.
std::unique_ptr<QObject> spacedPlainForm(const SimGraph &, const Parameters &parameters);
std::unique_ptr<QObject> spacedUiLoaderForm(const SimGraph &, const Parameters &parameters);
std::unique_ptr<QObject> spacedQuickList(const SimGraph &, const Parameters &parameters);
// Not a peer but a reference: the shape every generated slider row must have (the row, its
// content widget, the title and value labels and the slider, five widgets, in two layouts)
// built from Qt's own QWidget, QLabel and QSlider, stacked in a QScrollArea. What that shape
// costs before any code of the library runs.
std::unique_ptr<QObject> fiveWidgetForm(const SimGraph &, const Parameters &parameters);
std::unique_ptr<QObject> spacedFiveWidgetForm(const SimGraph &, const Parameters &parameters);
// The generated Qt Quick screen of the same graph.
std::unique_ptr<QObject> quickGenerated(const SimGraph &graph, const Parameters &);

// Shows a screen's window at screenSize and runs the event loop until its first frame is
// painted (for a Qt Quick window, swapped).
void showScreenUntilPainted(QObject *screen);

// Loads fonts, styles, interface templates and QML types once, outside any timed region.
void warmUp(ScreenMaker make);

} // namespace BenchSupport
