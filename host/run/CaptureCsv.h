// Scope captures as CSV. A capture is the group of 1600-byte blobs (400
// little-endian floats) that one voice sends on its blob outputs at one
// time; blobs of any other size (a cleared trace is 0 bytes) are not
// captures and appear only in the timeline.
//
// Columns: capture (number from 0), time, voice, sample (0 to 399), then one
// column per blob output of the plug-in in pin order, empty for a channel the
// capture lacks.
//
// Without a file it only counts the captures, for a run that wants no CSV.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "host/audio/CallLog.h"
#include "host/description/PluginDescription.h"
#include "host/run/OutputFile.h"

namespace zuhost {

inline constexpr size_t captureSamples = 400;
inline constexpr size_t captureBytes = captureSamples * sizeof(float);

class CaptureCsv {
public:
    // Throws OutputError when the file cannot be created, or finish() when it could not be written.
    CaptureCsv(const PluginDescription& plugin, const std::optional<std::filesystem::path>& path);

    // Groups never span two calls: a plug-in sends one capture in one process call.
    void write(const CallLog& log);
    int64_t captures() const { return captures_; }
    void finish() {
        if (file_) file_->finish();
    }

private:
    bool isCapture(const HostCall& call) const;
    int32_t channelOf(int32_t pin) const;
    void flush();
    void writeRows(OutputFile& file) const;

    std::vector<int32_t> channelPins_;               // blob outputs, in pin order
    std::vector<std::span<const uint8_t>> pending_;  // per channel; empty when absent
    const HostCall* pendingCall_ = nullptr;          // the group's first blob
    std::optional<OutputFile> file_;
    int64_t captures_ = 0;
};

}  // namespace zuhost
