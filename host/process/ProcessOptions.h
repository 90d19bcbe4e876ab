// What `zuhost process` runs, resolved against the plug-in's description:
// the plug-in, pins by index, values as the bytes a host sends, times in
// samples at the run's rate. The run code reads nothing but these.
//
// Contract: `description` is the one arguments.library carries. An argument
// that does not fit the plug-in (no such plug-in or pin,
// a value that is not of its pin's datatype, a value for an output or an
// audio pin, a voice beyond --voices) throws CLI::ValidationError naming the
// option and the reason. Values keep the order of ProcessArguments.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/process/ProcessArguments.h"
#include "host/run/AudioArguments.h"

namespace zuhost {

struct ScheduledValue {
    int32_t pin = 0;
    std::vector<uint8_t> bytes;
    int64_t time = 0;
    int32_t voice = ALL_VOICES;
};

struct ScheduledStreaming {
    int32_t pin = 0;
    bool streaming = false;
    int64_t time = 0;
};

struct ProcessOptions {
    std::filesystem::path library;
    PluginDescription plugin;
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
    int32_t voices = 1;
    int32_t sleepCountdown = 64;
    int64_t length = 0;             // samples
    std::vector<ScheduledInput> inputs;
    std::vector<ScheduledValue> values;
    std::vector<ScheduledStreaming> streaming;
    std::filesystem::path outputDirectory;
    bool writeCaptures = true;
};

ProcessOptions resolveProcessOptions(const ProcessArguments& arguments, const LibraryDescription& description);

}  // namespace zuhost
