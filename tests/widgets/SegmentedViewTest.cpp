#include "SegmentedView.h"
#include "platform/SegmentedControl.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using NequoraUI::SegmentedView;
using NequoraUI::platform::SegmentedControl;

namespace {

struct SegmentedFixture
{
    explicit SegmentedFixture(const QStringList &segments)
        : view(QStringLiteral("Mode"), segments, [this](std::int64_t i) { reported.push_back(i); })
    {
        view.resize(360, 80);
        view.show();
        control = view.findChild<SegmentedControl *>(QStringLiteral("segmentedControl"));
    }
    void click(int index)
    {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->segmentRect(index).center());
    }

    std::vector<std::int64_t> reported;
    SegmentedView view;
    SegmentedControl *control = nullptr;
};

} // namespace

TEST(SegmentedView, ReplacesTheResourceSegmentsAndSelectsTheFirstSilently)
{
    SegmentedFixture f({"A", "B", "C"});
    EXPECT_EQ(f.control->segmentTitles(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(f.control->selectedSegmentIndex(), 0);
    EXPECT_TRUE(f.reported.empty());

    SegmentedFixture single({"Only"});
    EXPECT_EQ(single.control->numberOfSegments(), 1) << "the resource's own segments are gone";
}

TEST(SegmentedView, ReportsThePositionChosenByTheUser)
{
    SegmentedFixture f({"A", "B", "C"});
    f.click(2);
    EXPECT_EQ(f.reported, std::vector<std::int64_t>{2});

    SegmentedFixture twins({"Same", "Same"});
    twins.click(1);
    EXPECT_EQ(twins.reported, std::vector<std::int64_t>{1});
}

TEST(SegmentedView, EmptyListLeavesNoSegmentsAndNoSelection)
{
    SegmentedFixture f({});
    EXPECT_EQ(f.control->numberOfSegments(), 0);
    EXPECT_EQ(f.control->selectedSegmentIndex(), SegmentedControl::noSegment);
}
