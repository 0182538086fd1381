// A generated screen's settings as a whole: reset all, presets, A/B compare, controllers and
// the gestures that bracket their writes.
#include "ScreenSettings.h"
#include "ControllerMap.h"
#include "GraphViewController.h"
#include "ParameterBinding.h"
#include "ParameterMapping.h"
#include "PresetBar.h"
#include "PresetStore.h"
#include "RowMarks.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "UIGenerator.h"
#include "platform/Slider.h"
#include "sim/SimEngine.h"
#include "support/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace NequoraUI;

struct Screen : ::testing::Test
{
    // "Filter": Cutoff (log, default 1000), Bypass; "Synth": Mode (three choices), Level.
    void SetUp() override
    {
        auto filter = engine.addNode("Effect", "Filter");
        cutoff = filter->addFloatParameter("Cutoff", 500.0f, 20.0f, 20000.0f);
        bypass = filter->addBoolParameter("Bypass", false);
        auto synth = engine.addNode("Effect", "Synth");
        mode = synth->addIntParameter("Mode", 0, 0, 2);
        level = synth->addFloatParameter("Level", 0.5f, 0.0f, 1.0f);
        UIGenerator generator;
        generator.presetStore = store = std::make_shared<PresetStore>(folder.path());
        generator.presentationProvider = [](const NQParameter &p) {
            std::optional<ParameterPresentation> shown;
            if (p.name() == "Cutoff")
                shown = ParameterPresentation{.scale = ParameterPresentation::Scale::Logarithmic,
                                              .description = "Where the filter closes.",
                                              .defaultValue = 1000.0};
            if (p.name() == "Mode")
                shown.emplace().choices = {{0, "Saw"}, {1, "Square"}, {2, "Pulse"}};
            return shown;
        };
        controller = generator.generateViewController(*engine.graph());
        graph = static_cast<GraphViewController *>(controller.get());
        ASSERT_TRUE(NequoraUI::testing::shown(*graph->view(), 600, 800));
        settings = graph->settings();
        bar = graph->presetBar;
        bar->setConfirmation([this](const QString &) { return agree; });
        QObject::connect(graph, &GraphViewController::gestureStarted, graph,
                         [this](const auto &p) { gestures.push_back("+" + p->name()); });
        QObject::connect(graph, &GraphViewController::gestureEnded, graph,
                         [this](const auto &p) { gestures.push_back("-" + p->name()); });
    }
    SliderView *slider(int i) const { return graph->view()->findChildren<SliderView *>()[i]; }
    QWidget *rowOf(int index) const { return settings->bindingAt(index)->row(); }
    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    SimEngine engine;
    std::shared_ptr<SimFloatParameter> cutoff, level;
    std::shared_ptr<SimBoolParameter> bypass;
    std::shared_ptr<SimIntParameter> mode;
    std::shared_ptr<PresetStore> store;
    std::unique_ptr<platform::ViewController> controller;
    GraphViewController *graph = nullptr;
    ScreenSettings *settings = nullptr;
    PresetBar *bar = nullptr;
    std::vector<std::string> gestures;
    bool agree = false;
};

TEST_F(Screen, ResetAllGoesToEachDefaultAsOneUndoEntryAndTheRowResetGoesThereToo)
{
    cutoff->setValue(9000.0f);
    level->setValue(0.9f);
    bypass->setValue(true);
    graph->resetAll();
    EXPECT_EQ(cutoff->value(), 1000.0f) << "the presentation's default";
    EXPECT_EQ(level->value(), 0.5f) << "the value the screen was built with";
    EXPECT_FALSE(bypass->value());
    EXPECT_EQ(graph->undoStack()->count(), 1);
    EXPECT_EQ(gestures.size(), 6u) << "each written parameter is one gesture";
    graph->undoStack()->undo();
    EXPECT_EQ(cutoff->value(), 9000.0f);
    EXPECT_EQ(slider(0)->value(), 9000.0f) << "undo shows in the row";

    auto *knob = slider(0)->findChild<platform::Slider *>();
    QTest::mouseDClick(knob, Qt::LeftButton, {}, knob->knobCenter().toPoint());
    EXPECT_EQ(cutoff->value(), 1000.0f);
    EXPECT_EQ(RowMarks::of(slider(0))->accessibleDescription(), "Where the filter closes.");
    EXPECT_EQ(slider(0)->toolTip(), "Where the filter closes.");
}

