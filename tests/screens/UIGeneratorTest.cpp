#include "UIGenerator.h"
#include "CollapsibleSectionView.h"
#include "GeneratedViews.h"
#include "ParameterBinding.h"
#include "SaturatingConversion.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "platform/Slider.h"
#include "sim/SimEngine.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace NequoraUI;
using NequoraUI::testing::labelText;

namespace {

// A parameter of a kind the generator has no control for.
struct TriggerParameter : NQParameter
{
    std::string name() const override { return "Trigger"; }
};

QString titleOf(QWidget *section)
{
    return qobject_cast<CollapsibleSectionView *>(section)->titleLabel->text();
}

// Moves a generated slider as the user would.
void moveSlider(QWidget *sliderView, float value)
{
    sliderView->findChild<platform::Slider *>()->setValueAsUser(value);
}

} // namespace

TEST(UIGenerator, GraphDropsItsInputAndOutputNodesEmptyNodesAndOtherListsDropNothing)
{
    SimEngine engine;
    const auto withTwo = [&engine](const std::string &type, const std::string &name) {
        auto node = engine.addNode(type, name);
        node->addFloatParameter("Gain", 0.5f, 0.0f, 1.0f);
        node->addBoolParameter("Bypass", false);
        return node;
    };
    const auto input = withTwo("Nequora.GraphInput", "In");
    withTwo("nequora.graphinput", "Look-alike");
    engine.addNode("Delay", "Echo");
    engine.addNode("Delay", "Echo")->addIntParameter("Taps", 1, 0, 8);
    engine.addNode("Delay", "Echo")->addStringParameter("Mode", "ping-pong");
    withTwo("Nequora.GraphOutput", "Out");
    withTwo("Nequora.GraphOutputs", "Longer");
    withTwo("audioPlayerNode", "Not a player");
    OwnedWidgets sections(UIGenerator().generateViews(*engine.graph()));
    ASSERT_EQ(sections.size(), 5) << "empty nodes leave no section";
    EXPECT_EQ(titleOf(sections[0]), "Look-alike");
    EXPECT_EQ(titleOf(sections[1]), "Echo");
    EXPECT_EQ(titleOf(sections[2]), "Echo") << "duplicate names stay apart";
    EXPECT_EQ(titleOf(sections[3]), "Longer");
    EXPECT_EQ(rowsOf(sections[0]).size(), 2);
    EXPECT_EQ(rowsOf(sections[4]).size(), 2) << "type names are case-sensitive";
    EXPECT_TRUE(qobject_cast<SliderView *>(rowsOf(sections[1]).value(0)));
    EXPECT_TRUE(qobject_cast<TextFieldView *>(rowsOf(sections[2]).value(0)));
    EXPECT_TRUE(UIGenerator().generateViews(SimGraph()).isEmpty());

    OwnedWidgets listed(UIGenerator().generateViews(std::vector<std::shared_ptr<NQAudioNode>>{
        input, std::make_shared<SimNode>("Nequora.GraphOutput", "Out")}));
    ASSERT_EQ(listed.size(), 1) << "an output node without parameters has nothing to show";
    EXPECT_EQ(titleOf(listed[0]), "In");
    OwnedWidgets bare(UIGenerator().generateViews(std::shared_ptr<NQAudioNode>(input)));
    ASSERT_EQ(bare.size(), 2);
    EXPECT_FALSE(qobject_cast<CollapsibleSectionView *>(bare[0])) << "one node: no section";
}

TEST(UIGenerator, IntegerSlidersMoveInWholeStepsAndShowExactlyWhatTheyWrite)
{
    SimEngine engine;
    auto source = engine.addNode("Filter", "Filter");
    source->addIntParameter("Semitones", 3, -10, 10);
    source->addUIntParameter("Steps", 0, 0, 100);
    source->addIntParameter("Offset", 0, INT32_MIN, INT32_MAX);
    source->addUIntParameter("Count", 0, 0, UINT32_MAX);
    std::vector<std::string> writes;
    engine.setWriteObserver([&](const SimParameterWrite &w) { writes.push_back(w.valueText); });
    OwnedWidgets widgets(UIGenerator().generateViews(source->parameters()), true);
    EXPECT_EQ(labelText(widgets[0], "valueLabel"), "3");
    // Each: widget, click at a value or press a key, the integer written and shown.
    // clang-format off
    const std::tuple<int, float, Qt::Key, std::string> cases[] = {
        {0, -4.6f, {}, "-5"}, {1, 99.7f, {}, "100"}, {1, NAN, Qt::Key_Left, "99"},
        {2, NAN, Qt::Key_End, "2147483520"}, {2, NAN, Qt::Key_Home, "-2147483648"},
        {3, NAN, Qt::Key_End, "4294967040"}};
    // clang-format on
    for (const auto &[widget, at, key, expected] : cases) {
        platform::Slider *slider = widgets[widget]->findChild<platform::Slider *>();
        slider->setFocus();
        if (std::isnan(at))
            QTest::keyClick(slider, key);
        else
            QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(at));
        EXPECT_EQ(writes.back(), expected);
        EXPECT_EQ(labelText(widgets[widget], "valueLabel").toStdString(), expected)
            << "shows what it wrote";
    }
    // Every report is written, also when the value does not change.
    static_cast<SliderView *>(widgets[1])->resetValue();
    static_cast<SliderView *>(widgets[1])->resetValue();
    EXPECT_EQ(writes.size(), 8u);
}

