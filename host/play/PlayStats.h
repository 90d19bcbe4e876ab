// The figures of a run, gathered on the GUI thread: the audio load (each
// callback's time against the time its frames last), the GUI's frame time,
// the latency from a gesture to the block that carries its value, queue
// drops, xruns, allocations and locks on the audio thread, and the
// process's memory. Each figure is kept for the whole run and for the last
// two seconds, which the status line shows.
//
// Contract: GUI thread only; memory does not grow with the run's length.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

#include "host/play/AudioEngine.h"
#include "host/play/Histogram.h"

namespace zuhost::play {

struct DeviceFacts {
    std::string audioDriver;
    std::string videoDriver;
    int32_t bufferFrames = 0;
};

class PlayStats {
public:
    PlayStats(float sampleRate, int32_t blockSize);

    // The device's buffer, whose period the status line measures the audio load against.
    void deviceOpened(int32_t bufferFrames) { bufferFrames_ = bufferFrames; }
    // Takes what the audio thread has timed since the last call.
    void collect(AudioEngine& engine, int64_t nowNs);
    void frameDrawn(double milliseconds);
    void sampleMemory();

    std::string statusLine(const AudioEngine& engine, const std::string& meters) const;
    nlohmann::json toJson(const AudioEngine& engine, const DeviceFacts& device, double seconds) const;

    int64_t latencyCount() const { return latencyNs_.count(); }
    double latencyBlocks(double p) const;

private:
    struct Figure {
        Histogram run;
        Histogram recent;
        void add(double value) {
            run.add(value);
            recent.add(value);
        }
    };

    float sampleRate_;
    int32_t blockSize_;
    int32_t bufferFrames_;
    Figure load_;  // fraction of the callback's period
    Figure frameMs_;
    Histogram latencyNs_;
    int64_t recentSinceNs_ = 0;
    int64_t memoryFirstKb_ = 0, memoryLastKb_ = 0, memoryPeakKb_ = 0;
};

// The process's resident memory in kilobytes, or 0 where it cannot be read.
int64_t residentKilobytes();

}  // namespace zuhost::play
