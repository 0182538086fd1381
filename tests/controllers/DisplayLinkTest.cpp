#include "platform/DisplayLink.h"
#include "platform/FrameClock.h"
#include "support/FrameClockFixture.h"

#include <QCoreApplication>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace NequoraUI::platform;
using ManualClockTest = NequoraUI::testing::FrameClockFixture;

// Spin boxes stand for targets: their stepUp slot counts the frames that reached them.
TEST_F(ManualClockTest, LinksFireOncePerFrameInSchedulingOrderUntilRemovedOrInvalidated)
{
    QSpinBox target;
    std::vector<int> order;
    DisplayLink second(&target, [&order] { order.push_back(2); });
    DisplayLink first(&target, [&order] { order.push_back(1); });
    DisplayLink slot(&target, "stepUp");
    for (DisplayLink *link : {&second, &first, &first, &slot}) // twice changes nothing
        link->addToRunLoop();
    frame();
    frame();
    EXPECT_EQ(order, (std::vector<int>{2, 1, 2, 1}));
    EXPECT_FALSE(clock()->isRunning()); // manual clocks never run their timer
    EXPECT_NEAR(slot.duration(), 1.0 / clock()->refreshRate(), 1e-9);
    EXPECT_NEAR(slot.targetTimestamp() - slot.timestamp(), slot.duration(), 1e-9);

    slot.removeFromRunLoop();
    frame();
    EXPECT_EQ(target.value(), 2);
    slot.addToRunLoop();
    frame();
    EXPECT_EQ(target.value(), 3);
    slot.invalidate();
    slot.addToRunLoop();
    EXPECT_FALSE(slot.isScheduled());
    frame();
    EXPECT_EQ(target.value(), 3);
}

// Run under AddressSanitizer: a frame reaching a destroyed link or target would show there.
TEST_F(ManualClockTest, LinksDestroyedOrAddedDuringAFrameAreSkippedUntilTheNext)
{
    QObject target;
    int laterFired = 0, addedFired = 0, selfCalls = 0;
    auto later = std::make_unique<DisplayLink>(&target, [&laterFired] { ++laterFired; });
    auto laterTarget = std::make_unique<QSpinBox>();
    DisplayLink laterByTarget(laterTarget.get(), "stepUp");
    DisplayLink added(&target, [&addedFired] { ++addedFired; });
    std::unique_ptr<DisplayLink> self;
    self = std::make_unique<DisplayLink>(&target, [&] { ++selfCalls, self.reset(); });
    DisplayLink killer(&target, [&] { later.reset(), laterTarget.reset(), added.addToRunLoop(); });
    for (DisplayLink *link : {&killer, later.get(), &laterByTarget, self.get()})
        link->addToRunLoop();
    const int before = clock()->scheduledLinkCount();
    frame();
    EXPECT_EQ(laterFired + addedFired, 0);
    EXPECT_FALSE(laterByTarget.isScheduled());
    EXPECT_EQ(clock()->scheduledLinkCount(), before - 2) << "three left, one joined";
    frame();
    EXPECT_EQ(addedFired, 1);
    EXPECT_EQ(selfCalls, 1);
}

TEST(DisplayLinkTest, RealTimerFiresOnlyWhileLinksAreScheduled)
{
    FrameClock *clock = FrameClock::forCurrentThread();
    ASSERT_FALSE(clock->isManual());
    EXPECT_FALSE(clock->isRunning());
    QSpinBox target;
    DisplayLink link(&target, "stepUp");
    link.addToRunLoop();
    EXPECT_TRUE(clock->isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&target] { return target.value() >= 3; }, 2000));
    link.removeFromRunLoop();
    EXPECT_FALSE(clock->isRunning());
}

TEST(DisplayLinkDeathTest, UnknownSlotStops)
{
    EXPECT_DEATH(DisplayLink(QCoreApplication::instance(), "noSuchSlot"),
                 "has no method noSuchSlot\\(\\)");
}
