#include "UIGenerator.h"
#include "CollapsibleSectionView.h"
#include "RecordingEngineNode.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "VStackViewController.h"
#include "platform/Slider.h"
#include "sim/SimEngine.h"
#include "support/ManualAnimationDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

using namespace NequoraUI;

namespace {

// A parameter of a kind the generator has no control for.
class TriggerParameter : public NQParameter
{
public:
    std::string name() const override { return "Trigger"; }
};

std::shared_ptr<SimNode> node(const std::string &type, const std::string &name)
{
    return std::make_shared<SimNode>(type, name);
}

std::shared_ptr<SimNode> nodeWithTwoParameters(const std::string &type, const std::string &name)
{
    auto result = node(type, name);
    result->addFloatParameter("Gain", 0.5f, 0.0f, 1.0f);
    result->addBoolParameter("Bypass", false);
    return result;
}

CollapsibleSectionView *section(QWidget *widget)
{
    return qobject_cast<CollapsibleSectionView *>(widget);
}

QString titleOf(QWidget *sectionWidget)
{
    return section(sectionWidget)->titleLabel->text();
}

QString valueLabelOf(QWidget *view)
{
    return view->findChild<QLabel *>(QStringLiteral("valueLabel"))->text();
}

platform::Slider *sliderIn(QWidget *view)
{
    return view->findChild<platform::Slider *>(QStringLiteral("slider"));
}

// Moves a generated slider as its action would report it.
void moveSlider(QWidget *sliderView, float value)
{
    sliderIn(sliderView)->setValue(value);
    QMetaObject::invokeMethod(sliderView, "sliderValueChanged");
}

} // namespace

TEST(UIGenerator, GraphDropsItsInputAndOutputNodesEmptyNodesAndOtherListsDropNothing)
{
    auto taps = node("Delay", "Echo");
    taps->addIntParameter("Taps", 1, 0, 8);
    auto mode = node("Delay", "Echo");
    mode->addStringParameter("Mode", "ping-pong");
    const SimGraph graph =
        graphOf({nodeWithTwoParameters("Nequora.GraphInput", "In"),
                 nodeWithTwoParameters("nequora.graphinput", "Look-alike"), node("Delay", "Echo"),
                 taps, mode, nodeWithTwoParameters("Nequora.GraphOutput", "Out"),
                 nodeWithTwoParameters("Nequora.GraphOutputs", "Longer")});
    OwnedWidgets sections(UIGenerator().generateViews(graph));
    ASSERT_EQ(sections.size(), 4) << "empty nodes leave no section";
    EXPECT_EQ(titleOf(sections[0]), "Look-alike");
    EXPECT_EQ(titleOf(sections[1]), "Echo");
    EXPECT_EQ(titleOf(sections[2]), "Echo") << "duplicate names stay apart";
    EXPECT_EQ(titleOf(sections[3]), "Longer");
    EXPECT_EQ(rowsOf(sections[0]).size(), 2);
    EXPECT_TRUE(qobject_cast<SliderView *>(rowsOf(sections[1]).value(0)));
    EXPECT_TRUE(qobject_cast<TextFieldView *>(rowsOf(sections[2]).value(0)));
    EXPECT_EQ(section(sections[0])->content()->layout()->spacing(), 20);
    EXPECT_TRUE(UIGenerator().generateViews(SimGraph()).isEmpty());

    const auto input = nodeWithTwoParameters("Nequora.GraphInput", "In");
    OwnedWidgets listed(UIGenerator().generateViews(
        std::vector<std::shared_ptr<NQAudioNode>>{input, node("Nequora.GraphOutput", "Out")}));
    ASSERT_EQ(listed.size(), 1) << "an output node without parameters has nothing to show";
    EXPECT_EQ(titleOf(listed[0]), "In");
    OwnedWidgets bare(UIGenerator().generateViews(std::shared_ptr<NQAudioNode>(input)));
    ASSERT_EQ(bare.size(), 2);
    EXPECT_FALSE(section(bare[0])) << "a single node's views come without a section";
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
    engine.setWriteObserver(
        [&](const SimParameterWrite &write) { writes.push_back(write.valueText); });
    OwnedWidgets widgets(UIGenerator().generateViews(source->parameters()));
    for (QWidget *widget : widgets.list) {
        widget->resize(320, 80);
        widget->show();
    }
    EXPECT_EQ(valueLabelOf(widgets[0]), "3");
    // Each: widget, click at a value or press a key, the integer written and shown.
    const std::tuple<int, float, Qt::Key, std::string> cases[] = {
        {0, -4.6f, {}, "-5"},
        {1, 99.7f, {}, "100"},
        {1, NAN, Qt::Key_Left, "99"},
        {2, NAN, Qt::Key_End, "2147483520"},
        {2, NAN, Qt::Key_Home, "-2147483648"},
        {3, NAN, Qt::Key_End, "4294967040"}};
    for (const auto &[widget, at, key, expected] : cases) {
        platform::Slider *slider = sliderIn(widgets[widget]);
        slider->setFocus();
        if (std::isnan(at))
            QTest::keyClick(slider, key);
        else
            QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(at));
        EXPECT_EQ(writes.back(), expected);
        EXPECT_EQ(valueLabelOf(widgets[widget]).toStdString(), expected) << "shows what it wrote";
    }
    // Every report is written, also when the value does not change.
    moveSlider(widgets[1], 99.0f);
    moveSlider(widgets[1], 99.0f);
    EXPECT_EQ(writes.size(), 8u);
}

