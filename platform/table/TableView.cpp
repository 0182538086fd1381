#include "TableView.h"

#include "Color.h"
#include "ControlAccessibility.h"
#include "TableViewCell.h"
#include "TableViewController.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <climits>

namespace NequoraUI::platform {

namespace {
constexpr int defaultRowHeight = 44;
constexpr int defaultHeaderHeight = 28;
// A callback that keeps moving the table gets this many chances to settle.
constexpr int maximumLayoutPasses = 8;

int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}
} // namespace

TableView::TableView(TableViewController *controller, QWidget *parent)
    : QAbstractScrollArea(parent), m_controller(controller)
{
    ControlAccessibility::install();
    m_layout.setRowHeight(defaultRowHeight);
    m_layout.setHeaderHeight(defaultHeaderHeight);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

TableView::~TableView() = default;

void TableView::registerCellClass(const QString &identifier, CellFactory factory)
{
    m_cellPool.registerFactory(identifier, std::move(factory));
}

TableViewCell *TableView::dequeueReusableCell(const QString &identifier, const IndexPath &)
{
    return m_cellPool.dequeue(identifier, viewport());
}

void TableView::reloadData()
{
    m_needsReload = true;
    m_selected.reset();
    if (isVisible())
        layoutIfNeeded();
}

int TableView::rowHeight() const
{
    return m_layout.rowHeight();
}

void TableView::setRowHeight(int height)
{
    m_layout.setRowHeight(height);
    updateScrollRange();
    layoutVisibleCells();
}

int TableView::sectionHeaderHeight() const
{
    return m_layout.headerHeight();
}

int TableView::numberOfSections()
{
    layoutIfNeeded();
    return m_layout.sectionCount();
}

int TableView::numberOfRows(int section)
{
    layoutIfNeeded();
    return m_layout.rowCount(section);
}

std::optional<QString> TableView::headerTitle(int section)
{
    layoutIfNeeded();
    if (section < 0 || section >= int(m_headerTitles.size()))
        return std::nullopt;
    return m_headerTitles[section];
}

TableViewCell *TableView::cellForRow(const IndexPath &indexPath)
{
    layoutIfNeeded();
    const auto found = m_visibleCells.find(indexPath);
    return found == m_visibleCells.end() ? nullptr : found->second;
}

QList<TableViewCell *> TableView::visibleCells()
{
    layoutIfNeeded();
    QList<TableViewCell *> cells;
    cells.reserve(qsizetype(m_visibleCells.size()));
    for (const auto &[indexPath, cell] : m_visibleCells)
        cells.append(cell);
    return cells;
}

QRect TableView::rectForRow(const IndexPath &indexPath)
{
    layoutIfNeeded();
    const qint64 top = m_layout.rowTop(indexPath) - scrollOffset();
    return QRect(0, clampToInt(top), viewport()->width(), m_layout.rowHeight());
}

std::optional<IndexPath> TableView::indexPathForRow(const QPoint &viewportPosition)
{
    layoutIfNeeded();
    if (!viewport()->rect().contains(viewportPosition))
        return std::nullopt;
    return m_layout.rowAt(scrollOffset() + viewportPosition.y());
}

void TableView::scrollToRow(const IndexPath &indexPath)
{
    layoutIfNeeded();
    if (!m_layout.isValid(indexPath))
        return;
    const qint64 top = m_layout.rowTop(indexPath);
    const qint64 bottom = top + m_layout.rowHeight();
    const qint64 offset = scrollOffset();
    const int visibleHeight = viewport()->height();
    // A pinned header covers the top of the section's rows.
    const qint64 covered = m_layout.hasHeader(indexPath.section) ? m_layout.headerHeight() : 0;
    if (top - covered < offset)
        verticalScrollBar()->setValue(clampToInt(top - covered));
    else if (bottom > offset + visibleHeight)
        verticalScrollBar()->setValue(clampToInt(bottom - visibleHeight));
}

std::optional<IndexPath> TableView::indexPathForSelectedRow() const
{
    return m_selected;
}

int TableView::reusableCellCount(const QString &identifier) const
{
    return m_cellPool.count(identifier);
}

bool TableView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        updateScrollRange();
        layoutIfNeeded();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TableView::scrollContentsBy(int, int)
{
    // Cells are placed from the scroll offset; nothing is blitted.
    layoutVisibleCells();
}

void TableView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    m_pressed = indexPathForRow(event->position().toPoint());
    highlightPressedRow(event->position().toPoint());
    event->accept();
}

void TableView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return QAbstractScrollArea::mouseMoveEvent(event);
    highlightPressedRow(event->position().toPoint());
    event->accept();
}

void TableView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    const std::optional<IndexPath> pressed = std::exchange(m_pressed, std::nullopt);
    if (pressed)
        if (TableViewCell *cell = cellForRow(*pressed))
            cell->setHighlighted(false);
    event->accept();
    // A tap is a press and a release on the same row.
    if (pressed && pressed == indexPathForRow(event->position().toPoint()))
        selectRow(*pressed);
}

void TableView::highlightPressedRow(const QPoint &viewportPosition)
{
    if (!m_pressed)
        return;
    // Dragged off the row, it lets go of the highlight: a release there is no tap.
    if (TableViewCell *cell = cellForRow(*m_pressed))
        cell->setHighlighted(indexPathForRow(viewportPosition) == m_pressed);
}

