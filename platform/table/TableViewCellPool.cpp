#include "TableViewCellPool.h"

#include "TableViewCell.h"

namespace NequoraUI::platform {

void TableViewCellPool::registerFactory(const QString &identifier, CellFactory factory)
{
    m_factories.insert(identifier, std::move(factory));
}

TableViewCell *TableViewCellPool::dequeue(const QString &identifier, QWidget *parent)
{
    auto waiting = m_waiting.find(identifier);
    if (waiting != m_waiting.end() && !waiting->isEmpty()) {
        TableViewCell *cell = waiting->takeLast();
        cell->prepareForReuse();
        return cell;
    }
    const auto factory = m_factories.constFind(identifier);
    if (factory == m_factories.constEnd() || !*factory)
        qFatal("TableView: no cell class registered for the reuse identifier \"%s\"",
               qPrintable(identifier));
    TableViewCell *cell = (*factory)(parent);
    if (!cell)
        qFatal("TableView: the cell class registered for \"%s\" made no cell",
               qPrintable(identifier));
    cell->setParent(parent);
    cell->hide();
    cell->m_reuseIdentifier = identifier;
    return cell;
}

void TableViewCellPool::recycle(TableViewCell *cell)
{
    if (!cell)
        return;
    cell->hide();
    if (cell->m_reuseIdentifier.isEmpty()) {
        cell->deleteLater();
        return;
    }
    m_waiting[cell->m_reuseIdentifier].append(cell);
}

int TableViewCellPool::count(const QString &identifier) const
{
    return int(m_waiting.value(identifier).size());
}

} // namespace NequoraUI::platform
