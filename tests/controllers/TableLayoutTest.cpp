#include "platform/TableLayout.h"

#include <gtest/gtest.h>

using namespace NequoraUI::platform;

namespace {

// Sections: 0 with header and 2 rows, 1 empty without header, 2 with header and no rows,
// 3 without header and 3 rows.
TableLayout sampleLayout()
{
    TableLayout layout;
    layout.setRowHeight(44);
    layout.setHeaderHeight(28);
    layout.setSections({{2, true}, {0, false}, {0, true}, {3, false}});
    return layout;
}

} // namespace

TEST(TableLayoutTest, PlacesAndFindsRowsAcrossEmptySectionsAndNothingOnHeaders)
{
    const TableLayout layout = sampleLayout();
    EXPECT_EQ(layout.rowTop({3, 0}), 28 + 88 + 28);
    EXPECT_EQ(layout.contentHeight(), 28 + 88 + 28 + 132);
    EXPECT_EQ(layout.rowAt(10), std::nullopt);
    EXPECT_EQ(layout.rowAt(28), (IndexPath{0, 0}));
    EXPECT_EQ(layout.rowAt(28 + 44), (IndexPath{0, 1}));
    EXPECT_EQ(layout.rowAt(28 + 88 + 5), std::nullopt); // header of section 2
    EXPECT_EQ(layout.sectionAt(28 + 88 + 5), 2);
    EXPECT_EQ(layout.rowAt(28 + 88 + 28), (IndexPath{3, 0}));
    EXPECT_EQ(layout.rowAt(layout.contentHeight()), std::nullopt);
    EXPECT_EQ(layout.rowAt(-1), std::nullopt);
    EXPECT_EQ(layout.firstRowBelow(100), (IndexPath{0, 1}));
    EXPECT_EQ(layout.firstRowBelow(28 + 88 + 1), (IndexPath{3, 0}));
    EXPECT_EQ(layout.nextRow({0, 1}), (IndexPath{3, 0}));
    EXPECT_EQ(layout.previousRow({3, 0}), (IndexPath{0, 1}));
    EXPECT_EQ(layout.nextRow({3, 2}), std::nullopt);
}

TEST(TableLayoutTest, HugeTablesDoNotOverflow)
{
    TableLayout layout;
    layout.setSections({{2'000'000'000, false}, {2'000'000'000, true}});
    EXPECT_EQ(layout.contentHeight(), 4'000'000'000LL * 44 + 28);
    EXPECT_EQ(layout.rowAt(layout.rowTop({1, 1'999'999'999})), (IndexPath{1, 1'999'999'999}));
}
