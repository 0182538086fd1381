#pragma once

#include "platform/FrameClock.h"

#include <gtest/gtest.h>

namespace NequoraUI::testing {

// Frames come only from frame(), never from the screen's timer.
class FrameClockFixture : public ::testing::Test
{
protected:
    void SetUp() override { clock()->setManual(true); }
    void TearDown() override { clock()->setManual(false); }

    static platform::FrameClock *clock() { return platform::FrameClock::forCurrentThread(); }
    static void frame() { clock()->advanceFrame(); }
};

} // namespace NequoraUI::testing
