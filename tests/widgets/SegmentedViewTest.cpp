#include "SegmentedView.h"
#include "platform/SegmentedControl.h"
#include "support/Widgets.h"

#include <gtest/gtest.h>
#include <vector>

using NequoraUI::SegmentedView;
using NequoraUI::platform::SegmentedControl;

// The resource's own segments are replaced; the first is selected silently; a click reports its
// position, also between equal titles.
TEST(SegmentedView, ReplacesTheResourceSegmentsAndReportsThePositionChosen)
{
    const std::tuple<QStringList, int, int> cases[] = {
        {{"A", "B", "C"}, 0, 2}, {{"Same", "Same"}, 0, 1}, {{"Only"}, 0, -1}, {{}, -1, -1}};
    for (const auto &[segments, selected, clicked] : cases) {
        std::vector<std::int64_t> reported;
        SegmentedView view(QStringLiteral("Mode"), segments,
                           [&](std::int64_t i) { reported.push_back(i); });
        ASSERT_TRUE(NequoraUI::testing::shown(view, 360, 80));
        auto *control = NequoraUI::testing::child<SegmentedControl>(&view, "segmentedControl");
        EXPECT_EQ(control->segmentTitles(), segments);
        EXPECT_EQ(control->selectedSegmentIndex(), selected);
        if (clicked >= 0)
            QTest::mouseClick(control, Qt::LeftButton, {}, control->segmentRect(clicked).center());
        EXPECT_EQ(reported,
                  clicked >= 0 ? std::vector<std::int64_t>{clicked} : std::vector<std::int64_t>{});
    }
}
