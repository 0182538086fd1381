#include "GraphRowModel.h"
#include "LiveValueView.h"
#include "PickerView.h"
#include "SegmentedView.h"
#include "SimPresentation.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "UIGenerator.h"
#include "platform/Slider.h"
#include "sim/GraphFile.h"
#include "sim/SimGraph.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

using namespace NequoraUI;

// What either screen shows for one parameter.
struct Shown
{
    QString kind{}, title{}, valueText{};
    double proportion = 0;
    QStringList choices{};
    // The widget slider keeps its track in floats.
    bool operator==(const Shown &o) const
    {
        return std::tie(kind, title, valueText, choices) ==
                   std::tie(o.kind, o.title, o.valueText, o.choices) &&
               std::abs(proportion - o.proportion) < 1e-5;
    }
};

void PrintTo(const Shown &s, std::ostream *os)
{
    *os << qPrintable(QStringLiteral("%1 '%2' '%3' %4 [%5]")
                          .arg(s.kind, s.title, s.valueText)
                          .arg(s.proportion, 0, 'f', 4)
                          .arg(s.choices.join(',')));
}

// A widget row as the user sees it, read from the widget itself.
Shown shownBy(QWidget *w)
{
    if (auto *s = qobject_cast<SliderView *>(w)) {
        const auto *track = s->findChild<platform::Slider *>();
        const double span = track->maximumValue() - track->minimumValue();
        return {"slider", s->title(), NequoraUI::testing::labelText(s, "valueLabel"),
                (track->value() - track->minimumValue()) / span};
    }
    if (auto *s = qobject_cast<SwitchView *>(w))
        return {"switch", s->title(), s->isOn() ? "On" : "Off", s->isOn() ? 1.0 : 0.0};
    if (auto *s = qobject_cast<SegmentedView *>(w))
        return {"segments", s->title(), s->segments().value(s->selectedSegmentIndex()), 0,
                s->segments()};
    if (auto *s = qobject_cast<TextFieldView *>(w))
        return {"text", s->title(), s->text()};
    if (auto *s = qobject_cast<LiveValueView *>(w))
        return {"readOnly", s->findChildren<QLabel *>().value(0)->text(), s->stringValue()};
    if (auto *s = qobject_cast<PickerView *>(w))
        return {"picker", s->findChildren<QLabel *>().value(0)->text(), s->currentValue()};
    return {"unknown"};
}

Shown shownBy(const GraphRowModel &model, int row)
{
    const auto at = [&](GraphRowModel::Role role) { return model.index(row).data(role); };
    const QString kind = at(GraphRowModel::KindRole).toString();
    const bool track = kind == "slider" || kind == "switch";
    return {kind, at(GraphRowModel::TitleRole).toString(),
            at(GraphRowModel::ValueTextRole).toString(),
            track ? at(GraphRowModel::ProportionRole).toDouble() : 0.0,
            at(GraphRowModel::ChoicesRole).toStringList()};
}

// The Quick screen of a model, shown offscreen by the software renderer.
struct QuickScreen
{
    QQmlEngine engine;
    QQuickWindow window;
    QQuickItem *screen = nullptr;
    QQuickItem *list = nullptr;

    explicit QuickScreen(GraphRowModel *model, QSize size = {420, 900})
    {
        engine.addImportPath(QStringLiteral(NEQUORAUI_QML_IMPORT_PATH));
        QQmlComponent component(&engine);
        component.setData("import NequoraUI\nGraphScreen {}", QUrl("qrc:/quick-test.qml"));
        if (!component.isReady())
            qFatal("GraphScreen: %s", qPrintable(component.errorString()));
        screen = qobject_cast<QQuickItem *>(
            component.createWithInitialProperties({{"graph", QVariant::fromValue(model)}}));
        screen->setParentItem(window.contentItem());
        screen->setSize(size);
        window.resize(size);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            ADD_FAILURE() << "The Quick screen's window was never exposed";
        list = screen->findChild<QQuickItem *>("rows");
    }
    ~QuickScreen() { delete screen; }
    // The items the list holds, delegates and all they contain.
    QList<QQuickItem *> items() const
    {
        QList<QQuickItem *> found{list->property("contentItem").value<QQuickItem *>()};
        for (qsizetype i = 0; i < found.size(); ++i)
            found.append(found[i]->childItems());
        return found;
    }
    // The delegates the list has made and shows.
    int delegates() const
    {
        const auto all = items();
        return int(std::count_if(all.begin(), all.end(), [](QQuickItem *item) {
            return item->property("kind").isValid() && item->isVisible();
        }));
    }
};

struct DemoGraph : ::testing::Test
{
    std::shared_ptr<SimEngine> engine = GraphFile::load(NEQUORAUI_DEMO_GRAPH);
    UIGenerator generator;
    DemoGraph()
    {
        if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        generator.presentationProvider = SimPresentation::provider(engine);
    }
    int rowTitled(const GraphRowModel &model, const QString &title) const
    {
        for (int r = 0; r < model.rowCount(); ++r)
            if (model.index(r).data(GraphRowModel::TitleRole) == title &&
                model.index(r).data(GraphRowModel::KindRole) != "section")
                return r;
        return -1;
    }
};

