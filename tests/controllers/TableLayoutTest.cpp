#include "platform/TableLayout.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

using namespace NequoraUI::platform;

TEST(TableLayoutTest, PlacesAndFindsRowsAcrossEmptySectionsAndNothingOnHeaders)
{
    TableLayout layout;
    layout.setRowHeight(44);
    layout.setHeaderHeight(28);
    // A header and 2 rows, nothing, a header and no rows, 3 rows without a header.
    layout.setSections({{2, true}, {0, false}, {0, true}, {3, false}});
    EXPECT_EQ(layout.rowTop({3, 0}), 28 + 88 + 28);
    EXPECT_EQ(layout.contentHeight(), 28 + 88 + 28 + 132);
    EXPECT_EQ(layout.sectionAt(28 + 88 + 5), 2);
    // Height, then the row found there as section and row, or -1 for none.
    const std::tuple<qint64, int, int> rows[] = {{-1, -1, 0},  {10, -1, 0}, {28, 0, 0},  {72, 0, 1},
                                                 {121, -1, 0}, {144, 3, 0}, {276, -1, 0}};
    for (const auto &[y, section, row] : rows)
        EXPECT_EQ(layout.rowAt(y),
                  section < 0 ? std::nullopt : std::optional(IndexPath{section, row}))
            << y;
    EXPECT_EQ(layout.firstRowBelow(100), (IndexPath{0, 1}));
    EXPECT_EQ(layout.firstRowBelow(28 + 88 + 1), (IndexPath{3, 0}));
    EXPECT_EQ(layout.nextRow({0, 1}), (IndexPath{3, 0}));
    EXPECT_EQ(layout.previousRow({3, 0}), (IndexPath{0, 1}));
    EXPECT_EQ(layout.nextRow({3, 2}), std::nullopt);

    // Huge tables do not overflow.
    layout.setSections({{2'000'000'000, false}, {2'000'000'000, true}});
    EXPECT_EQ(layout.contentHeight(), 4'000'000'000LL * 44 + 28);
    EXPECT_EQ(layout.rowAt(layout.rowTop({1, 1'999'999'999})), (IndexPath{1, 1'999'999'999}));
}
