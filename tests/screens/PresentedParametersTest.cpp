#include "CollapsibleSectionView.h"
#include "LiveValueView.h"
#include "ParameterMapping.h"
#include "PickerView.h"
#include "SegmentedView.h"
#include "SimPresentation.h"
#include "SliderView.h"
#include "UIGenerator.h"
#include "platform/DisplayLink.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"
#include "sim/GraphFile.h"
#include "support/FrameClockFixture.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace NequoraUI;
using Presentation = ParameterPresentation;

namespace {

QString valueText(QWidget *view)
{
    return NequoraUI::testing::labelText(view, "valueLabel");
}

const char *graphText = R"({"nodes": [{"type": "Effect", "name": "Filter", "parameters": [
  {"kind": "float", "name": "Cutoff", "value": 1000, "minimum": 20, "maximum": 20000,
   "scale": "log", "unit": "Hz"},
  {"kind": "float", "name": "Gain", "value": 0.25119, "minimum": 0, "maximum": 2, "display": "dB"},
  {"kind": "int", "name": "Slope", "value": 5, "minimum": 0, "maximum": 24, "choices": [
   {"value": 6, "label": "6 dB/oct"}, {"value": 12, "label": "12 dB/oct"},
   {"value": 24, "label": "24 dB/oct"}]},
  {"kind": "uint", "name": "FFT", "value": 1024, "minimum": 0, "maximum": 8192, "choices": [
   {"value": 256, "label": "256"}, {"value": 512, "label": "512"}, {"value": 1024, "label": "1k"},
   {"value": 2048, "label": "2k"}, {"value": 4096, "label": "4k"}, {"value": 8192, "label": "8k"}]},
  {"kind": "float", "name": "Level", "value": 1, "minimum": 0, "maximum": 1, "display": "dB",
   "readOnly": true, "group": "Meters"},
  {"kind": "bool", "name": "Clip", "value": false, "readOnly": true, "group": "Meters"}]},
 {"type": "Effect", "name": "Second", "parameters": [{"kind": "bool", "name": "On", "value": true}]}
]})";

// The view of the given kind that shows a label with the title.
template <typename View> View *row(const QWidget &window, const char *title)
{
    for (auto *view : window.findChildren<View *>())
        for (auto *label : view->template findChildren<QLabel *>())
            if (label->text() == QLatin1String(title))
                return view;
    return nullptr;
}

template <typename T> std::shared_ptr<T> as(const std::shared_ptr<NQParameter> &parameter)
{
    return std::dynamic_pointer_cast<T>(parameter);
}

using PresentedScreen = NequoraUI::testing::FrameClockFixture;

} // namespace

TEST(ParameterMapping, ShowsUnitsAndTransformsParsesThemBackAndScalesMapTheTrackBothWays)
{
    using Scale = Presentation::Scale;
    const Presentation dB{.transform = Presentation::Transform::Decibels}, hz{.unit = "Hz"};
    // clang-format off
    const std::tuple<Presentation, double, QString> rows[] = {
        {dB, 0.251189, "-12.0 dB"}, {dB, 0, "-inf dB"}, {dB, 1, "0.0 dB"}, {hz, 1200, "1.20 kHz"},
        {hz, 632.46, "632 Hz"}, {{.unit = "s"}, 0.25, "250 ms"}, {{.unit = "ms"}, 250, "250 ms"},
        {{.unit = "%"}, 0.5, "0.500 %"}, {{.step = 0.25}, 2.5, "2.50"},
        {{.unit = "Hz", .step = 1}, 1234, "1.234 kHz"},
        {{.choices = {{0, "Sine"}, {2, "Saw"}}}, 2, "Saw"}};
    // clang-format on
    for (const auto &[presentation, value, text] : rows) {
        const ParameterMapping mapping(0, 20000, presentation);
        EXPECT_EQ(mapping.text(value), text);
        const auto parsed = mapping.parse(text);
        ASSERT_TRUE(parsed) << text.toStdString();
        EXPECT_NEAR(*parsed, value, 1e-3 * std::max(1.0, value)) << text.toStdString();
    }
    const ParameterMapping hertz(20, 20000, hz);
    EXPECT_EQ(hertz.parse(QStringLiteral("1.5 khz")), 1500.0);
    EXPECT_EQ(hertz.parse(QStringLiteral("90000")), 20000.0) << "typed values are pinned";
    EXPECT_FALSE(hertz.parse(QStringLiteral("12 dB")));
    EXPECT_FALSE(hertz.parse(QStringLiteral("loud")));
    EXPECT_EQ(ParameterMapping(0, 2, dB).parse(QStringLiteral("6.0206 dB")).value_or(0), 2.0);

    // Scales map the track both ways.
    const ParameterMapping log(20, 20000, {.scale = Scale::Logarithmic});
    EXPECT_NEAR(log.valueAt(0.5), 632.456, 0.01);
    EXPECT_NEAR(log.proportionOf(632.456), 0.5, 1e-6);
    EXPECT_EQ(log.valueAt(1.0), 20000.0);
    const ParameterMapping skew(
        0, 1000, {.scale = Scale::Skewed, .skew = ParameterMapping::skewForCentre(0, 1000, 100)});
    EXPECT_NEAR(skew.valueAt(0.5), 100.0, 1e-9);
    EXPECT_NEAR(skew.proportionOf(100.0), 0.5, 1e-9);

    // A log scale cannot start at 0 or below, nor can a skew be 0: both fall back to linear.
    EXPECT_EQ(ParameterMapping(0, 100, {.scale = Scale::Logarithmic}).scale(), Scale::Linear);
    EXPECT_EQ(ParameterMapping(0, 100, {.scale = Scale::Skewed, .skew = 0}).valueAt(0.5), 50.0);
    EXPECT_EQ(ParameterMapping(-10, 10, {.step = 1}).valueAt(0.52), 0.0);
}

