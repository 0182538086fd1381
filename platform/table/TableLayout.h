#pragma once

#include "IndexPath.h"

#include <QtGlobal>
#include <optional>
#include <vector>

namespace NequoraUI::platform {

// Geometry of a plain table in content coordinates: each section is an optional header followed
// by its rows, all rows of one fixed height. Building it is O(sections); finding the row at a
// given height is O(log sections), so a table of 100,000 rows costs no more than one of 10.
class TableLayout
{
public:
    struct Section
    {
        int rows = 0;
        bool hasHeader = false;
    };

    void setRowHeight(int height);
    int rowHeight() const { return m_rowHeight; }
    void setHeaderHeight(int height);
    int headerHeight() const { return m_headerHeight; }

    // Replaces the sections; negative row counts are taken as empty sections.
    void setSections(const std::vector<Section> &sections);

    int sectionCount() const { return int(m_sections.size()); }
    int rowCount(int section) const;
    bool hasHeader(int section) const;
    bool isValid(const IndexPath &indexPath) const;

    qint64 contentHeight() const { return m_total; }
    // Top of the section (its header, when it has one).
    qint64 sectionTop(int section) const;
    qint64 sectionBottom(int section) const;
    // Top of the section's first row, below its header.
    qint64 rowsTop(int section) const;
    qint64 rowTop(const IndexPath &indexPath) const;

    // The section whose extent holds y (content coordinates); -1 outside the content.
    int sectionAt(qint64 y) const;
    // The row under y; none on a header or outside the content.
    std::optional<IndexPath> rowAt(qint64 y) const;
    // The first row whose bottom lies below y, or none when no row does.
    std::optional<IndexPath> firstRowBelow(qint64 y) const;
    // The row after indexPath in reading order, skipping empty sections; none at the end.
    std::optional<IndexPath> nextRow(const IndexPath &indexPath) const;
    std::optional<IndexPath> previousRow(const IndexPath &indexPath) const;

private:
    int m_rowHeight = 44;
    int m_headerHeight = 28;
    std::vector<Section> m_sections;
    std::vector<qint64> m_tops; // prefix sums: m_tops[s] is the top of section s
    qint64 m_total = 0;
};

} // namespace NequoraUI::platform