TEST_F(Screen, PresetsRoundTripUnderAnyNameAndSaveOverAnotherOnlyWhenTheUserAgrees)
{
    const QString odd = "Lead: a/b \\ \"quoted\" * ? é";
    cutoff->setValue(4000.0f);
    bar->setNameQuestion([&](const QString &) { return odd; });
    ASSERT_TRUE(bar->saveAs());
    const auto listed = store->presets();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name, odd);
    EXPECT_FALSE(QFileInfo(listed[0].path).fileName().contains('/'));

    cutoff->setValue(100.0f);
    EXPECT_FALSE(bar->saveAs()) << "the user said no";
    const auto savedCutoff = [&] {
        const auto loaded = store->load(odd);
        for (const auto &[key, value] : loaded.preset->values)
            if (key.parameter == "Cutoff")
                return value.toDouble();
        return -1.0;
    };
    EXPECT_EQ(savedCutoff(), 4000.0);
    agree = true;
    EXPECT_TRUE(bar->saveAs());
    EXPECT_EQ(savedCutoff(), 100.0);

    cutoff->setValue(700.0f);
    const int writes = level->writeCount();
    EXPECT_TRUE(bar->loadPreset(odd));
    EXPECT_EQ(cutoff->value(), 100.0f);
    EXPECT_EQ(level->writeCount(), writes) << "only values that differ are written";
    EXPECT_EQ(slider(0)->value(), 100.0f);
    EXPECT_EQ(graph->undoStack()->count(), 1);

    EXPECT_TRUE(store->rename(odd, "Renamed").ok());
    EXPECT_EQ(store->presets()[0].name, "Renamed");
    EXPECT_EQ(store->remove("Renamed").outcome, PresetStore::Outcome::Done);
    EXPECT_TRUE(store->presets().empty());
}

TEST_F(Screen, BadPresetsChangeNothingOrLoadWhatMatchesAndSayWhy)
{
    struct Case
    {
        const char *file;
        QByteArray json;
        const char *says;
    };
    const Case broken[] = {
        {"cut.json", R"({"format": "NequoraUI preset", "version": 1, "name": "Cut)",
         "not valid JSON"},
        {"new.json", R"({"format": "NequoraUI preset", "version": 9, "name": "New", "values": {}})",
         "version 9"},
        {"other.json", R"({"name": "Other"})", "not a preset file"},
    };
    for (const auto &c : broken) {
        writeFile(c.file, c.json);
        const QString listedAs = QFileInfo(c.file).completeBaseName();
        EXPECT_FALSE(bar->loadPreset(listedAs)) << c.file;
        EXPECT_TRUE(bar->statusText().contains(c.says)) << bar->statusText().toStdString();
    }
    EXPECT_EQ(graph->undoStack()->count(), 0);

    writeFile("mixed.json", R"({"format": "NequoraUI preset", "version": 1, "name": "Mixed",
        "values": {"Filter": {"Cutoff": 1e9, "Bypass": "yes", "Gone": 1},
                   "Synth": {"Mode": 1.4, "Level": 0.25}, "Nowhere": {"X": 1}},
        "controllers": [{"channel": 0, "controller": 7, "node": "Synth", "parameter": "Level"},
                        {"channel": 0, "controller": 8, "node": "Nowhere", "parameter": "X"}]})");
    const auto report = settings->load(*store->load("Mixed").preset);
    EXPECT_EQ(cutoff->value(), 20000.0f) << "pinned";
    EXPECT_EQ(mode->value(), 1) << "snapped to the step";
    EXPECT_EQ(level->value(), 0.25f);
    EXPECT_FALSE(bypass->value());
    EXPECT_EQ(report.pinned, QStringList{"Filter/Cutoff"});
    EXPECT_EQ(report.skipped.size(), 4) << report.skipped.join("; ").toStdString();
    EXPECT_EQ(settings->controllers()->bindingOf(3)->controller, 7);
}

