#include "host/process/ProcessOptions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zuhost {

std::optional<int64_t> parseInteger(std::string_view text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> parseReal(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

namespace {

int32_t positiveInteger(std::string_view option, std::string_view text, int32_t maximum) {
    const auto value = parseInteger(text);
    if (!value || *value < 1 || *value > maximum)
        throw UsageError(std::string(option) + " needs a whole number from 1 to " + std::to_string(maximum) + ", not '" +
                         std::string(text) + "'");
    return static_cast<int32_t>(*value);
}

float sampleRate(std::string_view text) {
    const auto value = parseReal(text);
    if (!value || *value < 1.0 || *value > 1.0e6) throw UsageError("--rate needs a rate from 1 to 1000000 Hz, not '" + std::string(text) + "'");
    return static_cast<float>(*value);
}

// PIN=TEXT[@TIME]; the time follows the last '@', so PIN and TEXT may not hold one.
PinAssignment assignment(std::string_view option, std::string_view text, bool timeRequired) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw UsageError(std::string(option) + " needs PIN=VALUE, not '" + std::string(text) + "'");
    PinAssignment result{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1)), {}};
    if (const size_t at = result.text.rfind('@'); at != std::string::npos) {
        result.time = result.text.substr(at + 1);
        result.text.resize(at);
    } else if (timeRequired) {
        throw UsageError(std::string(option) + " needs a time: " + std::string(text) + "@TIME");
    }
    return result;
}

PinAssignment voiceAssignment(std::string_view text) {
    const size_t colon = text.find(':');
    const auto voice = colon == std::string_view::npos ? std::nullopt : parseInteger(text.substr(0, colon));
    if (!voice || *voice < 0 || *voice > std::numeric_limits<int32_t>::max())
        throw UsageError("--voice-set needs VOICE:PIN=VALUE@TIME, not '" + std::string(text) + "'");
    PinAssignment result = assignment("--voice-set", text.substr(colon + 1), true);
    result.voice = static_cast<int32_t>(*voice);
    return result;
}

}  // namespace

ProcessOptions parseProcessOptions(std::span<const std::string_view> args) {
    ProcessOptions options;
    std::vector<std::string_view> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError(std::string(arg) + " needs a value");
        const std::string_view value = args[++i];
        if (arg == "--rate") options.sampleRate = sampleRate(value);
        else if (arg == "--block") options.blockSize = positiveInteger(arg, value, 65536);
        else if (arg == "--length") options.length = value;
        else if (arg == "--voices") options.voices = positiveInteger(arg, value, 256);
        else if (arg == "--countdown") options.sleepCountdown = positiveInteger(arg, value, std::numeric_limits<int32_t>::max());
        else if (arg == "--input") options.inputs.push_back(assignment(arg, value, false));
        else if (arg == "--set") options.values.push_back(assignment(arg, value, true));
        else if (arg == "--voice-set") options.values.push_back(voiceAssignment(value));
        else if (arg == "--streaming") options.streaming.push_back(assignment(arg, value, true));
        else if (arg == "--out") options.outputDirectory = value;
        else throw UsageError("unknown option " + std::string(arg));
    }
    if (positional.empty() || positional.size() > 2) throw UsageError("give the plug-in and, optionally, the library");
    options.plugin = positional[0];
    if (positional.size() == 2) options.library = std::filesystem::path(positional[1]);
    return options;
}

int64_t parseSampleTime(std::string_view text, float sampleRate) {
    // Seconds stop at a day of samples at the highest rate, far inside int64.
    constexpr double limit = 86400.0 * 1.0e6;
    double scale = 0;
    std::string_view number = text;
    if (text.ends_with("ms")) {
        number.remove_suffix(2);
        scale = sampleRate / 1000.0;
    } else if (text.ends_with('s')) {
        number.remove_suffix(1);
        scale = sampleRate;
    }
    if (scale == 0) {
        const auto samples = parseInteger(text);
        if (!samples || *samples < 0 || *samples > static_cast<int64_t>(limit))
            throw UsageError("a time must be a whole number of samples or seconds (s, ms), not '" + std::string(text) + "'");
        return *samples;
    }
    const auto value = parseReal(number);
    if (!value || *value < 0 || *value * scale > limit)
        throw UsageError("a time must be a whole number of samples or seconds (s, ms), not '" + std::string(text) + "'");
    return std::llround(*value * scale);
}

}  // namespace zuhost
