#include "host/panel/ScopeCaptures.h"

#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "framework/MpInterfaces.h"
#include "host/command/NumberText.h"
#include "host/command/UsageError.h"
#include "host/run/CaptureCsv.h"
#include "host/run/SignalText.h"

namespace zuhost {

namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) result.push_back(field);
    return result;
}

}  // namespace

TraceArgument parseTraceArgument(std::string_view text) {
    const size_t equals = text.find('=');
    const std::string_view target = text.substr(0, equals);
    const size_t colon = target.find(':');
    const auto voice =
        colon == std::string_view::npos ? std::optional<int32_t>(0) : parseInteger<int32_t>(target.substr(0, colon));
    if (equals == std::string_view::npos || equals == 0 || !voice || *voice < 0 || *voice > 255)
        throw UsageError("expected [VOICE:]PIN=SIGNAL, not '" + std::string(text) + "'");
    const std::string_view pin = colon == std::string_view::npos ? target : target.substr(colon + 1);
    return {*voice, std::string(pin), parseSignal(text.substr(equals + 1)).signal};
}

std::vector<PanelBlob> readCaptureCsv(const std::filesystem::path& path, const PluginDescription& plugin) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) throw UsageError("cannot read captures from " + path.string());
    std::vector<const PinDescription*> columnPins;
    for (const std::string& name : fields(line)) {
        const PinDescription* found = nullptr;
        for (const PinDescription& pin : plugin.guiPins)
            if (pin.name == name && pin.datatypeCode == gmpi::MP_BLOB) found = &pin;
        columnPins.push_back(found);
    }
    // The latest capture of each voice wins: (voice, pin) -> its number and samples.
    std::map<std::pair<int32_t, int32_t>, std::pair<int64_t, std::vector<float>>> latest;
    while (std::getline(file, line)) {
        const auto row = fields(line);
        if (row.size() < 4) continue;
        const auto capture = parseInteger<int64_t>(row[0]);
        const auto voice = parseInteger<int32_t>(row[2]);
        const auto sample = parseInteger<int32_t>(row[3]);
        if (!capture || !voice || !sample || *voice < 0 || *sample < 0 || *sample >= int32_t(captureSamples)) continue;
        for (size_t column = 4; column < row.size() && column < columnPins.size(); ++column) {
            const auto value = parseReal(row[column]);
            if (!columnPins[column] || !value) continue;
            auto& [number, samples] = latest[{*voice, columnPins[column]->index}];
            if (samples.empty() || number != *capture) samples.assign(captureSamples, 0.0f);
            number = *capture;
            samples[static_cast<size_t>(*sample)] = static_cast<float>(*value);
        }
    }
    if (latest.empty()) throw UsageError(path.string() + " holds no capture for \"" + plugin.id + "\"");
    std::vector<PanelBlob> blobs;
    for (const auto& [key, capture] : latest) {
        const std::vector<float>& samples = capture.second;
        std::vector<uint8_t> bytes(captureBytes);
        std::memcpy(bytes.data(), samples.data(), captureBytes);
        blobs.push_back({key.second, key.first, std::move(bytes)});
    }
    return blobs;
}

std::vector<uint8_t> captureOf(const Signal& signal, float sampleRate, float gain) {
    std::vector<float> samples(captureSamples);
    signal.render(0, sampleRate, samples);
    for (float& sample : samples) sample *= gain;
    std::vector<uint8_t> bytes(captureBytes);
    std::memcpy(bytes.data(), samples.data(), captureBytes);
    return bytes;
}

}  // namespace zuhost
