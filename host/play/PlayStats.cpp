#include "host/play/PlayStats.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace zuhost::play {

namespace {

constexpr int64_t recentWindowNs = 2'000'000'000;

nlohmann::json percentiles(const Histogram& histogram, double scale = 1.0) {
    return {{"p50", histogram.percentile(0.5) * scale},
            {"p99", histogram.percentile(0.99) * scale},
            {"max", histogram.largestSeen() * scale},
            {"count", histogram.count()}};
}

}  // namespace

int64_t residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::stoll(line.substr(6));
    return 0;
}

PlayStats::PlayStats(float sampleRate, int32_t blockSize)
    : sampleRate_(sampleRate),
      blockSize_(blockSize),
      bufferFrames_(blockSize),
      load_{Histogram(1e-5, 100.0), Histogram(1e-5, 100.0)},
      frameMs_{Histogram(1e-3, 1e5), Histogram(1e-3, 1e5)},
      latencyNs_(1e3, 1e11) {}

void PlayStats::collect(AudioEngine& engine, int64_t nowNs) {
    if (nowNs - recentSinceNs_ > recentWindowNs) {
        load_.recent.clear();
        frameMs_.recent.clear();
        recentSinceNs_ = nowNs;
    }
    for (CallbackTiming timing; engine.timings().pop(timing);) {
        const double periodNs = timing.frames * 1e9 / sampleRate_;
        if (periodNs > 0) load_.add(static_cast<double>(timing.durationNs) / periodNs);
    }
    for (int64_t latency; engine.latencies().pop(latency);)
        latencyNs_.add(static_cast<double>(std::max<int64_t>(latency, 1)));
}

void PlayStats::frameDrawn(double milliseconds) { frameMs_.add(milliseconds); }

void PlayStats::sampleMemory() {
    const int64_t kilobytes = residentKilobytes();
    if (memoryFirstKb_ == 0) memoryFirstKb_ = kilobytes;
    memoryLastKb_ = kilobytes;
    memoryPeakKb_ = std::max(memoryPeakKb_, kilobytes);
}

double PlayStats::latencyBlocks(double p) const { return latencyNs_.percentile(p) * sampleRate_ / 1e9 / blockSize_; }

std::string PlayStats::statusLine(const AudioEngine& engine, const std::string& meters) const {
    char line[256];
    const double bufferMs = bufferFrames_ * 1000.0 / sampleRate_;
    std::snprintf(line, sizeof line, "audio %.0f/%.0f%% of %.2f ms  frame %.1f/%.1f ms  drops %llu  xruns %llu  %s",
                  load_.recent.percentile(0.5) * 100, load_.recent.percentile(0.99) * 100, bufferMs,
                  frameMs_.recent.percentile(0.5), frameMs_.recent.percentile(0.99),
                  static_cast<unsigned long long>(engine.toProcessors().dropped() + engine.toPanels().dropped() +
                                                  engine.droppedInProcessors()),
                  static_cast<unsigned long long>(engine.lateCallbacks() + engine.overruns()), meters.c_str());
    return line;
}

nlohmann::json PlayStats::toJson(const AudioEngine& engine, const DeviceFacts& device, double seconds) const {
    const CallCounts calls = engine.realTimeCalls();
    const double blockNs = blockSize_ * 1e9 / sampleRate_;
    nlohmann::json latency = percentiles(latencyNs_, 1e-6);
    latency["p50Blocks"] = latencyBlocks(0.5);
    latency["p99Blocks"] = latencyBlocks(0.99);
    latency["maxBlocks"] = latencyNs_.largestSeen() / blockNs;
    return {{"seconds", seconds},
            {"sampleRate", sampleRate_},
            {"blockSize", blockSize_},
            {"blockMs", blockNs / 1e6},
            {"audioDriver", device.audioDriver},
            {"videoDriver", device.videoDriver},
            {"deviceBufferFrames", device.bufferFrames},
            {"audioLoad", percentiles(load_.run)},
            {"frameMs", percentiles(frameMs_.run)},
            {"latencyMs", latency},
            {"dropped",
             {{"toProcessors", engine.toProcessors().dropped()},
              {"toPanels", engine.toPanels().dropped()},
              {"inProcessors", engine.droppedInProcessors()},
              {"heard", engine.heard().dropped()},
              {"timings", engine.timings().dropped() + engine.latencies().dropped()}}},
            {"xruns", {{"late", engine.lateCallbacks()}, {"overruns", engine.overruns()}}},
            {"audioThread",
             {{"allocations", calls.allocations}, {"deallocations", calls.deallocations}, {"locks", calls.locks}}},
            {"memoryKb", {{"first", memoryFirstKb_}, {"last", memoryLastKb_}, {"peak", memoryPeakKb_}}}};
}

}  // namespace zuhost::play
