#pragma once

#include "GraphRowModel.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

namespace NequoraUI {

// The items of a Quick row's context menu, with the widget row's texts: learn the next MIDI
// controller that moves (or cancel learning), and forget the row's controller.
class RowControllerMenu : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(NequoraUI::GraphRowModel *graph MEMBER m_graph NOTIFY graphChanged)

public:
    explicit RowControllerMenu(QObject *parent = nullptr);

    // The menu's texts for row, in order; none for rows that show no parameter.
    Q_INVOKABLE QStringList texts(int row);
    // Does what the item at position item of texts(row) says.
    Q_INVOKABLE void choose(int row, int item);

signals:
    void graphChanged();

private:
    QPointer<GraphRowModel> m_graph;
};

} // namespace NequoraUI
