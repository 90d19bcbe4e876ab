#include "host/validate/Strictness.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zuhost {

namespace {

// In the order in which strictness adds them: common settings first, then
// the extremes.
constexpr float sampleRates[] = {44100.0f, 96000.0f, 22050.0f, 48000.0f, 192000.0f};
constexpr int32_t blockSizes[] = {64, 1, 4096, 7, 512, 32};
constexpr float oddRates[] = {44100.0f, 8000.0f, 192000.0f, 11025.0f, 384000.0f, 1234.5678f};
constexpr int32_t oddBlockSizes[] = {randomBlocks, 1, 17, 2027, 10, maxBlockSize};

int clampStrictness(int strictness) { return std::clamp(strictness, minStrictness, maxStrictness); }

}  // namespace

std::string AudioConfig::describe() const {
    char rate[32];
    std::snprintf(rate, sizeof rate, sampleRate == std::floor(sampleRate) ? "%.0f" : "%.4f", sampleRate);
    const std::string blocks = blockSize == randomBlocks ? "random size" : std::to_string(blockSize);
    return std::string(rate) + " Hz, blocks of " + blocks;
}

std::vector<AudioConfig> sweepConfigs(int strictness) {
    const int level = clampStrictness(strictness);
    const int rates = 1 + (level - 1) / 2;       // 1 at level 1, all 5 at 9 and 10
    const int blocks = 2 + (level - 1) * 4 / 9;  // 2 at level 1, all 6 at 10
    std::vector<AudioConfig> configs;
    for (int r = 0; r < rates; ++r)
        for (int b = 0; b < blocks; ++b) configs.push_back({sampleRates[r], blockSizes[b]});
    return configs;
}

std::vector<AudioConfig> bufferConfigs(int strictness) {
    const int level = clampStrictness(strictness);
    const int rates = 1 + (level - 1) * 5 / 9;  // 1 at level 1, all 6 at 10
    const int blocks = 2 + (level - 1) * 4 / 9;
    std::vector<AudioConfig> configs;
    for (int r = 0; r < rates; ++r)
        for (int b = 0; b < blocks; ++b) configs.push_back({oddRates[r], oddBlockSizes[b]});
    return configs;
}

double sweepSeconds(int strictness) { return 0.1 * clampStrictness(strictness); }

std::chrono::milliseconds checkTimeout(int strictness) {
    return std::chrono::milliseconds(30000 + 9000 * clampStrictness(strictness));
}

}  // namespace zuhost