TEST(UIGenerator, WidgetsFollowTheParameterOrderWriteWhatTheControlReportsStringsOnlyWithAWriter)
{
    auto source = node("Amp", "Amp");
    const auto gain = source->addFloatParameter("Gain", 0.0f, -1.0f, 1.0f);
    const auto mute = source->addBoolParameter("Mute", true);
    source->addStringParameter("Label", "Bus A");
    std::vector<std::shared_ptr<NQParameter>> parameters = source->parameters();
    parameters.insert(parameters.begin() + 1, std::make_shared<TriggerParameter>());
    parameters.push_back(nullptr);
    OwnedWidgets widgets(UIGenerator().generateViews(parameters));
    ASSERT_EQ(widgets.size(), 3) << "unknown kinds are left out";
    for (QWidget *widget : widgets.list) {
        widget->resize(320, 80);
        widget->show();
    }
    platform::Slider *slider = sliderIn(widgets[0]);
    EXPECT_EQ(slider->value(), 0.0f);
    EXPECT_EQ(widgets[0]->findChild<QLabel *>(QStringLiteral("titleLabel"))->text(), "Gain");
    QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(0.3f));
    ASSERT_EQ(gain->writeCount(), 1);
    EXPECT_EQ(gain->lastWrittenValue(), slider->value());
    EXPECT_NEAR(gain->value(), 0.3f, 0.02f);

    auto *toggle = qobject_cast<SwitchView *>(widgets[1]);
    ASSERT_TRUE(toggle && toggle->toggleSwitch->isOn());
    QTest::mouseClick(toggle->toggleSwitch, Qt::LeftButton);
    EXPECT_EQ(mute->lastWrittenValue(), false);
    EXPECT_FALSE(mute->value());

    ASSERT_TRUE(qobject_cast<TextFieldView *>(widgets[2]));
    EXPECT_EQ(qobject_cast<TextFieldView *>(widgets[2])->text(), "Bus A");
    auto *field = widgets[2]->findChild<QLineEdit *>();
    ASSERT_TRUE(field);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral(" renamed"));
    EXPECT_EQ(field->text(), "Bus A") << "no writer: the field is read-only";

    // With a writer, each changed edit is written once, on Return or focus loss.
    UIGenerator generator;
    std::vector<std::string> written;
    generator.stringWriter = [&](const auto &, const std::string &text) {
        written.push_back(text);
    };
    OwnedWidgets editable(generator.generateViews(source->parameters()));
    field = editable[2]->findChild<QLineEdit *>();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, QStringLiteral(" renamed"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(written, std::vector<std::string>{"Bus A renamed"});
}

TEST(UIGenerator, WidgetsKeepTheirParametersAliveAndNothingElseDoes)
{
    auto source = node("Amp", "Amp");
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

TEST(UIGenerator, FoldingASectionMakesTheSectionsThatComeIntoView)
{
    NequoraUI::testing::ManualAnimationDriver driver;
    const auto tall = [](const char *name) {
        auto result = node("Effect", name);
        for (int index = 0; index < 10; ++index)
            result->addFloatParameter("Gain " + std::to_string(index), 0.5f, 0.0f, 1.0f);
        return result;
    };
    const auto controller =
        UIGenerator::generateViewController(graphOf({tall("A"), tall("B"), tall("C")}), {});
    auto *stack = qobject_cast<VStackViewController *>(controller.get());
    QWidget *screen = controller->view();
    screen->resize(390, 400);
    screen->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen));
    ASSERT_TRUE(stack->isRealised(0));
    ASSERT_FALSE(stack->isRealised(1)) << "the next section lies below the screen";

    section(stack->stackedView(0))->tappedTitleView();
    driver.advance(CollapsibleSectionView::foldDurationMs + 50);
    ASSERT_TRUE(QTest::qWaitFor([stack] { return stack->isRealised(1); }, 1000));
    EXPECT_TRUE(stack->isShownInViewport(stack->stackedView(1)));
    EXPECT_TRUE(stack->isShownInViewport(sliderIn(stack->stackedView(1))))
        << "the section that moved up shows its rows";
}
