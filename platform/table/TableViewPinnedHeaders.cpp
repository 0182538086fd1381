#include "TableViewPinnedHeaders.h"

#include "TableLayout.h"
#include "TableViewHeaderView.h"

#include <QWidget>
#include <algorithm>
#include <climits>

namespace NequoraUI::platform {

void TableViewPinnedHeaders::layOut(const TableLayout &layout,
                                    const std::vector<std::optional<QString>> &titles, qint64 top,
                                    qint64 bottom, QWidget *viewport)
{
    int used = 0;
    const int width = viewport->width();
    const int headerHeight = layout.headerHeight();
    const int first = layout.sectionAt(top);
    const int last = layout.sectionAt(bottom - 1);
    if (first >= 0) {
        const int end = last >= 0 ? last : layout.sectionCount() - 1;
        for (int section = first; section <= end; ++section) {
            if (!layout.hasHeader(section))
                continue;
            qint64 y = layout.sectionTop(section);
            if (section == first)
                y = std::min(std::max(y, top), layout.sectionBottom(section) - headerHeight);
            TableViewHeaderView *label = headerView(used++, viewport);
            label->setText(titles[std::size_t(section)].value_or(QString()));
            label->setGeometry(0, int(std::clamp<qint64>(y - top, INT_MIN, INT_MAX)), width,
                               headerHeight);
            label->show();
            label->raise();
        }
    }
    for (int slot = used; slot < int(m_headerViews.size()); ++slot)
        m_headerViews[slot]->hide();
}

TableViewHeaderView *TableViewPinnedHeaders::headerView(int slot, QWidget *viewport)
{
    while (int(m_headerViews.size()) <= slot)
        m_headerViews.append(new TableViewHeaderView(viewport));
    return m_headerViews[slot];
}

} // namespace NequoraUI::platform
