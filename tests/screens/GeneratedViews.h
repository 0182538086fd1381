#pragma once

#include "CollapsibleSectionView.h"
#include "support/Widgets.h"

#include <QLayout>
#include <QList>
#include <QWidget>

// Takes over the parentless widgets a generator returns, so each test frees them; shows each
// at a row's size when asked.
struct OwnedWidgets : QList<QWidget *>
{
    explicit OwnedWidgets(const QList<QWidget *> &widgets, bool show = false) : QList(widgets)
    {
        for (QWidget *widget : widgets)
            if (show)
                NequoraUI::testing::shown(*widget, 320, 80);
    }
    OwnedWidgets(const OwnedWidgets &) = delete;
    ~OwnedWidgets() { qDeleteAll(*this); }
};

// The widgets a layout stacks, in order.
inline QList<QWidget *> widgetsOf(const QLayout *stack)
{
    QList<QWidget *> widgets;
    for (int i = 0; i < stack->count(); ++i)
        widgets.append(stack->itemAt(i)->widget());
    return widgets;
}

// The widgets stacked inside a generated section.
inline QList<QWidget *> rowsOf(QWidget *section)
{
    return widgetsOf(
        qobject_cast<NequoraUI::CollapsibleSectionView *>(section)->content()->layout());
}
