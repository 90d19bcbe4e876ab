// WAV files through libsndfile: one channel of a file read whole, and a
// writer of 32-bit float WAV files block by block.
//
// Contract: failures throw WavError naming the file and libsndfile's reason.
// WavWriter completes the header of its file and closes it in close(), or
// when destroyed if close() was not called.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <vector>

namespace zuhost {

class WavError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct WavChannel {
    std::vector<float> samples;
    float sampleRate = 0;
};

// Channel `channel` (from 0) of any format libsndfile reads.
WavChannel readWavChannel(const std::filesystem::path& path, int32_t channel);

class WavWriter {
public:
    WavWriter(const std::filesystem::path& path, int32_t channels, float sampleRate);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Appends whole frames, channels interleaved.
    void write(std::span<const float> interleaved);
    void close();

private:
    void* file_;  // SNDFILE*
    int32_t channels_;
    std::filesystem::path path_;
};

}  // namespace zuhost
