#include "host/play/AudioEngine.h"

#include <algorithm>
#include <chrono>

#include "framework/MpInterfaces.h"

namespace zuhost::play {

namespace {

constexpr size_t valueMessages = 4096;
constexpr size_t panelValueSlots = 64;  // panels send short values; strings may need a slot
constexpr size_t panelSlotBytes = 4096;
constexpr size_t captureSlots = 1024;  // room for a few frames of captures from every voice
constexpr size_t captureSlotBytes = 4096;
constexpr size_t timingEntries = 16384;
constexpr double heardSeconds = 4.0;

}  // namespace

int64_t steadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

AudioEngine::AudioEngine(AudioGraph& graph, const PatchPlan& plan, EngineSettings settings)
    : graph_(graph),
      settings_(settings),
      panelPins_(plan.patch.nodes.size()),
      toProcessors_(valueMessages, panelValueSlots, panelSlotBytes),
      toPanels_(valueMessages, captureSlots, captureSlotBytes),
      timings_(timingEntries),
      latencies_(timingEntries),
      heard_(settings.keepHeard ? static_cast<size_t>(settings.sampleRate * heardSeconds) * 2 : 1),
      block_(static_cast<size_t>(graph.blockSize()) * 2),
      blockUsed_(graph.blockSize()) {
    for (size_t node = 0; node < plan.plugins.size(); ++node) {
        if (plan.plugins[node] == nullptr) continue;
        for (const PinDescription& pin : plan.plugins[node]->audioPins)
            if (pin.direction == gmpi::MP_OUT && pin.parameterId) panelPins_[node].push_back(pin.index);
    }
}

void AudioEngine::fill(float* interleaved, int32_t frames) {
    const int64_t startNs = steadyNowNs();
    {
        const ThreadCountingScope counting(audioThreadCalls_);
        const int32_t blockSize = graph_.blockSize();
        for (int32_t done = 0; done < frames;) {
            if (blockUsed_ == blockSize) renderBlock();
            const int32_t count = std::min(frames - done, blockSize - blockUsed_);
            std::copy_n(block_.begin() + blockUsed_ * 2, count * 2, interleaved + done * 2);
            blockUsed_ += count;
            done += count;
        }
    }
    allocations_.store(audioThreadCalls_.allocations, std::memory_order_relaxed);
    deallocations_.store(audioThreadCalls_.deallocations, std::memory_order_relaxed);
    locks_.store(audioThreadCalls_.locks, std::memory_order_relaxed);
    noteTiming(startNs, frames);
}

void AudioEngine::noteTiming(int64_t startNs, int32_t frames) {
    const int64_t endNs = steadyNowNs();
    const auto periodNs = [this](int32_t count) { return static_cast<int64_t>(count * 1e9 / settings_.sampleRate); };
    if (previousFrames_ > 0 && startNs - previousStartNs_ > 2 * periodNs(previousFrames_))
        late_.fetch_add(1, std::memory_order_relaxed);
    if (endNs - startNs > periodNs(frames)) overruns_.fetch_add(1, std::memory_order_relaxed);
    previousStartNs_ = startNs;
    previousFrames_ = frames;
    timings_.push({startNs, endNs - startNs, frames});
}

void AudioEngine::renderBlock() {
    const int32_t frames = graph_.blockSize();
    deliverToProcessors();
    graph_.renderBlock(frames);
    sendToPanels();
    for (int32_t i = 0; i < frames; ++i) {
        block_[static_cast<size_t>(i) * 2] = graph_.left()[i];
        block_[static_cast<size_t>(i) * 2 + 1] = graph_.right()[i];
    }
    if (settings_.keepHeard) heard_.push(block_.data(), block_.size());
    noteProcessorDrops();
    blockUsed_ = 0;
    samplesPlayed_.fetch_add(frames, std::memory_order_release);
}

void AudioEngine::deliverToProcessors() {
    const int64_t nowNs = steadyNowNs();
    toProcessors_.receive([&](const Crossing& crossing, std::span<const uint8_t> bytes) {
        if (ProcessorNode* processor = graph_.processor(crossing.node)) processor->receive(crossing.pin, bytes);
        if (crossing.stampNs != 0) latencies_.push(nowNs - crossing.stampNs);
    });
}

void AudioEngine::sendToPanels() {
    for (size_t node = 0; node < panelPins_.size(); ++node) {
        if (panelPins_[node].empty()) continue;
        const CallLog& sent = graph_.processor(static_cast<int32_t>(node))->sent();
        for (const HostCall& call : sent.calls()) {
            if (call.kind != HostCall::Kind::PinValue) continue;
            if (std::find(panelPins_[node].begin(), panelPins_[node].end(), call.pin) == panelPins_[node].end())
                continue;
            toPanels_.send({static_cast<int32_t>(node), call.pin, call.voice, 0}, sent.bytes(call));
        }
    }
}

void AudioEngine::noteProcessorDrops() {
    uint64_t drops = 0;
    for (size_t node = 0; node < panelPins_.size(); ++node)
        if (const ProcessorNode* processor = graph_.processor(static_cast<int32_t>(node)))
            drops += static_cast<uint64_t>(processor->dropped());
    processorDrops_.store(drops, std::memory_order_relaxed);
}

CallCounts AudioEngine::realTimeCalls() const {
    return {allocations_.load(std::memory_order_relaxed), deallocations_.load(std::memory_order_relaxed),
            locks_.load(std::memory_order_relaxed)};
}

}  // namespace zuhost::play
