#pragma once

#include "IndexPath.h"
#include "TableLayout.h"
#include "TableViewCellPool.h"
#include "TableViewPinnedHeaders.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QPointer>
#include <QString>
#include <map>
#include <optional>

namespace NequoraUI::platform {

class TableViewCell;
class TableViewController;

// A plain-style scrolling list of sections and rows whose data comes from a table view
// controller. Only the rows inside the visible area exist as cell widgets; a cell scrolled out
// goes to the reuse pool of its identifier. Section headers stay pinned at the top while their
// section scrolls under them.
class TableView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum class Style
    {
        Plain
    };
    Q_ENUM(Style)

    using CellFactory = TableViewCellPool::CellFactory;

    explicit TableView(TableViewController *controller, QWidget *parent = nullptr);
    ~TableView() override;

    Style style() const { return Style::Plain; }

    void registerCellClass(const QString &identifier, CellFactory factory);
    template <typename Cell> void registerCellClass(const QString &identifier)
    {
        registerCellClass(identifier, [](QWidget *parent) { return new Cell(parent); });
    }
    // A cell from the identifier's reuse pool (after prepareForReuse) or a new one. Stops the
    // program when nothing is registered under identifier.
    TableViewCell *dequeueReusableCell(const QString &identifier, const IndexPath &indexPath);

    // Asks the controller again for sections, rows, titles and the visible cells.
    void reloadData();

    int rowHeight() const;
    void setRowHeight(int height);
    int sectionHeaderHeight() const;

    int numberOfSections();
    int numberOfRows(int section);
    // The header title shown for section, none when the section has no header.
    std::optional<QString> headerTitle(int section);

    // The cell showing indexPath when that row is visible, otherwise null.
    TableViewCell *cellForRow(const IndexPath &indexPath);
    QList<TableViewCell *> visibleCells();
    // The row's rectangle in viewport coordinates (it may lie outside the visible area).
    QRect rectForRow(const IndexPath &indexPath);
    std::optional<IndexPath> indexPathForRow(const QPoint &viewportPosition);
    // Scrolls as little as needed to make the row fully visible.
    void scrollToRow(const IndexPath &indexPath);

    std::optional<IndexPath> indexPathForSelectedRow() const;
    // Selects a visible cell's row as a tap would; for assistive technology.
    void selectCell(TableViewCell *cell);
    // Number of cells waiting for reuse under identifier.
    int reusableCellCount(const QString &identifier) const;

protected:
    bool viewportEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class TableViewController;

    void detachController();
    void layoutIfNeeded();
    void updateScrollRange();
    void layoutVisibleCells();
    void realiseRows(qint64 top, qint64 bottom);
    void recycleAllCells();
    qint64 scrollOffset() const;
    void selectRow(const IndexPath &indexPath);
    void setCurrentRow(const IndexPath &indexPath);
    void highlightPressedRow(const QPoint &viewportPosition);

    QPointer<TableViewController> m_controller;
    TableLayout m_layout;
    bool m_needsReload = true;
    std::vector<std::optional<QString>> m_headerTitles;
    TableViewCellPool m_cellPool;
    std::map<IndexPath, TableViewCell *> m_visibleCells;
    TableViewPinnedHeaders m_headers;
    std::optional<IndexPath> m_selected;
    std::optional<IndexPath> m_pressed;
    bool m_realising = false;
    bool m_layoutAgain = false;
};

} // namespace NequoraUI::platform
