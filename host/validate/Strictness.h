// How much work each strictness level (1..10) asks of the checks: the sample
// rates and block sizes the processing sweep covers, how long each of its
// runs lasts, the extreme settings the buffer check covers, and how long any one check may take before it counts as
// hung.
//
// Contract: every level includes the configurations of the levels below it;
// level 10 covers every rate and block size the validator knows.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace zuhost {

inline constexpr int minStrictness = 1;
inline constexpr int maxStrictness = 10;

struct AudioConfig {
    float sampleRate = 44100.0f;
    int32_t blockSize = 64;  // randomBlocks: each block of its own size up to maxBlockSize

    std::string describe() const;  // "44100 Hz, blocks of 64"
};

inline constexpr int32_t randomBlocks = 0;
inline constexpr int32_t maxBlockSize = 16384;

std::vector<AudioConfig> sweepConfigs(int strictness);
// The odd sample rates and block sizes that the buffer check adds.
std::vector<AudioConfig> bufferConfigs(int strictness);
double sweepSeconds(int strictness);  // audio per sweep configuration
std::chrono::milliseconds checkTimeout(int strictness);

}  // namespace zuhost
