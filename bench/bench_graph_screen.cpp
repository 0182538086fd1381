// The generated screen of a 10,000-parameter graph, shown at 390x2400 with about 30 rows on
// screen: the cost of following the engine per display frame, against the same screen with
// following off and a hand-written form following the same values, and the cost of filtering it,
// against the filter a Qt developer would write by hand over the same rows.
#include "support/BenchSupport.h"
#include "support/ScreenPeers.h"

#include "CollapsibleSectionView.h"
#include "GraphRowModel.h"
#include "GraphViewController.h"
#include "ParameterFollower.h"
#include "SliderView.h"
#include "UIGenerator.h"
#include "platform/DisplayLink.h"
#include "platform/FrameClock.h"
#include "sim/SimGraph.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

using namespace NequoraUI;

constexpr int parameterCount = 10000;
constexpr int parametersPerNode = BenchSupport::mixedParametersPerNode;
// Tall enough for about 30 rows on screen.
constexpr int screenHeight = 2400;

// The screen shown and painted, scrolled to its middle.
struct Screen
{
    std::shared_ptr<SimGraph> graph = BenchSupport::makeMixedGraph(parameterCount);
    std::unique_ptr<platform::ViewController> controller;

    Screen()
    {
        UIGenerator generator;
        generator.followsParameters = true;
        generator.showsFilter = true;
        controller = generator.generateViewController(*graph);
        QWidget *view = controller->view();
        BenchSupport::showUntilPainted(view, {390, screenHeight});
        QScrollBar *bar = view->findChild<QScrollArea *>()->verticalScrollBar();
        QApplication::processEvents();
        bar->setValue(bar->maximum() / 2);
        QApplication::processEvents();
    }
    GraphViewController *screen() const
    {
        return static_cast<GraphViewController *>(controller.get());
    }
    // Every float parameter of the graph: whichever rows are on screen, about half move.
    std::vector<std::shared_ptr<SimFloatParameter>> floats() const
    {
        std::vector<std::shared_ptr<SimFloatParameter>> result;
        for (const auto &node : graph->simNodes())
            for (const auto &parameter : node->parameters())
                if (auto value = std::dynamic_pointer_cast<SimFloatParameter>(parameter))
                    result.push_back(value);
        return result;
    }
};

// What the engine moves before a frame: nothing, the one parameter of a visible row (an LFO on
// a cutoff, as in the demo's --live), or every float parameter of the graph.
enum class Movement
{
    Still,
    OneVisible,
    EveryFloat
};

// The float parameter behind the first float row on screen.
std::shared_ptr<SimFloatParameter> firstVisibleFloat(const Screen &screen)
{
    for (auto *row : screen.screen()->view()->findChildren<SliderView *>()) {
        if (!screen.screen()->isShownInViewport(row) || !row->title().startsWith("Float"))
            continue;
        QObject *section = row;
        while (section && !qobject_cast<CollapsibleSectionView *>(section))
            section = section->parent();
        const QString node = static_cast<CollapsibleSectionView *>(section)->titleLabel->text();
        for (const auto &simNode : screen.graph->simNodes())
            if (QString::fromStdString(simNode->displayName()) == node)
                for (const auto &parameter : simNode->parameters())
                    if (QString::fromStdString(parameter->name()) == row->title())
                        return std::dynamic_pointer_cast<SimFloatParameter>(parameter);
    }
    return nullptr;
}

// The frame clock fires and the pending layout and repaint run into the backing store. A
// function of its own so that a profiler can count this alone
// (valgrind --tool=callgrind --toggle-collect='*Frame(*').
[[gnu::noinline]] std::chrono::steady_clock::duration followedFrame(platform::FrameClock *clock,
                                                                    QWidget *window)
{
    const auto start = std::chrono::steady_clock::now();
    clock->advanceFrame();
    const auto callback = std::chrono::steady_clock::now() - start;
    BenchSupport::paintPendingFrame(window);
    return callback;
}

