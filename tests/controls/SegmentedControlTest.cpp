#include "platform/SegmentedControl.h"
#include "support/Widgets.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using NequoraUI::platform::SegmentedControl;

TEST(SegmentedControl, SegmentsTileUserChoicesReportOnlyChangesAndOutOfRangeSelectsNothing)
{
    SegmentedControl control;
    for (const char *title : {"A", "B", "C"})
        control.insertSegment(title, control.numberOfSegments());
    ASSERT_TRUE(NequoraUI::testing::shown(control, 300, 32));
    for (int width : {17, 301, 300}) {
        control.resize(width, 32);
        for (int i = 0; i + 1 < control.numberOfSegments(); ++i)
            EXPECT_EQ(control.segmentRect(i).right() + 1, control.segmentRect(i + 1).left());
        EXPECT_EQ(control.segmentAt(control.segmentRect(0).topLeft()), 0);
        EXPECT_EQ(control.segmentAt(control.segmentRect(2).bottomRight()), 2);
    }

    QSignalSpy spy(&control, &SegmentedControl::valueChanged);
    const auto click = [&](int segment) {
        QTest::mouseClick(&control, Qt::LeftButton, {}, control.segmentRect(segment).center());
    };
    control.setFocus();
    QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.selectedSegmentIndex(), 0) << "from no selection, Right starts at the first";
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.selectedSegmentIndex(), 2);
    EXPECT_EQ(spy.count(), 3);
    QTest::keyClick(&control, Qt::Key_Left);
    EXPECT_EQ(control.selectedSegmentIndex(), 1);
    click(1);
    EXPECT_EQ(spy.count(), 4);
    click(2);
    EXPECT_EQ(control.selectedSegmentIndex(), 2);
    EXPECT_EQ(spy.count(), 5);

    // Inserting clamps the index and keeps the selected segment; programmatic changes are silent.
    control.setSelectedSegmentIndex(1);
    control.insertSegment("first", -5);
    control.insertSegment("last", 99);
    EXPECT_EQ(control.segmentTitles(), (QStringList{"first", "A", "B", "C", "last"}));
    EXPECT_EQ(control.selectedSegmentIndex(), 2);
    for (int out : {5, -1})
        EXPECT_EQ(control.titleForSegment(out), QString());
    for (int out : {5, -7}) {
        control.setSelectedSegmentIndex(out);
        EXPECT_EQ(control.selectedSegmentIndex(), SegmentedControl::noSegment);
    }
    control.setSelectedSegmentIndex(0);
    control.removeAllSegments();
    EXPECT_EQ(control.numberOfSegments(), 0);
    EXPECT_EQ(control.selectedSegmentIndex(), SegmentedControl::noSegment);
    control.setSelectedSegmentIndex(0);
    QTest::keyClick(&control, Qt::Key_Left);
    EXPECT_EQ(control.selectedSegmentIndex(), SegmentedControl::noSegment);
    EXPECT_TRUE(control.segmentRect(0).isEmpty());
    EXPECT_EQ(spy.count(), 5);
}
