#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "tests/framework/EngineTestSupport.h"

namespace {

using namespace gmpi;
using enginetest::hostCalls;
using enginetest::addValue;
using enginetest::intEvent;

// Appends "pre<id>", "on<id>" and "post<id>" to a trace as the passes reach it.
template <class Pin>
class TracingPin : public Pin {
public:
    explicit TracingPin(std::string& trace) : trace_(trace) {}
    void preEvent(const MpEvent& event) override {
        note("pre");
        Pin::preEvent(event);
    }
    void onEvent(const MpEvent& event) override {
        note("on");
        Pin::onEvent(event);
    }
    void postEvent(const MpEvent& event) override {
        note("post");
        Pin::postEvent(event);
    }

private:
    void note(const char* pass) { trace_ += std::string(" ") + pass + std::to_string(this->getId()); }
    std::string& trace_;
};

// Records its routine runs and onSetPins calls, with the block position it saw.
template <class Base>
class TracingProcessor : public Base {
public:
    TracingProcessor() {
        this->registerPin(a);
        this->registerPin(b);
        this->registerPin(out);
        this->setSleep(false);
    }
    void onSetPins() override {
        trace += " set@" + std::to_string(this->getBlockPosition()) + "(a=" + std::to_string(a.getValue()) +
                 (a.isUpdated() ? "*" : "") + ",b=" + std::to_string(b.getValue()) + (b.isUpdated() ? "*" : "") + ")";
    }
    void onGraphStart() override {
        trace += " graph";
        Base::onGraphStart();
    }
    // Drops the pass entries, leaving routines and onSetPins.
    std::string routinesAndGroups() const {
        std::istringstream words(trace);
        std::string kept;
        for (std::string word; words >> word;) {
            if (word.starts_with("pre") || word.starts_with("on") || word.starts_with("post")) continue;
            kept += (kept.empty() ? "" : " ") + word;
        }
        return kept;
    }

    std::string trace;
    TracingPin<IntInPin> a{trace};
    TracingPin<IntInPin> b{trace};
    IntOutPin out;
};

class SecondStyle : public TracingProcessor<MpBase2> {
public:
    SecondStyle() { setSubProcess(&SecondStyle::run); }
    void run(int32_t count) { trace += " run@" + std::to_string(getBlockPosition()) + "+" + std::to_string(count); }
};

class FirstStyle : public TracingProcessor<MpBase> {
public:
    FirstStyle() { setSubProcess(&FirstStyle::run); }
    void run(int32_t offset, int32_t count) {
        trace += " run" + std::to_string(offset) + "+" + std::to_string(count) + "@" + std::to_string(getBlockPosition());
    }
};

class BlockLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        second.setHost(&host);
        first.setHost(&host);
    }
    zuhost::AudioHost host;
    zuhost::EventList events;
    SecondStyle second;
    FirstStyle first;
};

TEST_F(BlockLoopTest, BlockWithoutEventsRunsTheRoutineOnceForTheWholeBlock) {
    second.process(64, nullptr);
    EXPECT_EQ(second.trace, " run@0+64");
}

TEST_F(BlockLoopTest, EventsSplitTheBlockAndSimultaneousEventsFormOneGroup) {
    addValue(events, 0, 0, 1);
    addValue(events, 16, 0, 2);
    addValue(events, 16, 1, 3);
    addValue(events, 40, 1, 4);
    second.process(64, events.first());
    EXPECT_EQ(second.trace,
              " pre0 on0 set@0(a=1*,b=0) post0 run@0+16"
              " pre0 pre1 on0 on1 set@16(a=2*,b=3*) post0 post1 run@16+24"
              " pre1 on1 set@40(a=2,b=4*) post1 run@40+24");
}

TEST_F(BlockLoopTest, FirstStyleRoutinesGetBufferOffsetsAndBlockPositionIsTheGroupTime) {
    addValue(events, 10, 0, 1);
    addValue(events, 10, 1, 2);
    addValue(events, 30, 0, 3);
    first.process(64, events.first());
    EXPECT_EQ(first.routinesAndGroups(), "run0+10@0 set@10(a=1*,b=2*) run10+20@10 set@30(a=3*,b=2) run30+34@30");
}

TEST_F(BlockLoopTest, UnknownPinsStillCauseOnSetPinsButOtherEventTypesDoNot) {
    addValue(events, 8, 7, 5);
    addValue(events, 16, 0, 6, EVENT_MIDI);
    addValue(events, 24, 0, 7, 250);
    second.process(64, events.first());
    EXPECT_EQ(second.trace, " run@0+8 set@8(a=0,b=0) run@8+8 pre0 on0 post0 run@16+8 run@24+40");
}

TEST_F(BlockLoopTest, GraphStartSendsEveryOutputsFirstValueDuringTheSecondPass) {
    addValue(events, 0, 0, 1);
    events.addGraphStart(0);
    second.process(64, events.first());
    EXPECT_EQ(second.trace, " pre0 on0 graph set@0(a=1*,b=0) post0 run@0+64");
    EXPECT_EQ(hostCalls(host.log()), "value2@0");
}

TEST_F(BlockLoopTest, MalformedEventTimesAreClampedIntoTheUnprocessedPartOfTheBlock) {
    // Negative, backwards and beyond the block: every routine stays inside it.
    std::vector<MpEvent> list{intEvent(-5, 0, 1), intEvent(30, 0, 2), intEvent(10, 1, 3), intEvent(100, 1, 4)};
    second.process(64, enginetest::link(list));
    EXPECT_EQ(second.routinesAndGroups(), "set@0(a=1*,b=0) run@0+30 set@30(a=2*,b=3*) run@30+34");

    std::vector<MpEvent> backwards{intEvent(20, 0, 5), intEvent(5, 1, 6)};
    first.process(32, enginetest::link(backwards));
    EXPECT_EQ(first.routinesAndGroups(), "run0+20@0 set@20(a=5*,b=6*) run20+12@20");
}

TEST_F(BlockLoopTest, NegativeBlockLengthRunsNoSamples) {
    second.process(8, nullptr);
    second.trace.clear();
    second.process(-8, nullptr);
    EXPECT_EQ(second.trace, " run@0+0");
}

TEST_F(BlockLoopTest, RoutineChosenInsideOnSetPinsRunsFromThatGroupOn) {
    class Switching : public MpBase2 {
    public:
        Switching() {
            registerPin(in);
            setSleep(false);
            setSubProcess(&Switching::silent);
        }
        void onSetPins() override { setSubProcess(&Switching::counting); }
        void silent(int32_t) {}
        void counting(int32_t count) { counted += count; }
        IntInPin in;
        int32_t counted = 0;
    } plugin;
    addValue(events, 24, 0, 1);
    plugin.process(64, events.first());
    EXPECT_EQ(plugin.counted, 40);
}

}  // namespace