TEST_F(Screen, AbSwitchesTheWholeScreenMarksDifferingRowsAndUndoesEachWay)
{
    bar->copyButton->click(); // A copied to B
    // Cutoff (0) has a description to mark; the others nothing yet.
    for (int index = 1; index < 4; ++index)
        EXPECT_EQ(RowMarks::find(rowOf(index)), nullptr) << "nothing to mark yet: " << index;
    slider(1)->findChild<platform::Slider *>()->setValueAsUser(0.75f);
    ASSERT_NE(RowMarks::find(rowOf(3)), nullptr);
    EXPECT_EQ(RowMarks::find(rowOf(2)), nullptr) << "only the differing row gets marks";
    EXPECT_TRUE(RowMarks::of(rowOf(3))->differsBetweenSlots());
    EXPECT_TRUE(
        RowMarks::of(rowOf(3))->accessibleDescription().contains("Differs between A and B"));
    EXPECT_FALSE(RowMarks::of(rowOf(0))->differsBetweenSlots());

    bar->slotButton->click();
    EXPECT_EQ(settings->slot(), ScreenSettings::Slot::B);
    EXPECT_EQ(level->value(), 0.5f);
    EXPECT_EQ(slider(1)->value(), 0.5f);
    EXPECT_TRUE(RowMarks::of(rowOf(3))->differsBetweenSlots());
    EXPECT_EQ(bar->copyButton->text(), "Copy B to A");
    graph->switchSlot();
    EXPECT_EQ(level->value(), 0.75f);
    graph->undoStack()->undo();
    EXPECT_EQ(level->value(), 0.5f);
    EXPECT_EQ(settings->slot(), ScreenSettings::Slot::B);
    EXPECT_EQ(graph->undoStack()->count(), 3) << "the user's change, then a switch each way";

    settings->copyAToB(); // on B: A's values come in
    EXPECT_EQ(level->value(), 0.75f);
    EXPECT_EQ(settings->differingCount(), 0);
}

TEST_F(Screen, LearntControllersMoveRowsThroughTheirScaleAsGesturesOneUndoEntryPerBurst)
{
    ControllerMap *midi = settings->controllers();
    // The Menu key on the row's control opens the row's menu.
    QWidget *control = rowOf(0)->findChild<platform::Slider *>();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, control->mapToGlobal(QPoint()));
    QApplication::sendEvent(control, &menuKey);
    std::unique_ptr<QMenu> menu(rowOf(0)->findChild<QMenu *>());
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menuKey.isAccepted());
    menu->actions()[0]->trigger(); // Learn
    EXPECT_EQ(RowMarks::of(rowOf(0))->controllerText(), "Learning…");
    EXPECT_TRUE(graph->controllerEvent(0, 74, 0));
    EXPECT_EQ(RowMarks::of(rowOf(0))->controllerText(), "CC 74");
    EXPECT_EQ(cutoff->value(), 500.0f) << "the learning event moves nothing";
    gestures.clear();
    graph->controllerEvent(0, 74, 127);
    EXPECT_EQ(cutoff->value(), 20000.0f);
    graph->controllerEvent(0, 74, 64);
    EXPECT_NEAR(cutoff->value(), 20.0 * std::pow(1000.0, 64.0 / 127), 1.0) << "log scale";
    EXPECT_EQ(gestures, std::vector<std::string>{"+Cutoff"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return gestures.size() == 2; }, 1000));
    EXPECT_EQ(graph->undoStack()->count(), 1);

    struct Case
    {
        int index, controller, value;
        double expected;
    };
    const Case moves[] = {{1, 20, 63, 0}, {1, 20, 64, 1}, {2, 21, 64, 1}, {2, 21, 127, 2}};
    for (const auto &c : moves) {
        midi->learn(c.index);
        graph->controllerEvent(3, c.controller, 0);
        graph->controllerEvent(3, c.controller, c.value);
        EXPECT_EQ(settings->parameters().read(c.index).toDouble(), c.expected) << c.value;
    }
    EXPECT_EQ(midi->bindingOf(1)->text(), "CC 20 (ch 4)");

    midi->learn(3); // Level, 14-bit: MSB 5 with LSB 36 after it
    graph->controllerEvent(0, 5, 0);
    graph->controllerEvent(0, 5, 64);
    graph->controllerEvent(0, 37, 1);
    EXPECT_NEAR(level->value(), (64 * 128 + 1) / 16383.0, 1e-6);
    EXPECT_FALSE(graph->controllerEvent(16, 5, 1));
    EXPECT_FALSE(graph->controllerEvent(0, 5, 128));
    midi->forget(3);
    EXPECT_EQ(RowMarks::of(rowOf(3))->controllerText(), "");
    EXPECT_EQ(settings->capture("x").controllers.size(), 3u) << "bindings are part of presets";
}