// Typing what is shown gives back a value shown the same, across prefix, power-of-ten and zero
// boundaries; zero and tiny values read alike, and each boundary shows on one side only.
TEST(ParameterMapping, ShownTextTypedBackShowsTheSameText)
{
    const auto dB = Presentation::Transform::Decibels;
    // clang-format off
    const Presentation presentations[] = {
        {}, {.unit = "Hz"}, {.unit = "s"}, {.transform = dB}, {.step = 0.25}, {.decimals = 2},
        {.unit = "s", .step = 0.001}, {.unit = "s", .decimals = 0}, {.unit = "Hz", .decimals = 0},
        {.unit = "Hz", .step = 1}, {.unit = "%", .decimals = 1}};
    const double magnitudes[] = {0, 1e-9, 4e-7, 0.0004, 0.00099996, 0.0099996, 0.0994, 0.99996,
        0.9996, 1, 1.0004, 9.9996, 99.96, 999.4, 999.6, 999.996, 1000, 1000.4, 1999.9};
    // clang-format on
    for (const Presentation &presentation : presentations) {
        const bool gain = presentation.transform == dB;
        const ParameterMapping mapping(gain ? 0 : -2000, 2000, presentation);
        for (const double magnitude : magnitudes)
            for (const double sign : {1.0, -1.0}) {
                // Gains sweep their decibel boundaries: magnitude is then a level in dB.
                const double value = mapping.snapped(gain ? std::pow(10.0, sign * magnitude / 20.0)
                                                          : sign * magnitude);
                const QString shown = mapping.text(value);
                const auto typed = mapping.parse(shown);
                ASSERT_TRUE(typed) << shown.toStdString();
                EXPECT_EQ(mapping.text(*typed), shown) << value << " " << shown.toStdString();
            }
    }
}

