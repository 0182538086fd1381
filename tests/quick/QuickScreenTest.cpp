#include "QuickScreen.h"
#include "ScreenRows.h"
#include "sim/SimGraph.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace NequoraUI;

TEST_F(DemoGraph, BothScreensShowTheSameRows)
{
    const QList<ShownRow> widgets = widgetRows(*engine->graph(), generator);
    GraphRowModel model(*engine->graph(), generator);
    QuickScreen quick(&model);
    EXPECT_EQ(quickRows(model), widgets);
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
    const QList<ShownRow> shown = quickRows(model); // every row on screen, as a tall view shows
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