// One display frame: the engine moves parameters or not, then the frame above.
void BM_LiveFrame(benchmark::State &state)
{
    const bool following = state.range(0) != 0;
    const auto movement = Movement(state.range(1));
    Screen screen;
    auto *clock = platform::FrameClock::forCurrentThread();
    clock->setManual(true);
    if (!following)
        screen.screen()->follower()->displayLink()->removeFromRunLoop();
    // The same engine work in both screens.
    std::vector<std::shared_ptr<SimFloatParameter>> moved;
    if (movement == Movement::EveryFloat)
        moved = screen.floats();
    else if (movement == Movement::OneVisible)
        moved.push_back(firstVisibleFloat(screen));
    float phase = 0.0f;
    // The frame callback alone, without the repaint, to tell the two apart.
    std::chrono::steady_clock::duration callbacks{};
    for (auto _ : state) {
        phase = phase > 0.9f ? 0.1f : phase + 0.01f;
        for (const auto &parameter : moved)
            parameter->setValue(phase);
        callbacks += followedFrame(clock, screen.screen()->view());
    }
    state.counters["callback_us"] =
        std::chrono::duration<double, std::micro>(callbacks).count() / double(state.iterations());
    state.counters["rows_read"] = screen.screen()->follower()->followedRowCount();
    // Rows on screen that show the last value: the repaint really happened for them.
    int shown = 0;
    for (auto *row : screen.screen()->view()->findChildren<SliderView *>())
        shown += row->value() == phase && screen.screen()->isShownInViewport(row);
    state.counters["rows_moved"] = shown;
    clock->setManual(false);
}

// The same values followed by a form a Qt developer writes by hand: a scroll area of rows, each
// a QLabel title, a QSlider and a QLabel value, and per frame setValue and setText on the rows
// whose parameter moved. Only the rows' repaint is compared, so the form holds rows enough to
// fill the screen and scroll, not the whole graph.
struct HandWrittenRow
{
    QSlider *slider;
    QLabel *value;
};

// The hand-written form's frame: the moved rows set, then the pending repaint.
[[gnu::noinline]] void handWrittenFrame(const std::vector<HandWrittenRow> &moved, float phase,
                                        QWidget *window)
{
    for (const HandWrittenRow &row : moved) {
        row.slider->setValue(int(phase * 1000));
        row.value->setText(QString::number(phase));
    }
    BenchSupport::paintPendingFrame(window);
}

void BM_HandWrittenLiveFrame(benchmark::State &state)
{
    const int changedRows = int(state.range(0));
    QScrollArea area;
    auto *form = new QWidget;
    auto *grid = new QGridLayout(form);
    std::vector<HandWrittenRow> rows;
    for (int r = 0; r < 400; ++r) {
        grid->addWidget(new QLabel(QStringLiteral("Float %1").arg(r % 5)), r, 0);
        auto *slider = new QSlider(Qt::Horizontal);
        slider->setRange(0, 1000);
        slider->setValue(500);
        grid->addWidget(slider, r, 1);
        auto *value = new QLabel(QStringLiteral("0.00000"));
        // Sized once, as the generated rows' value column is, so a new text lays nothing out.
        value->setFixedSize(value->sizeHint());
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, r, 2);
        rows.push_back({slider, value});
    }
    area.setWidget(form);
    area.setWidgetResizable(true);
    BenchSupport::showUntilPainted(&area, {390, screenHeight});
    QScrollBar *bar = area.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QApplication::processEvents();
    // The first rows inside the viewport are the ones that move.
    std::vector<HandWrittenRow> moving;
    for (const HandWrittenRow &row : rows)
        if (int(moving.size()) < changedRows && !row.slider->visibleRegion().isEmpty())
            moving.push_back(row);
    float phase = 0.0f;
    for (auto _ : state) {
        phase = phase > 0.9f ? 0.1f : phase + 0.01f;
        handWrittenFrame(moving, phase, &area);
    }
    state.counters["rows_moved"] = double(moving.size());
}

// Typing a filter text and clearing it again, each run to the first painted frame after it.
void BM_Filter(benchmark::State &state)
{
    static const QString texts[] = {QStringLiteral("float 1"), QStringLiteral("effect 999"),
                                    QStringLiteral("xyz")};
    const QString text = texts[state.range(0)];
    Screen screen;
    QLineEdit *field = screen.screen()->filterField;
    // The first text folds the graph's names once; that one-off cost is not a keystroke's.
    field->setText(text);
    field->setText(QString());
    QApplication::processEvents();
    for (auto _ : state) {
        field->setText(text);
        BenchSupport::paintPendingFrame(screen.screen()->view());
        field->setText(QString());
        BenchSupport::paintPendingFrame(screen.screen()->view());
    }
}