// The text is the engine's whole number even where a float cannot hold it, when built and
// when the row follows a change the engine made, with or without a presentation.
TEST(UIGenerator, IntegerSliderTextsShowTheEnginesIntegerExactly)
{
    SimEngine engine;
    auto node = engine.addNode("Counter", "Counter");
    const auto big = node->addIntParameter("Big", 16777217, 0, INT32_MAX);
    const auto top = node->addIntParameter("Top", INT32_MAX, INT32_MIN, INT32_MAX);
    const auto all = node->addUIntParameter("All", UINT32_MAX, 0, UINT32_MAX);
    const auto steps = node->addUIntParameter("Steps", UINT32_MAX - 2, 0, UINT32_MAX);
    UIGenerator generator;
    generator.presentationProvider = [](const NQParameter &parameter) {
        std::optional<ParameterPresentation> shown;
        if (parameter.name() == "Steps")
            shown.emplace().unit = "steps";
        return shown;
    };
    OwnedWidgets widgets(generator.generateViews(node->parameters()), true);
    const std::function<void()> changes[] = {
        [&] { big->setValue(33554431); }, [&] { top->setValue(INT32_MIN + 1); },
        [&] { all->setValue(UINT32_MAX - 1); }, [&] { steps->setValue(16777217); }};
    const std::pair<const char *, const char *> texts[] = {{"16777217", "33554431"},
                                                           {"2147483647", "-2147483647"},
                                                           {"4294967295", "4294967294"},
                                                           {"4294967293 steps", "16777217 steps"}};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(labelText(widgets[row], "valueLabel").toStdString(), texts[row].first);
        changes[row]();
        ParameterBinding::of(widgets[row])->follow();
        EXPECT_EQ(labelText(widgets[row], "valueLabel").toStdString(), texts[row].second);
    }
}

TEST(SaturatingConversion, TruncatesTowardZeroSaturatesOutsideAndNaNGivesZero)
{
    constexpr float nan = NAN, inf = INFINITY;
    constexpr int32_t intMin = INT32_MIN, intMax = INT32_MAX;
    constexpr uint32_t uintMax = UINT32_MAX;
    // 2147483520 and 4294967040 are the largest floats that still fit; float(intMax) is the
    // float nearest the largest int32, one above it.
    // clang-format off
    const std::pair<float, int32_t> toInt[] = {
        {2.7f, 2}, {-2.7f, -2}, {-4.6f, -4}, {-0.9f, 0}, {2147483520.0f, 2147483520},
        {-2147483648.0f, intMin}, {float(intMax), intMax}, {1e20f, intMax},
        {-2147483904.0f, intMin}, {inf, intMax}, {-inf, intMin}, {nan, 0}};
    const std::pair<float, uint32_t> toUInt[] = {
        {0.9f, 0u}, {99.99f, 99u}, {-0.5f, 0u}, {4294967040.0f, 4294967040u},
        {float(uintMax), uintMax}, {inf, uintMax}, {-5.0f, 0u}, {-inf, 0u}, {nan, 0u}};
    // clang-format on
    for (const auto &[in, out] : toInt)
        EXPECT_EQ(SaturatingConversion::toInt32(in), out) << in;
    for (const auto &[in, out] : toUInt)
        EXPECT_EQ(SaturatingConversion::toUInt32(in), out) << in;
}

