// Traces for a scope panel's blob pins: the last capture of each voice in a
// capture CSV that `zuhost process` wrote, or a capture of a generated signal.
//
// Contract: a capture is CAPTURE_SAMPLES little-endian floats. CSV columns are
// matched to the panel's pins by name; a column without a pin, and fields
// that are not numbers, are skipped. Throws UsageError for a file that cannot
// be read or holds no capture.
#pragma once

#include <cstdint>
#include <filesystem>
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

std::vector<PanelBlob> readCaptureCsv(const std::filesystem::path& path, const PluginDescription& plugin);

// The first capture's worth of the signal at the sample rate, scaled by `gain`.
std::vector<uint8_t> captureOf(const Signal& signal, float sampleRate, float gain = 1.0f);

}  // namespace zuhost