// The filter written by hand: each keystroke compares every row's name without case and
// shows or hides each row, then each section by whether a row is left.
void BM_HandWrittenFilter(benchmark::State &state)
{
    static const QString texts[] = {QStringLiteral("float 1"), QStringLiteral("effect 999"),
                                    QStringLiteral("xyz")};
    const QString text = texts[state.range(0)];
    Screen screen;
    const auto apply = [&screen](const QString &needle) {
        for (int s = 0; s < screen.screen()->stackedViewCount(); ++s) {
            auto *section = qobject_cast<CollapsibleSectionView *>(screen.screen()->realiseView(s));
            const bool nodeMatches =
                section->titleLabel->text().contains(needle, Qt::CaseInsensitive);
            bool any = false;
            for (auto *label :
                 section->content()->findChildren<QLabel *>(QStringLiteral("titleLabel"))) {
                const bool keep =
                    nodeMatches || label->text().contains(needle, Qt::CaseInsensitive);
                label->parentWidget()->parentWidget()->setVisible(keep);
                any = any || keep;
            }
            section->parentWidget()->setVisible(any);
        }
    };
    for (auto _ : state) {
        apply(text);
        BenchSupport::paintPendingFrame(screen.screen()->view());
        apply(QString());
        BenchSupport::paintPendingFrame(screen.screen()->view());
    }
}

// The Qt Quick screen's part of a frame on the main thread: the rows in view read the engine,
// and the one whose parameter the engine moved announces it, which updates its delegate's
// bindings. The scene graph's render is not part of it.
void BM_QuickLiveFrame(benchmark::State &state)
{
    if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    const auto graph = BenchSupport::makeMixedGraph(parameterCount);
    UIGenerator settings;
    settings.followsParameters = true;
    QQmlEngine engine;
    QQuickWindow window;
    GraphRowModel rows(*graph, settings);
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/NequoraUI/quick/GraphScreen.qml")));
    std::unique_ptr<QObject> screen(
        component.createWithInitialProperties({{"graph", QVariant::fromValue(&rows)}}));
    auto *item = qobject_cast<QQuickItem *>(screen.get());
    item->setParentItem(window.contentItem());
    item->setSize({390, qreal(screenHeight)});
    window.resize(390, screenHeight);
    window.show();
    QCoreApplication::processEvents();
    auto *list = item->findChild<QQuickItem *>(QStringLiteral("rows"));
    list->setProperty("contentY", list->property("contentHeight").toDouble() / 2);
    QCoreApplication::processEvents();
    int top = 0;
    QMetaObject::invokeMethod(list, "indexAt", Q_RETURN_ARG(int, top), Q_ARG(qreal, 0),
                              Q_ARG(qreal, list->property("contentY").toReal()));
    const int bottom = top + screenHeight / 40;
    // The engine moves the first float parameter in view.
    std::shared_ptr<SimFloatParameter> moved;
    for (int r = top; r <= bottom && !moved; ++r)
        if (rows.index(r).data(GraphRowModel::KindRole) == "slider" &&
            rows.index(r).data(GraphRowModel::TitleRole).toString().startsWith("Float")) {
            const auto node = graph->simNodes()[size_t(r / (parametersPerNode + 1))];
            moved = std::dynamic_pointer_cast<SimFloatParameter>(node->parameters()[0]);
        }
    float value = 0;
    for (auto _ : state) {
        if (moved)
            moved->setValue(value = value > 0.9f ? 0.1f : value + 0.01f);
        rows.follow(top, bottom);
    }
}

} // namespace

BENCHMARK(BM_QuickLiveFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiveFrame)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"following", "moving"})
    ->Iterations(3000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HandWrittenLiveFrame)
    ->Arg(1)
    ->Arg(13)
    ->ArgName("rows")
    ->Iterations(3000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Filter)->DenseRange(0, 2)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandWrittenFilter)->DenseRange(0, 2)->Iterations(10)->Unit(benchmark::kMillisecond);
