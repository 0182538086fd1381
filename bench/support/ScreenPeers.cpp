#include "ScreenPeers.h"

#include "BenchSupport.h"
#include "GraphRowModel.h"
#include "NQFloatParameter.h"
#include "ParameterModel.h"
#include "UIGenerator.h"
#include "VStackViewController.h"
#include "platform/NumberText.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScrollArea>
#include <QSlider>
#include <QUiLoader>
#include <QVBoxLayout>

namespace BenchSupport {

using namespace NequoraUI;

namespace {

constexpr int sliderSteps = 1000;

QString name(const NQFloatParameter &parameter)
{
    return QString::fromStdString(parameter.name());
}

QString valueText(float value)
{
    return QString::fromStdString(platform::NumberText::fixed(value, 2));
}

int sliderPosition(const NQFloatParameter &parameter)
{
    const float range = parameter.maximumValue() - parameter.minimumValue();
    return range > 0 ? qRound((parameter.value() - parameter.minimumValue()) / range * sliderSteps)
                     : 0;
}

// The slider writes the engine and the label follows, as the generated rows do.
void bindSlider(QSlider *slider, QLabel *value, const std::shared_ptr<NQFloatParameter> &parameter)
{
    slider->setRange(0, sliderSteps);
    slider->setValue(sliderPosition(*parameter));
    QObject::connect(slider, &QSlider::valueChanged, value, [parameter, value](int position) {
        const float range = parameter->maximumValue() - parameter->minimumValue();
        parameter->setValue(parameter->minimumValue() + range * float(position) / sliderSteps);
        value->setText(valueText(parameter->value()));
    });
}

// One engine and one compiled component for the whole run, as in an application that opens
// the screen again: the imports are loaded once, each screen is a new window and list.
QQmlComponent &parameterList()
{
    static QQmlEngine engine;
    static QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/bench/ParameterList.qml")));
    if (component.isError())
        qFatal("ParameterList.qml: %s", qPrintable(component.errorString()));
    return component;
}

// The generated Qt Quick screen of the same graph: its row model and GraphScreen, compiled once
// like the peer above.
QQmlComponent &graphScreen()
{
    static QQmlEngine engine;
    static QQmlComponent component(&engine,
                                   QUrl(QStringLiteral("qrc:/NequoraUI/quick/GraphScreen.qml")));
    if (component.isError())
        qFatal("GraphScreen.qml: %s", qPrintable(component.errorString()));
    return component;
}

} // namespace

std::shared_ptr<SimGraph> makeGraph(int parameterCount, int parametersPerNode)
{
    auto graph = std::make_shared<SimGraph>();
    graph->append(std::make_shared<SimNode>("Nequora.GraphInput", "Input"));
    for (int n = 0; n * parametersPerNode < parameterCount; ++n) {
        auto node = std::make_shared<SimNode>("Effect", "Effect " + std::to_string(n));
        for (int p = 0; p < parametersPerNode && n * parametersPerNode + p < parameterCount; ++p)
            node->addFloatParameter("Parameter " + std::to_string(p), 0.5f, 0.0f, 1.0f);
        graph->append(std::move(node));
    }
    graph->append(std::make_shared<SimNode>("Nequora.GraphOutput", "Output"));
    return graph;
}

std::shared_ptr<SimGraph> makeMixedGraph(int parameterCount)
{
    auto graph = std::make_shared<SimGraph>();
    for (int n = 0; n < parameterCount / mixedParametersPerNode; ++n) {
        auto node = std::make_shared<SimNode>("Effect", "Effect " + std::to_string(n));
        for (int f = 0; f < 5; ++f)
            node->addFloatParameter("Float " + std::to_string(f), 0.5f, 0.0f, 1.0f);
        node->addIntParameter("Int 0", 3, -10, 10);
        node->addIntParameter("Int 1", 0, 0, 127);
        node->addUIntParameter("UInt", 50, 0, 100);
        node->addBoolParameter("Bypass", false);
        node->addStringParameter("Label", "Effect");
        graph->append(std::move(node));
    }
    return graph;
}

Parameters floatParameters(const SimGraph &graph)
{
    Parameters result;
    for (const auto &node : graph.simNodes())
        for (const auto &parameter : node->parameters())
            if (auto number = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
                result.push_back(std::move(number));
    return result;
}

std::unique_ptr<QObject> generatedScreen(const SimGraph &graph, const Parameters &)
{
    auto controller = UIGenerator::generateViewController(graph, {});
    controller->view();
    return controller;
}

// The same sections made all at once (generateViews() into a VStackViewController), as a
// host that stacks them itself gets them: what every row costs when all of them exist.
std::unique_ptr<QObject> eagerScreen(const SimGraph &graph, const Parameters &)
{
    auto controller = std::make_unique<VStackViewController>(UIGenerator().generateViews(graph));
    controller->view();
    return controller;
}

namespace {

// rowPitch 0 leaves each peer's rows at their natural height and spacing.
std::unique_ptr<QObject> makePlainForm(const Parameters &parameters, int rowPitch)
{
    auto area = std::make_unique<QScrollArea>();
    area->setWidgetResizable(true);
    auto *form = new QWidget;
    auto *grid = new QGridLayout(form);
    int row = 0;
    for (const auto &parameter : parameters) {
        auto *value = new QLabel(valueText(parameter->value()));
        auto *slider = new QSlider(Qt::Horizontal);
        bindSlider(slider, value, parameter);
        grid->addWidget(new QLabel(name(*parameter)), row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(value, row, 2);
        if (rowPitch > 0)
            grid->setRowMinimumHeight(row, rowPitch);
        ++row;
    }
    if (rowPitch > 0)
        grid->setVerticalSpacing(0);
    grid->setRowStretch(row, 1);
    area->setWidget(form);
    return area;
}

// Rows made by makeRow for each parameter, stacked in a column in a QScrollArea, rowPitch apart
// where it is positive.
template <typename RowMaker>
std::unique_ptr<QObject> makeStackedRows(const Parameters &parameters, int rowPitch,
                                         RowMaker makeRow)
{
    auto area = std::make_unique<QScrollArea>();
    area->setWidgetResizable(true);
    auto *form = new QWidget;
    auto *column = new QVBoxLayout(form);
    for (const auto &parameter : parameters) {
        QWidget *row = makeRow(form, parameter);
        if (rowPitch > 0)
            row->setMinimumHeight(rowPitch);
        column->addWidget(row);
    }
    if (rowPitch > 0)
        column->setSpacing(0);
    column->addStretch();
    area->setWidget(form);
    return area;
}

std::unique_ptr<QObject> makeUiLoaderForm(const Parameters &parameters, int rowPitch)
{
    QUiLoader loader;
    return makeStackedRows(parameters, rowPitch, [&loader](QWidget *form, const auto &parameter) {
        QFile file(QStringLiteral(":/bench/ParameterRow.ui"));
        file.open(QIODevice::ReadOnly);
        QWidget *row = loader.load(&file, form);
        row->findChild<QLabel *>(QStringLiteral("title"))->setText(name(*parameter));
        auto *value = row->findChild<QLabel *>(QStringLiteral("value"));
        value->setText(valueText(parameter->value()));
        bindSlider(row->findChild<QSlider *>(QStringLiteral("slider")), value, parameter);
        return row;
    });
}

// The shape every generated row must have, in plain Qt widgets: the row, its content widget in
// a zero-margin layout, and in the content's grid the title, the value and the slider.
std::unique_ptr<QObject> makeFiveWidgetForm(const Parameters &parameters, int rowPitch)
{
    return makeStackedRows(parameters, rowPitch, [](QWidget *form, const auto &parameter) {
        auto *row = new QWidget(form);
        auto *rowLayout = new QVBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        auto *content = new QWidget(row);
        rowLayout->addWidget(content);
        auto *grid = new QGridLayout(content);
        auto *value = new QLabel(valueText(parameter->value()), content);
        auto *slider = new QSlider(Qt::Horizontal, content);
        bindSlider(slider, value, parameter);
        grid->addWidget(new QLabel(name(*parameter), content), 0, 0);
        grid->addWidget(value, 0, 1);
        grid->addWidget(slider, 1, 0, 1, 2);
        return row;
    });
}

std::unique_ptr<QObject> makeQuickList(const Parameters &parameters, int rowPitch)
{
    auto window = std::make_unique<QQuickWindow>();
    auto *model = new ParameterModel(parameters, window.get());
    QObject *list = parameterList().createWithInitialProperties(
        {{QStringLiteral("model"), QVariant::fromValue<QObject *>(model)},
         {QStringLiteral("rowPitch"), rowPitch}});
    auto *item = qobject_cast<QQuickItem *>(list);
    item->setParent(window.get());
    item->setParentItem(window->contentItem());
    item->setSize(screenSize);
    return window;
}

} // namespace

std::unique_ptr<QObject> plainForm(const SimGraph &, const Parameters &parameters)
{
    return makePlainForm(parameters, 0);
}

std::unique_ptr<QObject> uiLoaderForm(const SimGraph &, const Parameters &parameters)
{
    return makeUiLoaderForm(parameters, 0);
}

std::unique_ptr<QObject> fiveWidgetForm(const SimGraph &, const Parameters &parameters)
{
    return makeFiveWidgetForm(parameters, 0);
}

std::unique_ptr<QObject> spacedFiveWidgetForm(const SimGraph &, const Parameters &parameters)
{
    return makeFiveWidgetForm(parameters, generatedRowPitch);
}

std::unique_ptr<QObject> quickList(const SimGraph &, const Parameters &parameters)
{
    return makeQuickList(parameters, 0);
}

std::unique_ptr<QObject> spacedPlainForm(const SimGraph &, const Parameters &parameters)
{
    return makePlainForm(parameters, generatedRowPitch);
}

std::unique_ptr<QObject> spacedUiLoaderForm(const SimGraph &, const Parameters &parameters)
{
    return makeUiLoaderForm(parameters, generatedRowPitch);
}

std::unique_ptr<QObject> spacedQuickList(const SimGraph &, const Parameters &parameters)
{
    return makeQuickList(parameters, generatedRowPitch);
}

std::unique_ptr<QObject> quickGenerated(const SimGraph &graph, const Parameters &)
{
    auto window = std::make_unique<QQuickWindow>();
    auto *rows = new GraphRowModel(graph, UIGenerator{}, window.get());
    QObject *screen = graphScreen().createWithInitialProperties(
        {{QStringLiteral("graph"), QVariant::fromValue(rows)}});
    auto *item = qobject_cast<QQuickItem *>(screen);
    item->setParent(window.get());
    item->setParentItem(window->contentItem());
    item->setSize(screenSize);
    return window;
}

// Shows the screen's window and runs the event loop until its first frame is painted.
void showScreenUntilPainted(QObject *screen)
{
    if (auto *window = qobject_cast<QQuickWindow *>(screen)) {
        bool swapped = false;
        QObject::connect(window, &QQuickWindow::frameSwapped, window,
                         [&swapped] { swapped = true; });
        window->resize(screenSize);
        window->show();
        while (!swapped)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return;
    }
    QWidget *widget = qobject_cast<platform::ViewController *>(screen)
                          ? qobject_cast<platform::ViewController *>(screen)->view()
                          : qobject_cast<QWidget *>(screen);
    showUntilPainted(widget, screenSize);
}

// Loads fonts, styles, interface templates and QML types once, outside any timed region.
void warmUp(ScreenMaker make)
{
    static bool quickReady = false;
    if (!quickReady) {
        if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        quickReady = true;
    }
    const auto graph = makeGraph(20);
    auto screen = make(*graph, floatParameters(*graph));
    showScreenUntilPainted(screen.get());
}

} // namespace BenchSupport
