#include "host/validate/Strictness.h"

#include <algorithm>

namespace zuhost {

namespace {

// In the order in which strictness adds them: common settings first, then
// the extremes.
constexpr float RATES[] = {44100.0f, 96000.0f, 22050.0f, 48000.0f, 192000.0f};
constexpr int32_t BLOCK_SIZES[] = {64, 1, 4096, 7, 512, 32};

int clampStrictness(int strictness) { return std::clamp(strictness, MIN_STRICTNESS, MAX_STRICTNESS); }

}  // namespace

std::string AudioConfig::describe() const {
    return std::to_string(static_cast<int64_t>(sampleRate)) + " Hz, blocks of " + std::to_string(blockSize);
}

std::vector<AudioConfig> sweepConfigs(int strictness) {
    const int level = clampStrictness(strictness);
    const int rates = 1 + (level - 1) / 2;                  // 1 at level 1, all 5 at 9 and 10
    const int blocks = 2 + (level - 1) * 4 / 9;             // 2 at level 1, all 6 at 10
    std::vector<AudioConfig> configs;
    for (int r = 0; r < rates; ++r)
        for (int b = 0; b < blocks; ++b) configs.push_back({RATES[r], BLOCK_SIZES[b]});
    return configs;
}

double sweepSeconds(int strictness) { return 0.1 * clampStrictness(strictness); }

std::chrono::milliseconds checkTimeout(int strictness) {
    return std::chrono::milliseconds(30000 + 9000 * clampStrictness(strictness));
}

}  // namespace zuhost
