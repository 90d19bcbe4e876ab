// Counts the allocations made through the global operator new of this test
// binary (AllocationCounter), to show that processing allocates nothing once
// warmed up.
#include <gtest/gtest.h>

#include "framework/AudioPins.h"
#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "framework/SmartAudioPin.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "modules/scope/Scope3.h"
#include "tests/framework/EngineTestSupport.h"
#include "tests/support/AllocationCounter.h"

namespace {

using namespace gmpi;

// A smoothed control signal that sleeps when it holds still.
class Smoother : public MpBase2 {
public:
    Smoother() {
        registerPin(control);
        registerPin(signal);
    }
    void onSetPins() override {
        signal.setValue(control.getValue());
        setSubProcess(&Smoother::run);
    }
    void run(int32_t count) {
        bool canSleep = true;
        signal.generate(getBlockPosition(), count, canSleep);
    }
    FloatInPin control;
    SmartAudioPin signal;
};

// Sends a capture of fixed size every block while its input streams.
class Capturer : public MpBase {
public:
    Capturer() {
        registerPin(capture);
        registerPin(input);
        setSubProcess(&Capturer::run);
    }
    void run(int32_t offset, int32_t) {
        capture.setValueRaw(sizeof(samples), samples);
        capture.sendPinUpdate(offset);
    }
    BlobOutPin capture;
    AudioInPin input;
    float samples[400] = {};
};

// Runs blocks with changing events after a first one; returns the allocations they made.
long allocationsWhileProcessing(MpPluginBase& plugin, zuhost::AudioHost& host,
                                void (*addEvents)(zuhost::EventList&, int block)) {
    float buffer[64] = {};
    plugin.setBuffer(1, buffer);
    zuhost::EventList events;
    events.reserve(8);
    events.addGraphStart(0);
    addEvents(events, 0);
    plugin.process(64, events.first());

    const long before = zutest::allocationCount();
    for (int block = 1; block < 200; ++block) {
        events.clear();
        addEvents(events, block);
        plugin.process(64, events.first());
        host.log().clear();
    }
    return zutest::allocationCount() - before;
}

TEST(NoAllocationTest, RampsStreamingAndSleepAllocateNothing) {
    zuhost::AudioHost host;
    Smoother plugin;
    plugin.setHost(&host);
    plugin.signal.setCurveMode(2);
    EXPECT_EQ(allocationsWhileProcessing(plugin, host,
                                         [](zuhost::EventList& events, int block) {
                                             if (block % 3 == 0)
                                                 enginetest::addValue(events, block % 64, 0,
                                                                      static_cast<float>(block % 7));
                                             if (block % 5 == 0) enginetest::addValue(events, 10, 0, 2.0f);
                                         }),
              0);
}

TEST(NoAllocationTest, BlobSendsOfOneSizeReuseTheirBlock) {
    zuhost::AudioHost host;
    Capturer plugin;
    plugin.setHost(&host);
    EXPECT_EQ(allocationsWhileProcessing(plugin, host,
                                         [](zuhost::EventList& events, int block) {
                                             if (block % 2 == 0) events.addStreaming(8, 1, block % 4 == 0);
                                         }),
              0);
}

// A live host's audio thread meets the scope's very first captures.
TEST(NoAllocationTest, AScopeAllocatesNothingForItsFirstCaptures) {
    zuhost::AudioHost host;
    zu::Scope3 scope;
    scope.setHost(&host);
    float signalA[64], signalB[64];
    for (int i = 0; i < 64; ++i) signalA[i] = signalB[i] = i < 32 ? -0.5f : 0.5f;
    scope.setBuffer(2, signalA);
    scope.setBuffer(3, signalB);
    scope.open();
    zuhost::EventList events;
    events.reserve(8);
    events.addGraphStart(0);
    events.addStreaming(0, 2, true);
    events.addStreaming(0, 3, true);
    enginetest::addValue(events, 0, 4, 1.0f);  // VoiceActive, as a host holds it
    scope.process(64, events.first());
    const long before = zutest::allocationCount();
    for (int block = 1; block < 100; ++block) scope.process(64, nullptr);
    EXPECT_EQ(zutest::allocationCount() - before, 0);
    size_t captures = 0;
    for (const zuhost::HostCall& call : host.log().calls())
        captures += call.kind == zuhost::HostCall::Kind::PinValue && call.size == 1600;
    EXPECT_EQ(captures, 2u);  // the first capture, on both pins
}

TEST(NoAllocationTest, BlobClearedAndFilledAgainKeepsItsBlock) {
    const uint8_t capture[16] = {1, 2, 3};
    MpBlob blob(16, capture);
    const long before = zutest::allocationCount();
    for (int i = 0; i < 4; ++i) {
        blob.setValueRaw(0, nullptr);
        EXPECT_EQ(blob.getSize(), 0);
        blob.setValueRaw(16, capture);
        EXPECT_EQ(blob, MpBlob(16, capture));
    }
    blob.setValueRaw(8, capture);
    EXPECT_EQ(blob, MpBlob(8, capture));
    EXPECT_EQ(zutest::allocationCount() - before, 5);  // only the blobs compared with
}

}  // namespace
