#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "tests/framework/EngineTestSupport.h"

namespace {

using namespace gmpi;
using enginetest::addValue;
using enginetest::hostCalls;

// Notes "pre<id>", "on<id>" and "post<id>" as the passes reach it.
class TracedPin : public IntInPin {
public:
    explicit TracedPin(std::string& trace) : trace_(trace) {}
    void preEvent(const MpEvent& event) override {
        note("pre");
        IntInPin::preEvent(event);
    }
    void onEvent(const MpEvent& event) override {
        note("on");
        IntInPin::onEvent(event);
    }
    void postEvent(const MpEvent& event) override {
        note("post");
        IntInPin::postEvent(event);
    }

private:
    void note(const char* pass) { trace_.append(" ").append(pass).append(std::to_string(getId())); }
    std::string& trace_;
};

// Traces passes, onSetPins (with the values, * when updated) and routine runs.
template <class Base>
class Traced : public Base {
public:
    Traced() {
        this->registerPin(a);
        this->registerPin(b);
        this->registerPin(out);
        this->setSleep(false);
    }
    void onSetPins() override {
        trace.append(" set@").append(std::to_string(this->getBlockPosition()));
        trace.append("(").append(show(a)).append(",").append(show(b)).append(")");
    }
    void onGraphStart() override {
        trace.append(" graph");
        Base::onGraphStart();
    }
    std::string trace;
    TracedPin a{trace};
    TracedPin b{trace};
    IntOutPin out;

private:
    static std::string show(const TracedPin& pin) {
        return std::to_string(pin.getValue()).append(pin.isUpdated() ? "*" : "");
    }
};

class SecondStyle : public Traced<MpBase2> {
public:
    SecondStyle() { setSubProcess(&SecondStyle::run); }
    void run(int32_t count) {
        trace.append(" run@").append(std::to_string(getBlockPosition())).append("+").append(std::to_string(count));
    }
};

class FirstStyle : public Traced<MpBase> {
public:
    FirstStyle() { setSubProcess(&FirstStyle::run); }
    void run(int32_t offset, int32_t count) {
        trace.append(" run").append(std::to_string(offset)).append("+").append(std::to_string(count));
        trace.append("@").append(std::to_string(getBlockPosition()));
    }
};

MpEvent intEvent(int32_t time, int32_t pin, int32_t value) {
    return {time, EVENT_PIN_SET, pin, 4, value, 0, nullptr, nullptr};
}

// Links the events in the order given, whatever their times.
const MpEvent* link(std::vector<MpEvent>& events) {
    for (size_t i = 0; i + 1 < events.size(); ++i) events[i].next = &events[i + 1];
    return events.data();
}

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

TEST_F(BlockLoopTest, BlockWithoutEventsRunsTheRoutineOnceAndANegativeLengthRunsNoSamples) {
    second.process(64, nullptr);
    second.process(-8, nullptr);
    EXPECT_EQ(second.trace, " run@0+64 run@0+0");
}

TEST_F(BlockLoopTest, EventsSplitTheBlockAndEachGroupPassesThreeTimesAroundOneOnSetPins) {
    addValue(events, 0, 0, 1);
    addValue(events, 16, 0, 2);
    addValue(events, 16, 1, 3);
    addValue(events, 40, 1, 4);
    second.process(64, events.first());
    EXPECT_EQ(second.trace,
              " pre0 on0 set@0(1*,0) post0 run@0+16"
              " pre0 pre1 on0 on1 set@16(2*,3*) post0 post1 run@16+24"
              " pre1 on1 set@40(2,4*) post1 run@40+24");
}

TEST_F(BlockLoopTest, FirstStyleRoutinesGetBufferOffsetsWhileBlockPositionIsTheGroupTime) {
    addValue(events, 10, 0, 1);
    addValue(events, 30, 1, 2);
    first.process(64, events.first());
    EXPECT_EQ(first.trace,
              " run0+10@0 pre0 on0 set@10(1*,0) post0 run10+20@10 pre1 on1 set@30(1,2*) post1 run30+34@30");
}

TEST_F(BlockLoopTest, UnknownPinsStillCauseOnSetPinsButOtherEventTypesDoNot) {
    addValue(events, 8, 7, 5);
    addValue(events, 16, 0, 6, EVENT_MIDI);
    addValue(events, 24, 0, 7, 250);
    second.process(64, events.first());
    EXPECT_EQ(second.trace, " run@0+8 set@8(0,0) run@8+8 pre0 on0 post0 run@16+8 run@24+40");
}

// A pin that starts or stops streaming changes what the plug-in must do, so
// each such event alone calls onSetPins, like a value event.
TEST_F(BlockLoopTest, StreamingStartAndStopEventsAloneCallOnSetPins) {
    addValue(events, 8, 0, 0, EVENT_PIN_STREAMING_START);
    addValue(events, 24, 1, 0, EVENT_PIN_STREAMING_STOP);
    second.process(64, events.first());
    EXPECT_EQ(second.trace, " run@0+8 pre0 on0 set@8(0,0) post0 run@8+16 pre1 on1 set@24(0,0) post1 run@24+40");
}

TEST_F(BlockLoopTest, GraphStartSendsEveryOutputsValueDuringTheSecondPass) {
    addValue(events, 0, 0, 1);
    events.addGraphStart(0);
    second.process(64, events.first());
    EXPECT_EQ(second.trace, " pre0 on0 graph set@0(1*,0) post0 run@0+64");
    EXPECT_EQ(hostCalls(host.log()), "value2@0");
}

TEST_F(BlockLoopTest, GraphStartAloneReachesNoPinAndCausesNoOnSetPins) {
    events.addGraphStart(0);
    addValue(events, 8, 1, 2);
    events.addGraphStart(8);
    second.process(64, events.first());
    EXPECT_EQ(second.trace, " graph run@0+8 pre1 on1 graph set@8(0,2*) post1 run@8+56");
    EXPECT_EQ(hostCalls(host.log()), "value2@0 value2@8");
}

TEST_F(BlockLoopTest, MalformedEventTimesAreClampedIntoTheUnprocessedPartOfTheBlock) {
    // Negative, backwards and beyond the block: every routine stays inside it.
    std::vector<MpEvent> list{intEvent(-5, 0, 1), intEvent(30, 0, 2), intEvent(10, 1, 3), intEvent(100, 1, 4)};
    second.process(64, link(list));
    EXPECT_EQ(second.trace,
              " pre0 on0 set@0(1*,0) post0 run@0+30 pre0 pre1 on0 on1 set@30(2*,3*) post0 post1 run@30+34");

    std::vector<MpEvent> backwards{intEvent(20, 0, 5), intEvent(5, 1, 6)};
    first.process(32, link(backwards));
    EXPECT_EQ(first.trace, " run0+20@0 pre0 pre1 on0 on1 set@20(5*,6*) post0 post1 run20+12@20");
}

}  // namespace
