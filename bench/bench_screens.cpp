// What a user waits for when a parameter screen opens: construction to the first painted
// frame, with the event loop running (expose, polish, layout, paint into the backing store),
// for N float parameters. The generated screen (sections made as they come into view; and,
// for reference, all made at once) is compared in the same run with what a Qt developer would
// write instead:
//  - PlainForm: a QGridLayout of QLabel + QSlider + QLabel per parameter in a QScrollArea,
//    no style sheets;
//  - UiLoader: one Designer row (forms/ParameterRow.ui) loaded with QUiLoader per parameter,
//    stacked in a QScrollArea;
//  - QuickList: a Qt Quick ListView of Qt Quick Controls rows over a list model.
// Times are per parameter. BM_Memory_* report resident memory per parameter after the first
// frame; run each in a process of its own (see BENCHMARKS.md), since a process that already
// built and freed screens reuses that memory.
#include "support/BenchSupport.h"

#include "GraphRowModel.h"
#include "NQFloatParameter.h"
#include "UIGenerator.h"
#include "VStackViewController.h"
#include "platform/NumberText.h"
#include "sim/SimGraph.h"

#include <QAbstractListModel>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QUiLoader>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

using namespace NequoraUI;
using Parameters = std::vector<std::shared_ptr<NQFloatParameter>>;

constexpr int parametersPerNode = 10;
constexpr int sliderSteps = 1000;
const QSize screenSize(390, 844);

// Nodes of ten float parameters between an input and an output node.
std::shared_ptr<SimGraph> makeGraph(int parameterCount)
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

Parameters floatParameters(const SimGraph &graph)
{
    Parameters result;
    for (const auto &node : graph.simNodes())
        for (const auto &parameter : node->parameters())
            if (auto number = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
                result.push_back(std::move(number));
    return result;
}

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

// --- The screens; each returns its window, built but not shown. ---

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

std::unique_ptr<QObject> plainForm(const SimGraph &, const Parameters &parameters)
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
        ++row;
    }
    grid->setRowStretch(row, 1);
    area->setWidget(form);
    return area;
}

std::unique_ptr<QObject> uiLoaderForm(const SimGraph &, const Parameters &parameters)
{
    auto area = std::make_unique<QScrollArea>();
    area->setWidgetResizable(true);
    auto *form = new QWidget;
    auto *column = new QVBoxLayout(form);
    QUiLoader loader;
    for (const auto &parameter : parameters) {
        QFile file(QStringLiteral(":/bench/ParameterRow.ui"));
        file.open(QIODevice::ReadOnly);
        QWidget *row = loader.load(&file, form);
        row->findChild<QLabel *>(QStringLiteral("title"))->setText(name(*parameter));
        auto *value = row->findChild<QLabel *>(QStringLiteral("value"));
        value->setText(valueText(parameter->value()));
        bindSlider(row->findChild<QSlider *>(QStringLiteral("slider")), value, parameter);
        column->addWidget(row);
    }
    column->addStretch();
    area->setWidget(form);
    return area;
}

// The list model a Qt Quick developer puts in front of the engine's parameters.
class ParameterModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        NameRole = Qt::UserRole,
        MinimumRole,
        MaximumRole,
        ValueRole
    };

    explicit ParameterModel(Parameters parameters, QObject *parent = nullptr)
        : QAbstractListModel(parent), parameters(std::move(parameters))
    {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(parameters.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto &parameter = *parameters[size_t(index.row())];
        switch (role) {
        case NameRole:
            return name(parameter);
        case MinimumRole:
            return parameter.minimumValue();
        case MaximumRole:
            return parameter.maximumValue();
        case ValueRole:
            return parameter.value();
        }
        return {};
    }

    QHash<int, QByteArray> roleNames() const override
    {
        return {{NameRole, "name"},
                {MinimumRole, "minimum"},
                {MaximumRole, "maximum"},
                {ValueRole, "value"}};
    }

    Q_INVOKABLE void setValueAt(int row, double value)
    {
        parameters[size_t(row)]->setValue(float(value));
        emit dataChanged(index(row), index(row), {ValueRole});
    }

private:
    Parameters parameters;
};

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

std::unique_ptr<QObject> quickList(const SimGraph &, const Parameters &parameters)
{
    auto window = std::make_unique<QQuickWindow>();
    auto *model = new ParameterModel(parameters, window.get());
    QObject *list = parameterList().createWithInitialProperties(
        {{QStringLiteral("model"), QVariant::fromValue<QObject *>(model)}});
    auto *item = qobject_cast<QQuickItem *>(list);
    item->setParent(window.get());
    item->setParentItem(window->contentItem());
    item->setSize(screenSize);
    return window;
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

using ScreenMaker = std::unique_ptr<QObject> (*)(const SimGraph &, const Parameters &);

// Shows the screen's window and runs the event loop until its first frame is painted.
void showUntilPainted(QObject *screen)
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
    BenchSupport::showUntilPainted(widget, screenSize);
}

