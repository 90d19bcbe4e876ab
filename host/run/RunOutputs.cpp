#include "host/run/RunOutputs.h"

#include <algorithm>
#include <cctype>

#include "framework/MpInterfaces.h"

namespace zuhost {

namespace {

bool hasBlobOutput(const PluginDescription& plugin) {
    return std::any_of(plugin.audioPins.begin(), plugin.audioPins.end(), [](const PinDescription& pin) {
        return pin.datatypeCode == gmpi::MP_BLOB && pin.direction == gmpi::MP_OUT;
    });
}

}  // namespace

std::string fileNameFor(std::string_view pinName) {
    std::string name(pinName);
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name.empty() ? "pin" : name;
}

RunOutputs::RunOutputs(OutputFolder& folder, const PluginDescription& plugin, const Runner& runner, bool writeCaptures)
    : timeline_(made(folder, "timeline.csv"), plugin), summary_(plugin) {
    for (const PinDescription& pin : plugin.audioPins) {
        if (!pin.isAudioRate() || pin.direction != gmpi::MP_OUT) continue;
        const auto path = made(folder, fileNameFor(pin.name) + ".wav");
        audio_.push_back(
            {pin.index, std::make_unique<WavWriter>(path, runner.voiceCount(), runner.settings().host.sampleRate)});
    }
    if (hasBlobOutput(plugin))
        captures_.emplace(plugin, writeCaptures ? std::optional(made(folder, "captures.csv")) : std::nullopt);
    interleaved_.resize(static_cast<size_t>(runner.settings().blockSize) * static_cast<size_t>(runner.voiceCount()));
}

std::filesystem::path RunOutputs::made(OutputFolder& folder, const std::filesystem::path& name) {
    return files_.emplace_back(folder.file(name));
}

void RunOutputs::afterBlock(Runner& runner, int32_t frames) {
    writeAudio(runner, frames);
    timeline_.write(runner.log());
    if (captures_) {
        captures_->write(runner.log());
        summary_.setCaptures(captures_->captures());
    }
    summary_.record(runner.log());
    runner.log().clear();
}

void RunOutputs::finish() {
    for (const AudioOutput& output : audio_) output.writer->close();
    timeline_.finish();
    if (captures_) captures_->finish();
}

void RunOutputs::writeAudio(const Runner& runner, int32_t frames) {
    const auto voices = static_cast<size_t>(runner.voiceCount());
    for (const AudioOutput& output : audio_) {
        for (size_t v = 0; v < voices; ++v) {
            const auto samples = runner.buffer(static_cast<int32_t>(v), output.pin);
            for (size_t i = 0; i < samples.size(); ++i) interleaved_[i * voices + v] = samples[i];
        }
        output.writer->write(std::span<const float>(interleaved_).first(static_cast<size_t>(frames) * voices));
    }
}

}  // namespace zuhost
