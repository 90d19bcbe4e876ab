#include "host/run/SignalText.h"

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "host/command/NumberText.h"
#include "host/command/UsageError.h"
#include "host/run/WavFile.h"

namespace zuhost {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

float number(std::string_view signal, std::string_view text) {
    const auto value = parseReal(text);
    if (!value || std::abs(*value) > std::numeric_limits<float>::max())
        throw UsageError("signal '" + std::string(signal) + "': '" + std::string(text) + "' is not a finite number");
    return static_cast<float>(*value);
}

uint32_t seed(std::string_view signal, std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < 0 || *value > std::numeric_limits<uint32_t>::max())
        throw UsageError("signal '" + std::string(signal) + "': the seed must be a whole number from 0, not '" +
                         std::string(text) + "'");
    return static_cast<uint32_t>(*value);
}

InputSignal wavSignal(std::string_view path) {
    int32_t channel = 0;
    if (const size_t colon = path.rfind(':'); colon != std::string_view::npos) {
        if (const auto index = parseInteger(path.substr(colon + 1)); index && *index >= 0 && *index < 1024) {
            channel = static_cast<int32_t>(*index);
            path = path.substr(0, colon);
        }
    }
    WavChannel file;
    try {
        file = readWavChannel(std::string(path), channel);
    } catch (const WavError& error) {
        throw UsageError(std::string("cannot read the signal: ") + error.what());
    }
    const auto length = static_cast<int64_t>(file.samples.size());
    auto samples = std::make_shared<const std::vector<float>>(std::move(file.samples));
    return {Signal::samples(std::move(samples)), length, file.sampleRate};
}

InputSignal generated(Signal signal) { return {std::move(signal), std::nullopt, std::nullopt}; }

}  // namespace

InputSignal parseSignal(std::string_view text) {
    if (text.starts_with("wav:")) return wavSignal(text.substr(4));
    const auto parts = split(text, ':');
    const std::string_view kind = parts[0];
    const size_t arguments = parts.size() - 1;
    if (kind == "silence" && arguments == 0) return generated(Signal::silence());
    if (kind == "constant" && arguments == 1) return generated(Signal::constant(number(text, parts[1])));
    if (kind == "sine" && (arguments == 1 || arguments == 2))
        return generated(Signal::sine(number(text, parts[1]), arguments == 2 ? number(text, parts[2]) : 1.0f));
    if (kind == "noise" && arguments <= 2)
        return generated(
            Signal::noise(arguments >= 1 ? seed(text, parts[1]) : 1, arguments == 2 ? number(text, parts[2]) : 1.0f));
    throw UsageError("unknown signal '" + std::string(text) + "'; use " + std::string(signalForms));
}

}  // namespace zuhost
