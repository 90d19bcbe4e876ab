// What `zuhost process` runs, resolved against the plug-in's description:
// the plug-in, pins by index, values as the bytes a host sends, times in
// samples at the run's rate. The run code reads nothing but these.
//
// Contract: `description` is the one arguments.library carries. An argument
// that does not fit the plug-in (no such plug-in or pin,
// a value that is not of its pin's datatype, a value for an output or an
// audio pin, a voice beyond --voices) throws CLI::ValidationError naming the
// option and the reason. Values start with each parameter's start value at
// time 0 on the processor's inputs for it, as a host gives it when it opens
// a patch, unless a --set at time 0 gives that pin one; then come those of
// ProcessArguments in their order. What is scheduled at or after the end of
// the run is kept, and named in a warning.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/process/ProcessArguments.h"
#include "host/run/AudioArguments.h"

namespace zuhost {

struct ScheduledValue {
    int32_t pin = 0;
    std::vector<uint8_t> bytes;
    int64_t time = 0;
    int32_t voice = allVoices;
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
    int64_t length = 0;  // samples
    std::vector<ScheduledInput> inputs;
    std::vector<ScheduledValue> values;
    std::vector<ScheduledStreaming> streaming;
    std::filesystem::path outputDirectory;
    bool writeCaptures = true;
    std::vector<std::string> warnings;
};

ProcessOptions resolveProcessOptions(const ProcessArguments& arguments, const LibraryDescription& description);

}  // namespace zuhost
