#include <gtest/gtest.h>

#include <vector>

#include "host/gui/VirtualPlatform.h"
#include "host/play/RealTimeTimers.h"

namespace {

using zuhost::gui::VirtualPlatform;
using zuhost::play::RealTimeTimers;

std::vector<int64_t> ticks;
int64_t clockNs = 0;

class RealTimeTimersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ticks.clear();
        clockNs = 5'000'000'000;  // the clock does not start at zero
    }
    void TearDown() override {
        for (const uintptr_t id : started_) VirtualPlatform::instance().killTimer(id);
    }
    uintptr_t start(uint32_t periodMs) {
        const uintptr_t id = VirtualPlatform::instance().startTimer(
            periodMs, [] { ticks.push_back(VirtualPlatform::instance().nowNanoseconds()); });
        started_.push_back(id);
        return id;
    }
    std::vector<uintptr_t> started_;
};

TEST_F(RealTimeTimersTest, TicksRunWhenTheClockPassesThemAndNotBefore) {
    RealTimeTimers timers([] { return clockNs; });
    const int64_t virtualStart = VirtualPlatform::instance().nowNanoseconds();
    start(10);
    clockNs += 9'999'999;
    timers.runDue();
    EXPECT_TRUE(ticks.empty());
    EXPECT_EQ(timers.nanosecondsToNextTick(), 1);
    clockNs += 1;
    timers.runDue();
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0] - virtualStart, 10'000'000);
    // A late loop runs every tick it missed, each at its own time.
    clockNs += 35'500'000;
    timers.runDue();
    ASSERT_EQ(ticks.size(), 4u);
    EXPECT_EQ(ticks[3] - virtualStart, 40'000'000);
    EXPECT_EQ(timers.nanosecondsToNextTick(), 4'500'000);
}

TEST_F(RealTimeTimersTest, FractionsOfAMillisecondAddUpInsteadOfBeingLost) {
    RealTimeTimers timers([] { return clockNs; });
    start(2);
    for (int i = 0; i < 8; ++i) {
        clockNs += 500'000;
        timers.runDue();
    }
    EXPECT_EQ(ticks.size(), 2u);
}

TEST_F(RealTimeTimersTest, WithNoTimerThereIsNothingToWaitFor) {
    RealTimeTimers timers([] { return clockNs; });
    EXPECT_EQ(timers.nanosecondsToNextTick(), -1);
}

}  // namespace