void TableView::keyPressEvent(QKeyEvent *event)
{
    layoutIfNeeded();
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        std::optional<IndexPath> next;
        if (!m_selected)
            next = m_layout.firstRowBelow(scrollOffset());
        else if (event->key() == Qt::Key_Down)
            next = m_layout.nextRow(*m_selected);
        else
            next = m_layout.previousRow(*m_selected);
        if (next)
            setCurrentRow(*next);
        event->accept();
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selected && m_layout.isValid(*m_selected))
            selectRow(*m_selected);
        event->accept();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TableView::detachController()
{
    m_controller = nullptr;
}

void TableView::layoutIfNeeded()
{
    if (m_needsReload && !m_realising) {
        m_needsReload = false;
        recycleAllCells();
        std::vector<TableLayout::Section> sections;
        m_headerTitles.clear();
        const int count = m_controller ? std::max(0, m_controller->numberOfSections()) : 0;
        sections.reserve(std::size_t(count));
        m_headerTitles.reserve(std::size_t(count));
        for (int section = 0; section < count; ++section) {
            m_headerTitles.push_back(m_controller->titleForHeaderInSection(section));
            sections.push_back(
                {m_controller->numberOfRowsInSection(section), m_headerTitles.back().has_value()});
        }
        m_layout.setSections(sections);
        updateScrollRange();
    }
    layoutVisibleCells();
}

void TableView::updateScrollRange()
{
    const int visibleHeight = viewport()->height();
    const qint64 hidden = m_layout.contentHeight() - visibleHeight;
    verticalScrollBar()->setPageStep(visibleHeight);
    verticalScrollBar()->setSingleStep(m_layout.rowHeight());
    verticalScrollBar()->setRange(0, clampToInt(std::max<qint64>(0, hidden)));
}

void TableView::layoutVisibleCells()
{
    // Data-source callbacks may scroll or reload; the outermost pass picks that up.
    if (m_realising) {
        m_layoutAgain = true;
        return;
    }
    m_realising = true;
    for (int pass = 0; pass < maximumLayoutPasses; ++pass) {
        m_layoutAgain = false;
        const qint64 top = scrollOffset();
        const qint64 bottom = top + viewport()->height();
        realiseRows(top, bottom);
        m_headers.layOut(m_layout, m_headerTitles, top, bottom, viewport());
        if (!m_layoutAgain && !m_needsReload)
            break;
        if (m_needsReload) {
            m_realising = false;
            layoutIfNeeded();
            return;
        }
    }
    m_realising = false;
}

void TableView::realiseRows(qint64 top, qint64 bottom)
{
    const int rowHeight = m_layout.rowHeight();
    for (auto it = m_visibleCells.begin(); it != m_visibleCells.end();) {
        const qint64 rowTop = m_layout.rowTop(it->first);
        if (m_layout.isValid(it->first) && rowTop + rowHeight > top && rowTop < bottom) {
            ++it;
            continue;
        }
        m_cellPool.recycle(it->second);
        it = m_visibleCells.erase(it);
    }

    const int width = viewport()->width();
    for (auto row = m_layout.firstRowBelow(top); row && m_layout.rowTop(*row) < bottom;
         row = m_layout.nextRow(*row)) {
        TableViewCell *cell = nullptr;
        if (const auto found = m_visibleCells.find(*row); found != m_visibleCells.end()) {
            cell = found->second;
        } else {
            cell = m_controller ? m_controller->cellForRowAt(*row) : nullptr;
            if (!cell || m_needsReload)
                continue;
            cell->setParent(viewport());
            m_visibleCells.emplace(*row, cell);
        }
        cell->setSelected(m_selected == *row);
        cell->setGeometry(0, clampToInt(m_layout.rowTop(*row) - top), width, rowHeight);
        cell->show();
    }
}

void TableView::recycleAllCells()
{
    for (const auto &[indexPath, cell] : m_visibleCells)
        m_cellPool.recycle(cell);
    m_visibleCells.clear();
}

qint64 TableView::scrollOffset() const
{
    return verticalScrollBar()->value();
}

void TableView::selectCell(TableViewCell *cell)
{
    for (const auto &[indexPath, visible] : m_visibleCells) {
        if (visible == cell) {
            selectRow(indexPath);
            return;
        }
    }
}

void TableView::selectRow(const IndexPath &indexPath)
{
    setCurrentRow(indexPath);
    // The controller may reload, dismiss or delete the table from its handler.
    QPointer<TableViewController> controller = m_controller;
    if (controller)
        controller->didSelectRowAt(indexPath);
}

void TableView::setCurrentRow(const IndexPath &indexPath)
{
    if (m_selected) {
        if (TableViewCell *previous = cellForRow(*m_selected))
            previous->setSelected(false);
    }
    m_selected = indexPath;
    scrollToRow(indexPath);
    if (TableViewCell *cell = cellForRow(indexPath)) {
        cell->setSelected(true);
        // A screen reader follows the current row as keyboard focus.
        if (QAccessible::isActive() && hasFocus()) {
            QAccessibleEvent event(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }
}

} // namespace NequoraUI::platform
