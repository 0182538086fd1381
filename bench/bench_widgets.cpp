// Constructing each form widget from its interface resource at run time, against building the
// same widget tree in code, as uic-generated code from the same .ui file does, in the same run.
// This measures the interface loader; BENCHMARKS.md compares whole screens with plain forms.
#include "support/BenchSupport.h"

#include "ButtonView.h"
#include "ProgressView.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "TextLabelView.h"
#include "TitleLabelView.h"
#include "ValueLabelView.h"
#include "platform/ProgressBar.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"
#include "platform/Switch.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

using namespace NequoraUI;

// The frame every resource-based widget has: owner, zero-margin layout, contentView.
template <typename ContentLayout> ContentLayout *handFrame(QWidget *owner, int spacing = -1)
{
    auto *rootLayout = new QVBoxLayout(owner);
    rootLayout->setObjectName(QStringLiteral("rootLayout"));
    rootLayout->setSpacing(0);
    rootLayout->setContentsMargins(0, 0, 0, 0);
    auto *contentView = new QWidget(owner);
    contentView->setObjectName(QStringLiteral("contentView"));
    auto *layout = new ContentLayout(contentView);
    layout->setObjectName(QStringLiteral("contentLayout"));
    if (spacing >= 0)
        layout->setSpacing(spacing);
    layout->setContentsMargins(16, 10, 16, 10);
    rootLayout->addWidget(contentView);
    return layout;
}

QLabel *handLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(text);
    return label;
}

