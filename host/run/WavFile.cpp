#include "host/run/WavFile.h"

#include <sndfile.h>

#include <cmath>
#include <limits>
#include <string>

namespace zuhost {

namespace {

WavError failure(const std::filesystem::path& path, SNDFILE* file) {
    return WavError(path.string() + ": " + sf_strerror(file));
}

// Closes on every way out of readWavChannel.
struct FileCloser {
    SNDFILE* file;
    ~FileCloser() { sf_close(file); }
};

}  // namespace

WavChannel readWavChannel(const std::filesystem::path& path, int32_t channel) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) throw failure(path, nullptr);
    const FileCloser closer{file};
    if (channel < 0 || channel >= info.channels)
        throw WavError(path.string() + " has " + std::to_string(info.channels) + " channel(s); there is no channel " +
                       std::to_string(channel));
    // A damaged header may claim any length; refuse what cannot be held.
    constexpr sf_count_t maximumSamples = std::numeric_limits<int32_t>::max();
    if (info.frames < 0 || info.frames > maximumSamples / info.channels)
        throw WavError(path.string() + " is too long to read whole");

    std::vector<float> interleaved(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t frames = sf_readf_float(file, interleaved.data(), info.frames);
    WavChannel result{std::vector<float>(static_cast<size_t>(frames)), static_cast<float>(info.samplerate)};
    for (sf_count_t i = 0; i < frames; ++i) {
        const float sample = interleaved[static_cast<size_t>(i * info.channels + channel)];
        result.samples[static_cast<size_t>(i)] = std::isfinite(sample) ? sample : 0.0f;
    }
    return result;
}

WavWriter::WavWriter(const std::filesystem::path& path, int32_t channels, float sampleRate)
    : file_(nullptr), channels_(channels), path_(path) {
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = static_cast<int>(std::lround(sampleRate));
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    file_ = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file_ == nullptr) throw failure(path, nullptr);
}

WavWriter::~WavWriter() {
    if (file_ != nullptr) sf_close(static_cast<SNDFILE*>(file_));
}

void WavWriter::close() {
    SNDFILE* file = static_cast<SNDFILE*>(file_);
    file_ = nullptr;
    if (const int error = sf_close(file); error != 0) throw WavError(path_.string() + ": " + sf_error_number(error));
}

void WavWriter::write(std::span<const float> interleaved) {
    const auto frames = static_cast<sf_count_t>(interleaved.size() / static_cast<size_t>(channels_));
    if (sf_writef_float(static_cast<SNDFILE*>(file_), interleaved.data(), frames) != frames)
        throw failure(path_, static_cast<SNDFILE*>(file_));
}

}  // namespace zuhost
