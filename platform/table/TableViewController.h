#pragma once

#include "IndexPath.h"
#include "TableView.h"
#include "ViewController.h"

#include <QString>
#include <memory>
#include <optional>

namespace NequoraUI::platform {

class TableViewCell;

// A controller whose view is a plain table view and which is that table's data source and
// delegate: subclasses override the counts, titles and cells, and react to row selection.
class TableViewController : public ViewController
{
    Q_OBJECT

public:
    explicit TableViewController(QObject *parent = nullptr);
    ~TableViewController() override;

    // The table, usable before the view has loaded (to register cell classes).
    TableView *tableView() const;

    virtual int numberOfSections() const;
    virtual int numberOfRowsInSection(int section) const;
    // None shows no header for the section.
    virtual std::optional<QString> titleForHeaderInSection(int section) const;
    // The cell for a row, usually from dequeueReusableCell.
    virtual TableViewCell *cellForRowAt(const IndexPath &indexPath);
    virtual void didSelectRowAt(const IndexPath &indexPath);

    void registerCellClass(const QString &identifier, TableView::CellFactory factory);
    template <typename Cell> void registerCellClass(const QString &identifier)
    {
        tableView()->registerCellClass<Cell>(identifier);
    }
    TableViewCell *dequeueReusableCell(const QString &identifier, const IndexPath &indexPath);
    void reloadData();

protected:
    void loadView() override;

private:
    // Owns the table until loadView hands it over to the view controller.
    std::unique_ptr<TableView> m_unloadedTableView;
    QPointer<TableView> m_tableView;
};

} // namespace NequoraUI::platform