QLabel *handValueLabel(QWidget *parent, const QString &text)
{
    QLabel *label = handLabel(parent, "valueLabel", text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void handTitleLabel(QWidget *owner)
{
    auto *layout = handFrame<QVBoxLayout>(owner);
    QLabel *title = handLabel(layout->parentWidget(), "titleLabel", QStringLiteral("Title"));
    QFont font;
    font.setPointSize(13);
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    title->setText(QStringLiteral("Mixer"));
}

void handTextLabel(QWidget *owner)
{
    auto *layout = handFrame<QVBoxLayout>(owner);
    QLabel *text = handLabel(layout->parentWidget(), "textLabel", QStringLiteral("Text"));
    text->setWordWrap(true);
    layout->addWidget(text);
    text->setText(QStringLiteral("Some text"));
}

void handValueLabel(QWidget *owner)
{
    auto *layout = handFrame<QHBoxLayout>(owner, 12);
    QWidget *content = layout->parentWidget();
    QLabel *title = handLabel(content, "titleLabel", QStringLiteral("Title"));
    layout->addWidget(title);
    layout->addItem(new QSpacerItem(8, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    QLabel *value = handValueLabel(content, QStringLiteral("Value"));
    layout->addWidget(value);
    title->setText(QStringLiteral("Latency"));
    value->setText(QStringLiteral("5.00 ms"));
}

void handSlider(QWidget *owner)
{
    auto *layout = handFrame<QGridLayout>(owner, 6);
    QWidget *content = layout->parentWidget();
    QLabel *title = handLabel(content, "titleLabel", QStringLiteral("Title"));
    layout->addWidget(title, 0, 0);
    QLabel *value = handValueLabel(content, QStringLiteral("Value"));
    layout->addWidget(value, 0, 1);
    auto *slider = new platform::Slider(content);
    slider->setObjectName(QStringLiteral("slider"));
    slider->setContinuous(true);
    layout->addWidget(slider, 1, 0, 1, 2);
    QObject::connect(slider, &platform::Slider::valueChanged, owner, [] {});
    title->setText(QStringLiteral("Gain"));
    slider->setMinimumValue(0);
    slider->setMaximumValue(1);
    slider->setValue(0.5f);
    value->setText(QStringLiteral("0.5"));
}

void handSwitch(QWidget *owner)
{
    auto *layout = handFrame<QHBoxLayout>(owner, 12);
    QWidget *content = layout->parentWidget();
    QLabel *title = handLabel(content, "titleLabel", QStringLiteral("Title"));
    layout->addWidget(title);
    layout->addItem(new QSpacerItem(8, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto *toggle = new platform::Switch(content);
    toggle->setObjectName(QStringLiteral("toggleSwitch"));
    layout->addWidget(toggle);
    QObject::connect(toggle, &platform::Switch::valueChanged, owner, [] {});
    title->setText(QStringLiteral("Bypass"));
    toggle->setOn(true);
}

void handSegmented(QWidget *owner)
{
    auto *layout = handFrame<QVBoxLayout>(owner, 6);
    QWidget *content = layout->parentWidget();
    QLabel *title = handLabel(content, "titleLabel", QStringLiteral("Title"));
    layout->addWidget(title);
    auto *control = new platform::SegmentedControl(content);
    control->setObjectName(QStringLiteral("segmentedControl"));
    control->setSegmentTitles({QStringLiteral("First"), QStringLiteral("Second")});
    layout->addWidget(control);
    QObject::connect(control, &platform::SegmentedControl::valueChanged, owner, [] {});
    title->setText(QStringLiteral("Mode"));
    control->removeAllSegments();
    for (const char *segment : {"A", "B", "C"})
        control->insertSegment(QLatin1String(segment), control->numberOfSegments());
    control->setSelectedSegmentIndex(0);
}

void handTextField(QWidget *owner)
{
    auto *layout = handFrame<QVBoxLayout>(owner, 6);
    QWidget *content = layout->parentWidget();
    QLabel *title = handLabel(content, "titleLabel", QStringLiteral("Title"));
    layout->addWidget(title);
    auto *field = new QLineEdit(content);
    field->setObjectName(QStringLiteral("textField"));
    field->setPlaceholderText(QStringLiteral("Enter text"));
    layout->addWidget(field);
    title->setText(QStringLiteral("Name"));
    field->setText(QStringLiteral("Hall"));
}

void handButton(QWidget *owner)
{
    auto *layout = handFrame<QVBoxLayout>(owner);
    auto *button = new QPushButton(layout->parentWidget());
    button->setObjectName(QStringLiteral("button"));
    button->setText(QStringLiteral("Button"));
    button->setMinimumSize(QSize(0, 36));
    button->setCursor(QCursor(Qt::PointingHandCursor));
    button->setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed));
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::pressed, owner, [] {});
    QObject::connect(button, &QPushButton::clicked, owner, [] {});
    button->setText(QStringLiteral("Save"));
}

void handProgress(QWidget *owner)
{
    auto *layout = handFrame<QGridLayout>(owner, 8);
    QWidget *content = layout->parentWidget();
    QLabel *title = handLabel(content, "titleLabel", QStringLiteral("Title"));
    layout->addWidget(title, 0, 0);
    QLabel *value = handValueLabel(content, QStringLiteral("Value"));
    layout->addWidget(value, 0, 1);
    auto *bar = new platform::ProgressBar(content);
    bar->setObjectName(QStringLiteral("progressView"));
    layout->addWidget(bar, 1, 0, 1, 2);
    title->setText(QStringLiteral("Export"));
    value->setText(QString());
    bar->setProgress(0);
}

template <typename Make> void run(benchmark::State &state, Make make)
{
    for (auto _ : state) {
        auto widget = make();
        benchmark::DoNotOptimize(widget.get());
    }
}

template <void (*Build)(QWidget *)> void handWritten(benchmark::State &state)
{
    run(state, [] {
        auto owner = std::make_unique<QWidget>();
        Build(owner.get());
        return owner;
    });
}

#define WIDGET_PAIR(Widget, Hand, ...)                                                             \
    void Widget##_FromResource(benchmark::State &state)                                            \
    {                                                                                              \
        run(state, [] { return std::make_unique<Widget>(__VA_ARGS__); });                          \
    }                                                                                              \
    BENCHMARK(Widget##_FromResource);                                                              \
    BENCHMARK(handWritten<Hand>)->Name(#Widget "_HandWritten");

WIDGET_PAIR(TitleLabelView, handTitleLabel, QStringLiteral("Mixer"))
WIDGET_PAIR(TextLabelView, handTextLabel, QStringLiteral("Some text"))
WIDGET_PAIR(ValueLabelView, handValueLabel, QStringLiteral("Latency"), QStringLiteral("5.00 ms"))
WIDGET_PAIR(SliderView, handSlider, QStringLiteral("Gain"), 0.5f, 0.0f, 1.0f, [](float) {})
WIDGET_PAIR(SwitchView, handSwitch, QStringLiteral("Bypass"), true, [](bool) {})
WIDGET_PAIR(SegmentedView, handSegmented, QStringLiteral("Mode"), QStringList{"A", "B", "C"},
            [](std::int64_t) {})
WIDGET_PAIR(TextFieldView, handTextField, QStringLiteral("Name"), QStringLiteral("Hall"))
WIDGET_PAIR(ButtonView, handButton, QStringLiteral("Save"), [](ButtonView *) {})
WIDGET_PAIR(ProgressView, handProgress, QStringLiteral("Export"))

} // namespace
