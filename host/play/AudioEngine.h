// What runs on the audio device's thread: at the start of each block the
// values the panels sent reach their processors, the graph plays the block,
// and what the processors sent on their parameters' pins sets out for the
// panels. The device asks for frames in whatever count it likes; the engine
// plays whole blocks and hands them out.
//
// Contract: fill() is the only call made on the audio thread; it neither
// allocates, locks nor waits (counted in realTimeCalls(): a
// ThreadCountingScope is around every call), and a full queue drops and
// counts. Everything else is called on the GUI thread. Figures read from the
// GUI thread are atomics or come through queues.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "host/play/AudioGraph.h"
#include "host/play/DroppingQueue.h"
#include "host/play/PatchPlan.h"
#include "host/play/ValueChannel.h"
#include "host/run/CallCounting.h"

namespace zuhost::play {

// One call of the device's callback.
struct CallbackTiming {
    int64_t startNs = 0;
    int64_t durationNs = 0;
    int32_t frames = 0;
};

struct EngineSettings {
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
    bool keepHeard = false;  // pass what is played to heard(), for a recording
};

class AudioEngine {
public:
    AudioEngine(AudioGraph& graph, const PatchPlan& plan, EngineSettings settings);

    void fill(float* interleaved, int32_t frames);

    ValueChannel& toProcessors() { return toProcessors_; }
    const ValueChannel& toProcessors() const { return toProcessors_; }
    ValueChannel& toPanels() { return toPanels_; }
    const ValueChannel& toPanels() const { return toPanels_; }
    DroppingQueue<CallbackTiming>& timings() { return timings_; }
    const DroppingQueue<CallbackTiming>& timings() const { return timings_; }
    // Nanoseconds from a value setting out to the start of the block that carries it.
    DroppingQueue<int64_t>& latencies() { return latencies_; }
    const DroppingQueue<int64_t>& latencies() const { return latencies_; }
    // What was played, two channels interleaved; empty unless keepHeard.
    DroppingQueue<float>& heard() { return heard_; }
    const DroppingQueue<float>& heard() const { return heard_; }

    int64_t samplesPlayed() const { return samplesPlayed_.load(std::memory_order_acquire); }
    // Callbacks that came more than two of their periods after the one before
    // (the device ran dry), and callbacks that took longer than their period.
    uint64_t lateCallbacks() const { return late_.load(std::memory_order_relaxed); }
    uint64_t overruns() const { return overruns_.load(std::memory_order_relaxed); }
    CallCounts realTimeCalls() const;
    uint64_t droppedInProcessors() const { return processorDrops_.load(std::memory_order_relaxed); }

private:
    void renderBlock();
    void deliverToProcessors();
    void sendToPanels();
    void noteProcessorDrops();
    void noteTiming(int64_t startNs, int32_t frames);

    AudioGraph& graph_;
    EngineSettings settings_;
    std::vector<std::vector<int32_t>> panelPins_;  // per node: processor pins whose values go to the panel
    ValueChannel toProcessors_;
    ValueChannel toPanels_;
    DroppingQueue<CallbackTiming> timings_;
    DroppingQueue<int64_t> latencies_;
    DroppingQueue<float> heard_;
    std::vector<float> block_;  // the block being handed out, interleaved
    int32_t blockUsed_ = 0;     // frames of it already handed out
    int64_t previousStartNs_ = 0;
    int32_t previousFrames_ = 0;
    CallCounts audioThreadCalls_;
    std::atomic<int64_t> allocations_{0}, deallocations_{0}, locks_{0};
    std::atomic<int64_t> samplesPlayed_{0};
    std::atomic<uint64_t> late_{0}, overruns_{0}, processorDrops_{0};
};

// The steady clock in nanoseconds, as the engine stamps and times with it.
int64_t steadyNowNs();

}  // namespace zuhost::play
