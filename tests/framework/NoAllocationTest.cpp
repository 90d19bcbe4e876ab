// Counts every allocation made through the global operator new of this test
// binary, so that a test can show that the audio thread allocates nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "framework/AudioPins.h"
#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "framework/SmartAudioPin.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "tests/framework/EngineTestSupport.h"

namespace {
std::atomic<long> allocationCount{0};
}

namespace {
void* countedAllocation(std::size_t size) {
    ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
}  // namespace

// The array forms are replaced too: a sanitizer runtime supplies its own,
// which would not come through the single-object form.
void* operator new(std::size_t size) { return countedAllocation(size); }
void* operator new[](std::size_t size) { return countedAllocation(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using namespace gmpi;

// A smoothed control signal that sleeps when it holds still.
class Smoother : public MpBase2 {
public:
    Smoother() {
        registerPin(control);
        registerPin(signal);
    }
    int32_t open() override {
        signal.setCurveMode(2);
        return MpBase2::open();
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

// Sends a fixed-size capture of its input every block.
class Capturer : public MpBase {
public:
    Capturer() {
        registerPin(capture);
        registerPin(input);
        setSubProcess(&Capturer::run);
        setSleep(false);
    }
    void run(int32_t offset, int32_t) {
        capture.setValueRaw(sizeof(samples), samples);
        capture.sendPinUpdate(offset);
    }
    BlobOutPin capture;
    AudioInPin input;
    float samples[400] = {};
};

long allocationsDuring(auto&& work) {
    const long before = allocationCount.load();
    work();
    return allocationCount.load() - before;
}

TEST(NoAllocationTest, SmoothedOutputProcessorAllocatesNothingOnceWarmedUp) {
    zuhost::AudioHost host;
    Smoother plugin;
    plugin.setHost(&host);
    float buffer[64];
    plugin.setBuffer(1, buffer);
    plugin.open();
    zuhost::EventList events;
    events.reserve(8);
    events.addGraphStart(0);
    plugin.process(64, events.first());

    const long allocations = allocationsDuring([&] {
        for (int block = 0; block < 200; ++block) {
            events.clear();
            if (block % 3 == 0) enginetest::addValue(events, block % 64, 0, static_cast<float>(block % 7));
            if (block % 5 == 0) enginetest::addValue(events, 10, 0, 2.0f);
            plugin.process(64, events.first());
            host.log().clear();
        }
    });
    EXPECT_EQ(allocations, 0);
}

TEST(NoAllocationTest, BlobSendsOfOneSizeReuseTheirBlock) {
    zuhost::AudioHost host;
    Capturer plugin;
    plugin.setHost(&host);
    float buffer[64] = {};
    plugin.setBuffer(1, buffer);
    zuhost::EventList events;
    events.reserve(4);
    events.addStreaming(0, 1, true);
    plugin.process(64, events.first());

    const long allocations = allocationsDuring([&] {
        for (int block = 0; block < 50; ++block) {
            events.clear();
            if (block % 2 == 0) events.addStreaming(8, 1, block % 4 == 0);
            plugin.process(64, events.first());
            host.log().clear();
        }
    });
    EXPECT_EQ(allocations, 0);
}

}  // namespace
