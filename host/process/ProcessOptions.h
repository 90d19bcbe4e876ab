// The command line of `zuhost process`, read into plain values. Pin names,
// values, signals and times stay text here: they are resolved against the
// plug-in's description once it is loaded.
//
// Contract: parseProcessOptions either returns complete options or throws
// UsageError saying which argument is wrong; numbers must be whole, finite
// and in range.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zuhost {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view PROCESS_USAGE =
    "usage: zuhost process PLUGIN [LIBRARY] [options]\n"
    "  --rate HZ               sample rate (48000)\n"
    "  --block N               block size in samples (64)\n"
    "  --length TIME           how long to run (1s)\n"
    "  --voices N              voice clones; more than one runs them as polyphonic (1)\n"
    "  --countdown N           sleep countdown in samples (the block size)\n"
    "  --input PIN=SIGNAL[@TIME]       audio input from TIME on: sine:HZ[:AMP], noise[:SEED[:AMP]],\n"
    "                                  constant:VALUE, silence, wav:PATH[:CHANNEL] (silence)\n"
    "  --set PIN=VALUE@TIME            a value for every voice\n"
    "  --voice-set V:PIN=VALUE@TIME    a value for voice V only\n"
    "  --streaming PIN=on|off@TIME     a scripted streaming start or stop\n"
    "  --out DIR               where the WAV and CSV files go (out/process)\n"
    "PIN is a pin name or index; TIME is samples, or seconds with s or ms (24000, 0.5s, 20ms).\n"
    "A pin the host connects to Voice/Active is 1 for every voice from sample 0 unless set otherwise.\n";

// One --input, --set, --voice-set or --streaming: PIN=TEXT@TIME.
struct PinAssignment {
    std::string pin;
    std::string text;           // signal, value or on/off
    std::string time;           // as written; empty for "from the start"
    int32_t voice = -1;         // --voice-set only
};

struct ProcessOptions {
    std::string plugin;
    std::optional<std::filesystem::path> library;
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
    std::string length = "1s";
    int32_t voices = 1;
    std::optional<int32_t> sleepCountdown;
    std::vector<PinAssignment> inputs;
    std::vector<PinAssignment> values;
    std::vector<PinAssignment> streaming;
    std::filesystem::path outputDirectory = "out/process";
};

ProcessOptions parseProcessOptions(std::span<const std::string_view> args);

// A time as written on the command line, in samples at `sampleRate`.
int64_t parseSampleTime(std::string_view text, float sampleRate);

// Whole-text number parsing; nothing when the text is not entirely a finite number.
std::optional<int64_t> parseInteger(std::string_view text);
std::optional<double> parseReal(std::string_view text);

}  // namespace zuhost
