// The generated screen for graphs of growing size: generateViewController() plus the first
// layout and paint of its view, against a hand-written Qt screen with the same widgets, look
// and structure, in the same run. Times are per parameter, so a flat line means no step in
// the pipeline grows faster than the graph.
#include "support/BenchSupport.h"

#include "NQBoolParameter.h"
#include "NQFloatParameter.h"
#include "NQIntParameter.h"
#include "NQStringParameter.h"
#include "NQUIntParameter.h"
#include "UIGenerator.h"
#include "platform/Slider.h"
#include "platform/Switch.h"
#include "sim/SimGraph.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace NequoraUI;

constexpr int parametersPerNode = 10;
const QSize screenSize(390, 844);

// Nodes of ten parameters: five floats, two ints, one uint, one Boolean, one string.
std::shared_ptr<SimGraph> makeGraph(int parameterCount)
{
    auto graph = std::make_shared<SimGraph>();
    graph->append(std::make_shared<SimNode>("Nequora.GraphInput", "Input"));
    for (int n = 0; n < parameterCount / parametersPerNode; ++n) {
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
    graph->append(std::make_shared<SimNode>("Nequora.GraphOutput", "Output"));
    return graph;
}

// The first layout and paint, as when the screen first appears.
void showAndPaint(QWidget *screen, QImage &image)
{
    screen->resize(screenSize);
    screen->show();
    QPainter painter(&image);
    screen->render(&painter);
}

void reportPerParameter(benchmark::State &state, int parameterCount)
{
    state.counters["per_parameter"] =
        benchmark::Counter(double(parameterCount), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void BM_GeneratedScreen(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    QImage image(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto controller = UIGenerator::generateViewController(*graph, {});
        showAndPaint(controller->view(), image);
        state.PauseTiming();
        controller.reset();
        state.ResumeTiming();
    }
    reportPerParameter(state, parameterCount);
}

// --- The hand-written screen: the same widgets built directly with Qt. ---

const QString &rowStyle = BenchSupport::formRowStyleSheet();

const QString sectionStyle = QStringLiteral(
    "NequoraUI--CollapsibleSectionView > QWidget#contentView { background: #ffffff; "
    "border-radius: 10px; }\n"
    "QPushButton#titleView { border: none; background: transparent; padding: 0px; }\n"
    "QPushButton#titleView:pressed { background: #f3f4f6; border-radius: 10px; }\n"
    "QPushButton#titleView > QLabel#titleLabel { color: #111827; }\n"
    "QPushButton#titleView > QLabel#chevronLabel { color: #9ca3af; }");

QVBoxLayout *zeroMarginColumn(QWidget *owner, int spacing = 0)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

// A row's frame: owner, zero-margin layout, styled contentView with the row's layout.
template <typename Layout> Layout *rowFrame(QWidget *owner, int spacing)
{
    auto *content = new QWidget(owner);
    content->setObjectName(QStringLiteral("contentView"));
    content->setStyleSheet(rowStyle);
    zeroMarginColumn(owner)->addWidget(content);
    auto *layout = new Layout(content);
    layout->setSpacing(spacing);
    layout->setContentsMargins(16, 10, 16, 10);
    return layout;
}

QWidget *sliderRow(const QString &title, float value, float minimum, float maximum)
{
    auto *row = new QWidget;
    auto *layout = rowFrame<QGridLayout>(row, 6);
    QWidget *content = layout->parentWidget();
    layout->addWidget(label(content, "titleLabel", title), 0, 0);
    QLabel *valueLabel = label(content, "valueLabel", QString::number(value));
    valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(valueLabel, 0, 1);
    auto *slider = new platform::Slider(content);
    slider->setMinimumValue(minimum);
    slider->setMaximumValue(maximum);
    slider->setValue(value);
    QObject::connect(slider, &platform::Slider::valueChanged, row, [] {});
    layout->addWidget(slider, 1, 0, 1, 2);
    return row;
}

QWidget *switchRow(const QString &title, bool on)
{
    auto *row = new QWidget;
    auto *layout = rowFrame<QHBoxLayout>(row, 12);
    QWidget *content = layout->parentWidget();
    layout->addWidget(label(content, "titleLabel", title));
    layout->addStretch();
    auto *toggle = new platform::Switch(content);
    toggle->setOn(on);
    QObject::connect(toggle, &platform::Switch::valueChanged, row, [] {});
    layout->addWidget(toggle);
    return row;
}

QWidget *textFieldRow(const QString &title, const QString &text)
{
    auto *row = new QWidget;
    auto *layout = rowFrame<QVBoxLayout>(row, 6);
    QWidget *content = layout->parentWidget();
    layout->addWidget(label(content, "titleLabel", title));
    auto *field = new QLineEdit(text, content);
    field->setObjectName(QStringLiteral("textField"));
    layout->addWidget(field);
    return row;
}

QWidget *handSection(const QString &title, QWidget *body)
{
    auto *section = new QWidget;
    auto *content = new QWidget(section);
    content->setObjectName(QStringLiteral("contentView"));
    content->setStyleSheet(sectionStyle);
    zeroMarginColumn(section)->addWidget(content);
    auto *column = zeroMarginColumn(content);
    column->setContentsMargins(0, 0, 0, 8);

    auto *header = new QPushButton(content);
    header->setObjectName(QStringLiteral("titleView"));
    header->setFlat(true);
    header->setMinimumHeight(44);
    header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header->setCursor(Qt::PointingHandCursor);
    auto *headerRow = new QHBoxLayout(header);
    headerRow->setSpacing(8);
    headerRow->setContentsMargins(16, 10, 16, 10);
    QLabel *titleLabel = label(header, "titleLabel", title);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    headerRow->addWidget(titleLabel);
    headerRow->addStretch();
    headerRow->addWidget(label(header, "chevronLabel", QStringLiteral("\u25BE")));
    QObject::connect(header, &QPushButton::clicked, section, [body] { body->hide(); });
    column->addWidget(header);
    column->addWidget(body);
    return section;
}

std::unique_ptr<QWidget> handScreen(const SimGraph &graph)
{
    auto screen = std::make_unique<QWidget>();
    auto *scrollArea = new QScrollArea(screen.get());
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setWidgetResizable(true);
    zeroMarginColumn(screen.get())->addWidget(scrollArea);
    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("scrollContentView"));
    contents->setStyleSheet(QStringLiteral("QWidget#scrollContentView { background: #f2f2f7; }"));
    auto *outer = zeroMarginColumn(contents);
    auto *stack = new QVBoxLayout;
    stack->setSpacing(16);
    stack->setContentsMargins(20, 20, 20, 20);
    outer->addLayout(stack);
    outer->addStretch();

    for (const auto &node : graph.simNodes()) {
        const auto parameters = node->parameters();
        if (parameters.empty())
            continue;
        auto *body = new QWidget;
        auto *rows = zeroMarginColumn(body, 20);
        for (const auto &parameter : parameters) {
            const QString name = QString::fromStdString(parameter->name());
            if (auto f = std::dynamic_pointer_cast<NQFloatParameter>(parameter))
                rows->addWidget(sliderRow(name, f->value(), f->minimumValue(), f->maximumValue()));
            else if (auto i = std::dynamic_pointer_cast<NQIntParameter>(parameter))
                rows->addWidget(sliderRow(name, float(i->value()), float(i->minimumValue()),
                                          float(i->maximumValue())));
            else if (auto u = std::dynamic_pointer_cast<NQUIntParameter>(parameter))
                rows->addWidget(sliderRow(name, float(u->value()), float(u->minimumValue()),
                                          float(u->maximumValue())));
            else if (auto b = std::dynamic_pointer_cast<NQBoolParameter>(parameter))
                rows->addWidget(switchRow(name, b->value()));
            else if (auto s = std::dynamic_pointer_cast<NQStringParameter>(parameter))
                rows->addWidget(textFieldRow(name, QString::fromStdString(s->value())));
        }
        stack->addWidget(handSection(QString::fromStdString(node->displayName()), body));
    }
    scrollArea->setWidget(contents);
    return screen;
}

void BM_HandWrittenScreen(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    QImage image(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto screen = handScreen(*graph);
        showAndPaint(screen.get(), image);
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
    reportPerParameter(state, parameterCount);
}

// The construction phase alone, without layout and paint, to tell the two apart.
void BM_GeneratedScreenConstruction(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    for (auto _ : state) {
        auto controller = UIGenerator::generateViewController(*graph, {});
        controller->view();
        state.PauseTiming();
        controller.reset();
        state.ResumeTiming();
    }
    reportPerParameter(state, parameterCount);
}

void BM_HandWrittenScreenConstruction(benchmark::State &state)
{
    const int parameterCount = int(state.range(0));
    const auto graph = makeGraph(parameterCount);
    for (auto _ : state) {
        auto screen = handScreen(*graph);
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
    reportPerParameter(state, parameterCount);
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_GeneratedScreen)->Apply(sizes);
BENCHMARK(BM_HandWrittenScreen)->Apply(sizes);
BENCHMARK(BM_GeneratedScreenConstruction)->Apply(sizes);
BENCHMARK(BM_HandWrittenScreenConstruction)->Apply(sizes);
