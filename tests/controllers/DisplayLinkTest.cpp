#include "platform/DisplayLink.h"
#include "platform/FrameClock.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace NequoraUI::platform;

namespace {

class Target : public QObject
{
    Q_OBJECT

public:
    int updates = 0;

public slots:
    void updateData() { ++updates; }
};

class ManualClockTest : public ::testing::Test
{
protected:
    void SetUp() override { clock->setManual(true); }
    void TearDown() override { clock->setManual(false); }
    FrameClock *clock = FrameClock::forCurrentThread();
    Target target;
};

} // namespace

TEST_F(ManualClockTest, ScheduledLinksFireOncePerFrameInSchedulingOrder)
{
    std::vector<int> order;
    DisplayLink second(&target, [&order] { order.push_back(2); });
    DisplayLink first(&target, [&order] { order.push_back(1); });
    second.addToRunLoop();
    first.addToRunLoop();
    first.addToRunLoop(); // scheduling twice changes nothing
    clock->advanceFrame();
    clock->advanceFrame();
    EXPECT_EQ(order, (std::vector<int>{2, 1, 2, 1}));
    EXPECT_FALSE(clock->isRunning()); // manual clocks never run their timer
}

TEST_F(ManualClockTest, SlotNameLinksFireUntilRemovedAndNeverAfterInvalidation)
{
    DisplayLink link(&target, "updateData");
    link.addToRunLoop();
    clock->advanceFrame();
    EXPECT_EQ(target.updates, 1);
    EXPECT_NEAR(link.duration(), 1.0 / clock->refreshRate(), 1e-9);
    EXPECT_NEAR(link.targetTimestamp() - link.timestamp(), link.duration(), 1e-9);
    link.removeFromRunLoop();
    EXPECT_FALSE(link.isScheduled());
    clock->advanceFrame();
    EXPECT_EQ(target.updates, 1);
    link.addToRunLoop();
    clock->advanceFrame();
    EXPECT_EQ(target.updates, 2);
    link.invalidate();
    link.addToRunLoop();
    EXPECT_FALSE(link.isScheduled());
    clock->advanceFrame();
    EXPECT_EQ(target.updates, 2);
}

TEST_F(ManualClockTest, DestroyedTargetUnschedulesItsLink)
{
    auto owner = std::make_unique<Target>();
    DisplayLink link(owner.get(), "updateData");
    link.addToRunLoop();
    const int before = clock->scheduledLinkCount();
    owner.reset();
    EXPECT_FALSE(link.isScheduled());
    EXPECT_EQ(clock->scheduledLinkCount(), before - 1);
    clock->advanceFrame(); // checked under ASan
}

TEST_F(ManualClockTest, LinksDestroyedByAnEarlierCallbackOfTheSameFrameDoNotFire)
{
    int laterFired = 0;
    auto later = std::make_unique<DisplayLink>(&target, [&laterFired] { ++laterFired; });
    auto laterTarget = std::make_unique<Target>();
    DisplayLink laterByTarget(laterTarget.get(), "updateData");
    DisplayLink killer(&target, [&] {
        later.reset();
        laterTarget.reset();
    });
    killer.addToRunLoop();
    later->addToRunLoop();
    laterByTarget.addToRunLoop();
    clock->advanceFrame();
    EXPECT_EQ(laterFired, 0);
    EXPECT_FALSE(laterByTarget.isScheduled());
}

TEST_F(ManualClockTest, LinkMayDestroyItselfFromItsCallback)
{
    std::unique_ptr<DisplayLink> self;
    int calls = 0;
    self = std::make_unique<DisplayLink>(&target, [&] {
        ++calls;
        self.reset();
    });
    self->addToRunLoop();
    clock->advanceFrame();
    clock->advanceFrame();
    EXPECT_EQ(calls, 1);
}

TEST_F(ManualClockTest, LinkAddedDuringAFrameFiresFromTheNextOne)
{
    int addedFired = 0;
    DisplayLink added(&target, [&addedFired] { ++addedFired; });
    DisplayLink adder(&target, [&added] { added.addToRunLoop(); });
    adder.addToRunLoop();
    clock->advanceFrame();
    EXPECT_EQ(addedFired, 0);
    clock->advanceFrame();
    EXPECT_EQ(addedFired, 1);
}

TEST(DisplayLinkTest, RealTimerFiresOnlyWhileLinksAreScheduled)
{
    FrameClock *clock = FrameClock::forCurrentThread();
    ASSERT_FALSE(clock->isManual());
    EXPECT_FALSE(clock->isRunning());
    Target target;
    DisplayLink link(&target, "updateData");
    link.addToRunLoop();
    EXPECT_TRUE(clock->isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&target] { return target.updates >= 3; }, 2000));
    link.removeFromRunLoop();
    EXPECT_FALSE(clock->isRunning());
}

TEST(DisplayLinkDeathTest, UnknownSlotStops)
{
    EXPECT_DEATH(
        {
            Target target;
            DisplayLink link(&target, "noSuchSlot");
        },
        "has no method noSuchSlot\\(\\)");
}

#include "DisplayLinkTest.moc"