TEST_F(Screen, EachKindOfUserChangeIsOneGestureAroundItsWrites)
{
    auto *knob = slider(1)->findChild<platform::Slider *>();
    const auto gesture = [&](const std::string &name, const std::function<void()> &act) {
        gestures.clear();
        act();
        EXPECT_EQ(gestures, (std::vector<std::string>{"+" + name, "-" + name}));
    };
    gesture("Level", [&] {
        QTest::mousePress(knob, Qt::LeftButton, {}, knob->pointForValue(0.5f));
        QTest::mouseMove(knob, knob->pointForValue(0.7f));
        QTest::mouseRelease(knob, Qt::LeftButton, {}, knob->pointForValue(0.7f));
    });
    EXPECT_EQ(graph->undoStack()->count(), 1) << "a drag is one undo entry";
    gesture("Level", [&] {
        knob->setFocus(Qt::TabFocusReason);
        QTest::keyClick(knob, Qt::Key_Right);
        QTest::keyClick(knob, Qt::Key_Right);
        EXPECT_EQ(gestures.size(), 1u) << "a run of keys is one gesture";
        EXPECT_TRUE(QTest::qWaitFor([&] { return gestures.size() == 2; }, 1000));
    });
    EXPECT_EQ(graph->undoStack()->count(), 3) << "each key of a run is an undo entry";
    gesture("Bypass", [&] {
        auto *flip = graph->view()->findChild<SwitchView *>()->toggleSwitch.data();
        QTest::mouseClick(flip, Qt::LeftButton);
    });
    gesture("Cutoff", [&] { slider(0)->resetValue(); });
}

TEST_F(Screen, ShiftMakesDragsAndArrowKeysTenTimesFinerWithoutAJump)
{
    auto *knob = slider(1)->findChild<platform::Slider *>();
    const QPoint start = knob->pointForValue(0.5f);
    const QPoint right = knob->pointForValue(0.7f);
    QTest::mousePress(knob, Qt::LeftButton, Qt::ShiftModifier, start);
    QMouseEvent move(QEvent::MouseMove, right, knob->mapToGlobal(right), Qt::NoButton,
                     Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(knob, &move);
    EXPECT_NEAR(level->value(), 0.52f, 0.005f) << "a tenth of the way, from where it was";
    QTest::mouseRelease(knob, Qt::LeftButton, Qt::ShiftModifier, right);

    knob->setValue(0.5f);
    QTest::keyClick(knob, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NEAR(knob->value(), 0.501f, 1e-6);
}

TEST(MidiNoteUnit, ShowsAndReadsNoteNames)
{
    const ParameterMapping notes(0, 127, {.unit = ParameterPresentation::midiNoteUnit});
    const std::pair<double, const char *> names[] = {
        {60, "C4"}, {78, "F#5"}, {0, "C-1"}, {127, "G9"}, {59.6, "C4"}};
    for (const auto &[note, name] : names)
        EXPECT_EQ(notes.text(note), name) << note;
    const std::pair<const char *, std::optional<double>> typed[] = {
        {"c4", 60}, {"Db4", 61}, {"F#5", 78}, {"C-1", 0}, {"B#9", 127}, {"64", 64}, {"H2", {}}};
    for (const auto &[text, note] : typed)
        EXPECT_EQ(notes.parse(text), note) << text;
}
