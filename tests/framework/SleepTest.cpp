#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/AudioPins.h"
#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "tests/framework/EngineTestSupport.h"

namespace {

using namespace gmpi;
using enginetest::addValue;
using enginetest::hostCalls;

constexpr int32_t unknownPin = 9;

// Its output streams while the control input is 1 and holds still otherwise.
// Routine runs are noted as " start+count".
template <class Base>
class Sleeper : public Base {
public:
    Sleeper() {
        this->registerPin(control);
        this->registerPin(input);
        this->registerPin(output);
    }
    void onSetPins() override {
        if (control.isUpdated()) output.setStreaming(control.getValue() == 1);
    }
    void allowSleep(bool allowed) { this->setSleep(allowed); }
    void noteRun(int32_t start, int32_t count) {
        runs.append(" ").append(std::to_string(start)).append("+").append(std::to_string(count));
    }
    std::string runs;
    IntInPin control;
    AudioInPin input;
    AudioOutPin output;
};

class SleepySecondStyle : public Sleeper<MpBase2> {
public:
    SleepySecondStyle() { setSubProcess(&SleepySecondStyle::run); }
    void run(int32_t count) { noteRun(getBlockPosition(), count); }
};

class SleepyFirstStyle : public Sleeper<MpBase> {
public:
    SleepyFirstStyle() { setSubProcess(&SleepyFirstStyle::run); }
    void run(int32_t offset, int32_t count) { noteRun(offset, count); }
};

class SleepTest : public ::testing::Test {
protected:
    void SetUp() override { useCountdown(64); }

    void useCountdown(int32_t samples) {
        // The plug-in lets go of the old host before it goes.
        auto next = std::make_unique<zuhost::AudioHost>(zuhost::HostSettings{.sleepCountdown = samples});
        plugin.setHost(next.get());
        host = std::move(next);
    }

    void block(int32_t frames) {
        host->beginBlock(time);
        plugin.process(frames, events.first());
        events.clear();
        time += frames;
    }

    std::unique_ptr<zuhost::AudioHost> host;
    zuhost::EventList events;
    SleepySecondStyle plugin;
    int64_t time = 0;
};

TEST_F(SleepTest, WithoutStreamingPinsOnlySamplesFollowedByEventsAreProducedBeforeSleep) {
    block(64);
    addValue(events, 32, unknownPin, 5);
    block(64);
    EXPECT_EQ(plugin.runs, " 0+32");
    EXPECT_EQ(hostCalls(host->log()), "sleep@0 sleep@64");
}

TEST_F(SleepTest, OutputGoingStaticKeepsTheProcessorRunningForTheHostsCountdown) {
    addValue(events, 0, 0, 1);
    block(48);
    addValue(events, 0, 0, 0);
    block(48);
    block(48);
    EXPECT_EQ(plugin.runs, " 0+48 0+48 0+16");
    EXPECT_EQ(hostCalls(host->log()), "stream2+@0 stream2-@48 sleep@96");
}

TEST_F(SleepTest, CountdownEndingBeforeLaterEventsRunsTheRestOfThatSegment) {
    useCountdown(10);
    addValue(events, 0, 0, 1);
    block(16);
    addValue(events, 0, 0, 0);
    addValue(events, 80, unknownPin, 0);
    block(100);
    EXPECT_EQ(plugin.runs, " 0+16 0+10 10+70");
    EXPECT_EQ(hostCalls(host->log()), "stream2+@0 stream2-@16 sleep@16");
}

TEST_F(SleepTest, EveryStreamingPinKeepsTheProcessorAwakeUntilTheLastStops) {
    events.addStreaming(0, 1, true);
    addValue(events, 0, 0, 1);
    block(32);
    events.addStreaming(0, 1, false);
    block(32);
    addValue(events, 0, 0, 0);
    block(32);
    block(32);
    block(32);
    EXPECT_EQ(plugin.runs, " 0+32 0+32 0+32 0+32");
    EXPECT_EQ(hostCalls(host->log()), "stream2+@0 stream2-@64 sleep@96 sleep@128");
}

TEST_F(SleepTest, NeverModeRunsEveryBlockAndAllowedModeSleepsWhilePinsStream) {
    plugin.allowSleep(false);
    block(64);
    plugin.allowSleep(true);
    events.addStreaming(0, 1, true);
    block(64);
    EXPECT_EQ(plugin.runs, " 0+64");
    EXPECT_EQ(hostCalls(host->log()), "sleep@64");
}

TEST(FirstStyleSleepTest, CountdownRunsAdvanceTheBufferOffset) {
    zuhost::AudioHost host{zuhost::HostSettings{.sleepCountdown = 10}};
    SleepyFirstStyle plugin;
    plugin.setHost(&host);
    zuhost::EventList events;
    addValue(events, 0, 0, 1);
    addValue(events, 20, 0, 0);
    addValue(events, 50, unknownPin, 2);
    plugin.process(64, events.first());
    EXPECT_EQ(plugin.runs, " 0+20 20+10 30+20");
    EXPECT_EQ(hostCalls(host.log()), "stream2+@0 stream2-@20 sleep@0");
}

}  // namespace
