#pragma once

// The Quick screen of a model shown offscreen, and the demo's graph to show in it.
#include "GraphRowModel.h"
#include "SimPresentation.h"
#include "UIGenerator.h"
#include "sim/GraphFile.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

// The Quick screen of a model, shown offscreen by the software renderer.
struct QuickScreen
{
    QQmlEngine engine;
    QQuickWindow window;
    QQuickItem *screen = nullptr;
    QQuickItem *list = nullptr;

    explicit QuickScreen(NequoraUI::GraphRowModel *model, QSize size = {420, 900})
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
    // Makes the window the one keys go to.
    bool activate()
    {
        window.requestActivate();
        return QTest::qWaitForWindowActive(&window);
    }
    // The delegate showing row, if the list has made one.
    QQuickItem *delegate(int row) const
    {
        for (QQuickItem *item : items())
            if (item->property("kind").isValid() && item->property("index") == row)
                return item;
        return nullptr;
    }
    // The item named name in row's delegate.
    QQuickItem *control(int row, const QString &name) const
    {
        QList<QQuickItem *> found{delegate(row)};
        for (qsizetype i = 0; i < found.size() && found[i]; ++i) {
            if (found[i]->objectName() == name)
                return found[i];
            found.append(found[i]->childItems());
        }
        return nullptr;
    }
    // The row whose delegate holds the focus, or -1.
    int focusedRow() const
    {
        for (QQuickItem *item = window.activeFocusItem(); item; item = item->parentItem())
            if (item->property("kind").isValid() &&
                item->parentItem() == list->property("contentItem").value<QQuickItem *>())
                return item->property("index").toInt();
        return -1;
    }
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

// The demo's bundled graph with its presentations, drawn by the software renderer.
struct DemoGraph : ::testing::Test
{
    std::shared_ptr<SimEngine> engine = GraphFile::load(NEQUORAUI_DEMO_GRAPH);
    NequoraUI::UIGenerator generator;
    DemoGraph()
    {
        if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        generator.presentationProvider = SimPresentation::provider(engine);
    }
    int rowTitled(const NequoraUI::GraphRowModel &model, const QString &title) const
    {
        for (int r = 0; r < model.rowCount(); ++r)
            if (model.index(r).data(NequoraUI::GraphRowModel::TitleRole) == title &&
                model.index(r).data(NequoraUI::GraphRowModel::KindRole) != "section")
                return r;
        return -1;
    }
};
