#include "TableViewController.h"

#include "TableViewCell.h"

namespace NequoraUI::platform {

TableViewController::TableViewController(QObject *parent)
    : ViewController(parent), m_unloadedTableView(std::make_unique<TableView>(this)),
      m_tableView(m_unloadedTableView.get())
{}

TableViewController::~TableViewController()
{
    // The table outlives this part of the object by a moment (the base class deletes the view);
    // it must not call back into a half-destroyed data source.
    if (m_tableView)
        m_tableView->detachController();
}

TableView *TableViewController::tableView() const
{
    return m_tableView;
}

int TableViewController::numberOfSections() const
{
    return 1;
}

int TableViewController::numberOfRowsInSection(int) const
{
    return 0;
}

std::optional<QString> TableViewController::titleForHeaderInSection(int) const
{
    return std::nullopt;
}

TableViewCell *TableViewController::cellForRowAt(const IndexPath &indexPath)
{
    qWarning() << "TableViewController: no cell for" << indexPath
               << "(cellForRowAt not overridden)";
    return nullptr;
}

void TableViewController::didSelectRowAt(const IndexPath &) {}

void TableViewController::registerCellClass(const QString &identifier,
                                            TableView::CellFactory factory)
{
    tableView()->registerCellClass(identifier, std::move(factory));
}

TableViewCell *TableViewController::dequeueReusableCell(const QString &identifier,
                                                        const IndexPath &indexPath)
{
    return tableView()->dequeueReusableCell(identifier, indexPath);
}

void TableViewController::reloadData()
{
    tableView()->reloadData();
}

void TableViewController::loadView()
{
    setView(m_unloadedTableView ? m_unloadedTableView.release() : new TableView(this));
    m_tableView = qobject_cast<TableView *>(view());
}

} // namespace NequoraUI::platform