TEST_F(PresentedScreen, LogSliderMiddleDecibelGainChoicesAndReadOnlyRowsFollowingEachFrame)
{
    // The hinted graph on screen, as a host shows it.
    const auto engine = GraphFile::parse(graphText, "hinted.json");
    const auto parameters = engine->graph()->nodes()[0]->parameters();
    UIGenerator generator;
    generator.presentationProvider = SimPresentation::provider(engine);
    generator.foldSectionsAbove = 1;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    for (QWidget *section : generator.generateViews(*engine->graph()))
        layout->addWidget(section);
    ASSERT_TRUE(NequoraUI::testing::shown(window, 420, 1400));

    auto *cutoff = row<SliderView>(window, "Cutoff");
    ASSERT_TRUE(cutoff);
    EXPECT_EQ(valueText(cutoff), "1.00 kHz");
    auto *slider = cutoff->findChild<platform::Slider *>();
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      (slider->pointForValue(0.0f) + slider->pointForValue(1.0f)) / 2);
    const auto written = as<SimFloatParameter>(parameters[0])->lastWrittenValue();
    ASSERT_TRUE(written);
    EXPECT_NEAR(*written, 632.46f, 632.46f * 0.02f);
    EXPECT_EQ(valueText(cutoff), ParameterMapping(20, 20000, {.unit = "Hz"}).text(*written));

    // The gain shows decibels and writes linear gain.
    auto *gain = row<SliderView>(window, "Gain");
    ASSERT_TRUE(gain);
    EXPECT_EQ(valueText(gain), "-12.0 dB");
    slider = gain->findChild<platform::Slider *>();
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(as<SimFloatParameter>(parameters[1])->lastWrittenValue(), 2.0f);
    EXPECT_EQ(valueText(gain), "6.02 dB");

    // Choices show labels and write their values.
    auto *slope = row<SegmentedView>(window, "Slope");
    ASSERT_TRUE(slope);
    auto *segments = slope->findChild<platform::SegmentedControl *>();
    EXPECT_EQ(segments->segmentTitles(), QStringList({"6 dB/oct", "12 dB/oct", "24 dB/oct"}));
    EXPECT_EQ(segments->selectedSegmentIndex(), -1) << "5 is not a choice, so none is shown";
    QTest::mouseClick(segments, Qt::LeftButton, {}, segments->segmentRect(2).center());
    EXPECT_EQ(as<SimIntParameter>(parameters[2])->value(), 24);
    EXPECT_EQ(segments->selectedSegmentIndex(), 2);

    auto *fft = row<PickerView>(window, "FFT");
    ASSERT_TRUE(fft) << "six choices get a picker row";
    EXPECT_EQ(NequoraUI::testing::labelText(fft, "value"), "1k");
    fft->pickerViewControllerDidSelectItem(nullptr, QStringLiteral("4k"));
    EXPECT_EQ(as<SimUIntParameter>(parameters[3])->value(), 4096u);

    // Read-only rows follow the engine each frame, in their group.
    auto *level = row<LiveValueView>(window, "Level");
    auto *clip = row<LiveValueView>(window, "Clip");
    ASSERT_TRUE(level && clip);
    EXPECT_EQ(level->parentWidget(), clip->parentWidget()) << "one sub-section per group";
    EXPECT_TRUE(row<CollapsibleSectionView>(window, "Meters"));
    EXPECT_EQ(level->stringValue(), "0.0 dB");

    const auto meter = as<SimFloatParameter>(parameters[4]);
    meter->setValue(0.5f);
    as<SimBoolParameter>(parameters[5])->setValue(true);
    EXPECT_EQ(level->stringValue(), "0.0 dB") << "nothing changes between frames";
    frame();
    EXPECT_EQ(level->stringValue(), "-6.02 dB");
    EXPECT_EQ(clip->stringValue(), "On");

    level->hide();
    EXPECT_FALSE(level->displayLink()->isScheduled()) << "hidden rows cost no frames";
    level->show();
    EXPECT_TRUE(level->displayLink()->isScheduled());
    EXPECT_EQ(meter->writeCount(), 1) << "only the test wrote";
    EXPECT_FALSE(row<SliderView>(window, "Level"));

    // Large graphs fold every section after the first.
    const auto sections =
        window.findChildren<CollapsibleSectionView *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(sections.size(), 2);
    EXPECT_TRUE(sections[0]->content()->isVisible());
    EXPECT_TRUE(sections[1]->content()->isHidden());
}

TEST(PresentedParameters, StepAndDecimalsSetOnTheSliderCarryIntoThePresentation)
{
    std::vector<float> written;
    SliderView view(QStringLiteral("Cutoff"), 1000.0f, 20.0f, 20000.0f,
                    [&](float value) { written.push_back(value); });
    view.setStep(10.0f);
    view.setPresentation({.scale = Presentation::Scale::Logarithmic, .unit = "Hz"});
    view.setDecimals(1);
    ASSERT_TRUE(NequoraUI::testing::shown(view, 320, 80));
    auto *slider = view.findChild<platform::Slider *>();
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      (slider->pointForValue(0.0f) + slider->pointForValue(1.0f)) / 2);
    EXPECT_EQ(written, std::vector<float>{630.0f}) << "632.46 on the step of 10 Hz from 20 Hz";
    EXPECT_EQ(valueText(&view), "630.0 Hz");
    EXPECT_EQ(view.value(), 630.0f);
}
