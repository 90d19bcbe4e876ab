// Traces for a scope panel's blob pins: the last capture of each voice in a
// capture CSV that `zuhost process` wrote, or a capture of a generated signal.
//
// Contract: a capture is captureSamples little-endian floats. CSV columns are
// matched to the panel's pins by name; a column without a pin, and fields
// that are not numbers, are skipped. Throws UsageError for a file that cannot
// be read or holds no capture, and for a trace argument not of its form.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/audio/Signals.h"
#include "host/description/PluginDescription.h"

namespace zuhost {

struct PanelBlob {
    int32_t pin;
    int32_t voice;
    std::vector<uint8_t> bytes;
};

// A generated trace as the command line gives it: [VOICE:]PIN=SIGNAL, VOICE
// from 0 to 255 and 0 when not given.
struct TraceArgument {
    int32_t voice = 0;
    std::string pin;
    Signal signal;
};

TraceArgument parseTraceArgument(std::string_view text);

std::vector<PanelBlob> readCaptureCsv(const std::filesystem::path& path, const PluginDescription& plugin);

// The first capture's worth of the signal at the sample rate, scaled by `gain`.
std::vector<uint8_t> captureOf(const Signal& signal, float sampleRate, float gain = 1.0f);

}  // namespace zuhost