TEST(UIGenerator, WidgetsFollowTheParameterOrderWriteWhatTheControlReportsStringsOnlyWithAWriter)
{
    auto source = std::make_shared<SimNode>("Amp", "Amp");
    const auto gain = source->addFloatParameter("Gain", 0.0f, -1.0f, 1.0f);
    const auto mute = source->addBoolParameter("Mute", true);
    source->addStringParameter("Label", "Bus A");
    std::vector<std::shared_ptr<NQParameter>> parameters = source->parameters();
    parameters.insert(parameters.begin() + 1, std::make_shared<TriggerParameter>());
    parameters.push_back(nullptr);
    OwnedWidgets widgets(UIGenerator().generateViews(parameters), true);
    ASSERT_EQ(widgets.size(), 3) << "unknown kinds are left out";
    platform::Slider *slider = widgets[0]->findChild<platform::Slider *>();
    EXPECT_EQ(slider->value(), 0.0f);
    EXPECT_EQ(labelText(widgets[0], "titleLabel"), "Gain");
    QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(0.3f));
    ASSERT_EQ(gain->writeCount(), 1);
    EXPECT_EQ(gain->lastWrittenValue(), slider->value());
    EXPECT_NEAR(gain->value(), 0.3f, 0.02f);

    auto *toggle = qobject_cast<SwitchView *>(widgets[1]);
    ASSERT_TRUE(toggle && toggle->toggleSwitch->isOn());
    QTest::mouseClick(toggle->toggleSwitch, Qt::LeftButton);
    EXPECT_EQ(mute->lastWrittenValue(), false);

    auto *field = widgets[2]->findChild<QLineEdit *>();
    ASSERT_TRUE(qobject_cast<TextFieldView *>(widgets[2]) && field);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral(" renamed"));
    EXPECT_EQ(field->text(), "Bus A") << "no writer: the field is read-only";

    // With a writer, each changed edit is written once, on Return or focus loss.
    UIGenerator generator;
    std::vector<std::string> written;
    generator.stringWriter = [&](const auto &, const std::string &text) {
        written.push_back(text);
    };
    OwnedWidgets editable(generator.generateViews(source->parameters()), true);
    field = editable[2]->findChild<QLineEdit *>();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, QStringLiteral(" renamed"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(written, std::vector<std::string>{"Bus A renamed"});
    // A field still focused as its view is destroyed reports nothing.
    field->activateWindow();
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral(" again"));
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    qDeleteAll(editable);
    editable.clear();
    EXPECT_EQ(written.size(), 1u);
}

TEST(UIGenerator, WidgetsKeepTheirParametersAliveAndNothingElseDoes)
{
    auto source = std::make_shared<SimNode>("Amp", "Amp");
    std::weak_ptr<SimFloatParameter> gain = source->addFloatParameter("Gain", 0.0f, 0.0f, 1.0f);
    std::weak_ptr<SimStringParameter> label = source->addStringParameter("Label", "x");
    auto widgets =
        std::make_unique<OwnedWidgets>(UIGenerator().generateViews(source->parameters()));
    source.reset();
    ASSERT_FALSE(gain.expired()) << "the slider's handler holds its parameter";
    EXPECT_TRUE(label.expired()) << "a text field holds nothing";

    moveSlider((*widgets)[0], 0.75f);
    EXPECT_EQ(gain.lock()->value(), 0.75f);
    widgets.reset();
    EXPECT_TRUE(gain.expired());
}

namespace {

// Counts the rows moved to another parent once they were made.
struct RowMoves : QObject
{
    int moved = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A row's own construction reports its parent while it is only a QWidget yet.
        if (event->type() == QEvent::ParentChange &&
            (qobject_cast<SliderView *>(watched) || qobject_cast<SwitchView *>(watched)))
            ++moved;
        return false;
    }
};

} // namespace

// Made inside the stack their section holds, rows are never made as windows and moved.
TEST(UIGenerator, RowsOfAGraphAreMadeInsideTheirSection)
{
    SimEngine engine;
    auto node = engine.addNode("Delay", "Echo");
    node->addFloatParameter("Time", 0.5f, 0.0f, 1.0f);
    node->addFloatParameter("Feedback", 0.2f, 0.0f, 1.0f);
    node->addBoolParameter("Bypass", false);
    RowMoves moves;
    qApp->installEventFilter(&moves);
    OwnedWidgets sections(UIGenerator().generateViews(*engine.graph()));
    qApp->removeEventFilter(&moves);
    ASSERT_EQ(sections.size(), 1);
    const auto *section = qobject_cast<CollapsibleSectionView *>(sections.first());
    EXPECT_EQ(section->content()->findChildren<SliderView *>().size(), 2);
    EXPECT_EQ(section->content()->findChildren<SwitchView *>().size(), 1);
    EXPECT_EQ(moves.moved, 0);
}