TEST_F(DemoGraph, BothScreensShowTheSameRows)
{
    QList<Shown> widgetRows;
    for (const auto &node : UIGenerator::shownNodes(*engine->graph())) {
        if (!UIGenerator::showsParameterRows(*node))
            continue;
        widgetRows.append({"section", QString::fromStdString(node->displayName())});
        for (QWidget *w : generator.generateViews(node->parameters())) {
            widgetRows.append(shownBy(w));
            delete w;
        }
    }
    GraphRowModel model(*engine->graph(), generator);
    QuickScreen quick(&model);
    ASSERT_EQ(model.rowCount(), widgetRows.size());
    for (int r = 0; r < model.rowCount(); ++r) {
        Shown quickRow = shownBy(model, r);
        if (quickRow.kind == "section")
            quickRow = {"section", quickRow.title};
        EXPECT_EQ(quickRow, widgetRows[r]) << "row " << r;
    }
    // Each delegate in view shows its row's title.
    int checked = 0;
    for (auto *label : quick.items())
        if (label->inherits("QQuickLabel") && label->property("text") == "Cutoff")
            ++checked;
    EXPECT_EQ(checked, 1);
}

TEST_F(DemoGraph, QuickWritesArePinnedSnappedAndUndone)
{
    GraphRowModel model(*engine->graph(), generator);
    const int cutoff = rowTitled(model, "Cutoff");
    const int keys = rowTitled(model, "Key Tracking");
    const int wave = rowTitled(model, "Waveform");
    const auto valueOf = [&](int row) { return model.index(row).data(GraphRowModel::ValueRole); };
    const auto textOf = [&](int row) {
        return model.index(row).data(GraphRowModel::ValueTextRole).toString();
    };

    model.setProportion(cutoff, 0.5);
    EXPECT_NEAR(valueOf(cutoff).toDouble(), 632.46, 0.5);
    EXPECT_TRUE(model.setTypedText(cutoff, "2 kHz"));
    EXPECT_EQ(textOf(cutoff), "2.00 kHz");
    EXPECT_FALSE(model.setTypedText(cutoff, "loud"));
    EXPECT_EQ(textOf(cutoff), "2.00 kHz");
    EXPECT_TRUE(model.setTypedText(cutoff, "90 kHz")); // pinned to the top of the range
    EXPECT_EQ(valueOf(cutoff).toDouble(), 20000.0);
    model.setProportion(keys, 0.52); // whole steps only
    EXPECT_EQ(valueOf(keys).toDouble(), 0.0);
    model.setValue(keys, 3.4);
    EXPECT_EQ(textOf(keys), "3");
    model.choose(wave, 3);
    EXPECT_EQ(textOf(wave), "Square");

    // A drag is one undo entry, however many moves it took.
    const int before = model.undoStack()->count();
    model.beginGesture(cutoff);
    for (double p : {0.1, 0.2, 0.3})
        model.setProportion(cutoff, p);
    model.endGesture(cutoff);
    EXPECT_EQ(model.undoStack()->count(), before + 1);
    model.undoStack()->undo();
    EXPECT_EQ(valueOf(cutoff).toDouble(), 20000.0);
    model.reset(cutoff);
    EXPECT_EQ(textOf(cutoff), "1.20 kHz");
}

TEST_F(DemoGraph, FollowingAnnouncesOnlyChangedRows)
{
    generator.followsParameters = true;
    GraphRowModel model(*engine->graph(), generator);
    const int mix = rowTitled(model, "Mix");
    std::dynamic_pointer_cast<NQFloatParameter>(engine->graph()->nodes()[3]->parameters()[0])
        ->setValue(0.75f);
    QList<int> changed;
    QObject::connect(&model, &GraphRowModel::dataChanged,
                     [&](const QModelIndex &first) { changed.append(first.row()); });
    model.follow(0, model.rowCount() - 1);
    EXPECT_EQ(changed, QList<int>{mix});
    EXPECT_EQ(model.index(mix).data(GraphRowModel::ValueTextRole).toString(), "0.750");
    model.follow(0, model.rowCount() - 1);
    EXPECT_EQ(changed.size(), 1);
}

TEST(QuickScreenSize, OnlyRowsNearTheViewHaveDelegates)
{
    if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    auto graph = std::make_shared<SimGraph>();
    for (int n = 0; n < 200; ++n) {
        auto node = std::make_shared<SimNode>("Effect", "Effect " + std::to_string(n));
        for (int p = 0; p < 10; ++p)
            node->addFloatParameter("Gain " + std::to_string(p), 0.5f, 0.0f, 1.0f);
        graph->append(std::move(node));
    }
    GraphRowModel model(*graph, UIGenerator{});
    QuickScreen quick(&model, {420, 600});
    ASSERT_EQ(model.rowCount(), 2200);
    const int atTop = quick.delegates();
    EXPECT_GT(atTop, 5);
    EXPECT_LT(atTop, 60);
    QMetaObject::invokeMethod(quick.list, "positionViewAtEnd");
    QTest::qWait(50);
    EXPECT_LT(quick.delegates(), 60);
    model.setFilterText("Effect 19");
    EXPECT_EQ(model.rowCount(), 11 * 11); // Effect 19 and Effect 190 to 199
}
