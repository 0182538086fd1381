#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace NequoraUI::platform {

class TableViewCell;

// A table's cells waiting for reuse, by reuse identifier, and the factories that make a cell
// when none waits. A cell leaves the pool hidden and prepared for its new row.
class TableViewCellPool
{
public:
    using CellFactory = std::function<TableViewCell *(QWidget *parent)>;

    void registerFactory(const QString &identifier, CellFactory factory);
    // A waiting cell or a new child of parent. Stops the program when nothing is registered
    // under identifier, or its factory makes no cell.
    TableViewCell *dequeue(const QString &identifier, QWidget *parent);
    // Hides cell and keeps it under its identifier; a cell made without dequeueing belongs to
    // no pool and is deleted.
    void recycle(TableViewCell *cell);
    int count(const QString &identifier) const;

private:
    QHash<QString, CellFactory> m_factories;
    QHash<QString, QList<TableViewCell *>> m_waiting;
};

} // namespace NequoraUI::platform