void reportPerParameter(benchmark::State &state, int parameterCount)
{
    state.counters["per_parameter"] =
        benchmark::Counter(double(parameterCount), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
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
    showUntilPainted(screen.get());
}

template <ScreenMaker make> void firstPaint(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    const Parameters parameters = floatParameters(*graph);
    warmUp(make);
    for (auto _ : state) {
        auto screen = make(*graph, parameters);
        showUntilPainted(screen.get());
        state.PauseTiming();
        screen.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    reportPerParameter(state, parameterCount);
}

template <ScreenMaker make> void memory(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    const Parameters parameters = floatParameters(*graph);
    warmUp(make);
    for (auto _ : state) {
        const double before = BenchSupport::residentKiB();
        auto screen = make(*graph, parameters);
        showUntilPainted(screen.get());
        state.counters["KiB_per_parameter"] =
            (BenchSupport::residentKiB() - before) / double(parameterCount);
    }
}

// The generated screen's worst case: every section made, by scrolling to the end a page at a
// time as a user would (sections stay once made).
void memoryScrolledThrough(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    warmUp(generatedScreen);
    for (auto _ : state) {
        const double before = BenchSupport::residentKiB();
        auto screen = generatedScreen(*graph, {});
        showUntilPainted(screen.get());
        auto *stack = qobject_cast<VStackViewController *>(screen.get());
        QScrollBar *bar = stack->view()->findChild<QScrollArea *>()->verticalScrollBar();
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            // The event loop runs between steps, as when a user scrolls: every frame painted.
            QCoreApplication::processEvents();
        }
        int made = 0;
        for (int index = 0; index < stack->stackedViewCount(); ++index)
            made += stack->isRealised(index);
        state.counters["made"] = double(made);
        state.counters["KiB_per_parameter"] =
            (BenchSupport::residentKiB() - before) / double(parameterCount);
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
}

// The Quick screen scrolled to the end a page at a time, every frame painted: delegates out of
// view are given back, so memory stays what the first frame took.
void memoryQuickScrolledThrough(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    warmUp(quickGenerated);
    for (auto _ : state) {
        const double before = BenchSupport::residentKiB();
        auto screen = quickGenerated(*graph, {});
        showUntilPainted(screen.get());
        auto *list = screen->findChild<QQuickItem *>(QStringLiteral("rows"));
        const double end = list->property("contentHeight").toDouble() - screenSize.height();
        for (double y = 0; y < end; y += screenSize.height()) {
            list->setProperty("contentY", y);
            // As the event loop does between frames: delegates given back are deleted.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        state.counters["KiB_per_parameter"] =
            (BenchSupport::residentKiB() - before) / double(parameterCount);
        state.PauseTiming();
        screen.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(firstPaint<generatedScreen>)->Name("BM_FirstPaint_Generated")->Apply(sizes);
BENCHMARK(firstPaint<eagerScreen>)->Name("BM_FirstPaint_GeneratedAllMade")->Apply(sizes);
BENCHMARK(firstPaint<plainForm>)->Name("BM_FirstPaint_PlainForm")->Apply(sizes);
BENCHMARK(firstPaint<uiLoaderForm>)->Name("BM_FirstPaint_UiLoader")->Apply(sizes);
BENCHMARK(firstPaint<quickList>)->Name("BM_FirstPaint_QuickList")->Apply(sizes);
BENCHMARK(firstPaint<quickGenerated>)->Name("BM_FirstPaint_QuickGenerated")->Apply(sizes);

BENCHMARK(memory<generatedScreen>)->Name("BM_Memory_Generated")->Arg(10000)->Iterations(1);
BENCHMARK(memory<plainForm>)->Name("BM_Memory_PlainForm")->Arg(10000)->Iterations(1);
BENCHMARK(memory<uiLoaderForm>)->Name("BM_Memory_UiLoader")->Arg(10000)->Iterations(1);
BENCHMARK(memory<quickList>)->Name("BM_Memory_QuickList")->Arg(10000)->Iterations(1);
BENCHMARK(memory<quickGenerated>)->Name("BM_Memory_QuickGenerated")->Arg(10000)->Iterations(1);
BENCHMARK(memoryQuickScrolledThrough)
    ->Name("BM_Memory_QuickGeneratedScrolledThrough")
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(memoryScrolledThrough)
    ->Name("BM_Memory_GeneratedScrolledThrough")
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

#include "bench_screens.moc"
