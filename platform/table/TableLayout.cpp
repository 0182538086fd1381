#include "TableLayout.h"

#include <algorithm>

namespace NequoraUI::platform {

void TableLayout::setRowHeight(int height)
{
    m_rowHeight = std::max(1, height);
    setSections(std::vector<Section>(m_sections));
}

void TableLayout::setHeaderHeight(int height)
{
    m_headerHeight = std::max(0, height);
    setSections(std::vector<Section>(m_sections));
}

void TableLayout::setSections(const std::vector<Section> &sections)
{
    m_sections = sections;
    m_tops.assign(m_sections.size(), 0);
    qint64 top = 0;
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        m_sections[s].rows = std::max(0, m_sections[s].rows);
        m_tops[s] = top;
        top += (m_sections[s].hasHeader ? m_headerHeight : 0) +
               qint64(m_sections[s].rows) * m_rowHeight;
    }
    m_total = top;
}

int TableLayout::rowCount(int section) const
{
    return section >= 0 && section < sectionCount() ? m_sections[section].rows : 0;
}

bool TableLayout::hasHeader(int section) const
{
    return section >= 0 && section < sectionCount() && m_sections[section].hasHeader;
}

bool TableLayout::isValid(const IndexPath &indexPath) const
{
    return indexPath.row >= 0 && indexPath.row < rowCount(indexPath.section);
}

qint64 TableLayout::sectionTop(int section) const
{
    if (section < 0)
        return 0;
    return section < sectionCount() ? m_tops[section] : m_total;
}

qint64 TableLayout::sectionBottom(int section) const
{
    return sectionTop(section + 1);
}

qint64 TableLayout::rowsTop(int section) const
{
    return sectionTop(section) + (hasHeader(section) ? m_headerHeight : 0);
}

qint64 TableLayout::rowTop(const IndexPath &indexPath) const
{
    return rowsTop(indexPath.section) + qint64(indexPath.row) * m_rowHeight;
}

int TableLayout::sectionAt(qint64 y) const
{
    if (y < 0 || y >= m_total)
        return -1;
    // The last section starting at or above y; empty sections share their top with the next
    // one, and upper_bound skips past them.
    const auto after = std::upper_bound(m_tops.begin(), m_tops.end(), y);
    return int(after - m_tops.begin()) - 1;
}

std::optional<IndexPath> TableLayout::rowAt(qint64 y) const
{
    const int section = sectionAt(y);
    if (section < 0 || y < rowsTop(section))
        return std::nullopt;
    return IndexPath{section, int((y - rowsTop(section)) / m_rowHeight)};
}

std::optional<IndexPath> TableLayout::firstRowBelow(qint64 y) const
{
    int section = std::max(sectionAt(std::max<qint64>(y, 0)), 0);
    if (y >= m_total)
        return std::nullopt;
    for (; section < sectionCount(); ++section) {
        if (m_sections[section].rows == 0)
            continue;
        const qint64 offset = y - rowsTop(section);
        const int row = offset < 0 ? 0 : int(offset / m_rowHeight);
        if (row < m_sections[section].rows)
            return IndexPath{section, row};
    }
    return std::nullopt;
}

std::optional<IndexPath> TableLayout::nextRow(const IndexPath &indexPath) const
{
    if (indexPath.row + 1 < rowCount(indexPath.section))
        return IndexPath{indexPath.section, indexPath.row + 1};
    for (int section = indexPath.section + 1; section < sectionCount(); ++section) {
        if (m_sections[section].rows > 0)
            return IndexPath{section, 0};
    }
    return std::nullopt;
}

std::optional<IndexPath> TableLayout::previousRow(const IndexPath &indexPath) const
{
    if (indexPath.row > 0 && indexPath.section < sectionCount())
        return IndexPath{indexPath.section,
                         std::min(indexPath.row, rowCount(indexPath.section)) - 1};
    for (int section = std::min(indexPath.section, sectionCount()) - 1; section >= 0; --section) {
        if (m_sections[section].rows > 0)
            return IndexPath{section, m_sections[section].rows - 1};
    }
    return std::nullopt;
}

} // namespace NequoraUI::platform
