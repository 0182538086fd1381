#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace NequoraUI::platform {

class TableLayout;
class TableViewHeaderView;

// The section headers of a plain table over the rows in view: the header of the section at the
// top stays pinned there until the next section's pushes it away. Header views are made as
// needed and kept, hidden when fewer sections are in view.
class TableViewPinnedHeaders
{
public:
    // Lays out the headers of the sections between top and bottom (content coordinates) in
    // viewport, which is width wide; titles are the sections' header titles.
    void layOut(const TableLayout &layout, const std::vector<std::optional<QString>> &titles,
                qint64 top, qint64 bottom, QWidget *viewport);

private:
    TableViewHeaderView *headerView(int slot, QWidget *viewport);

    QList<TableViewHeaderView *> m_headerViews;
};

} // namespace NequoraUI::platform
