// How much work each strictness level (1..10) asks of the checks: the sample
// rates and block sizes the processing sweep covers, how long each of its
// runs lasts, and how long any one check may take before it counts as hung.
//
// Contract: every level includes the configurations of the levels below it;
// level 10 covers every rate and block size the validator knows.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace zuhost {

inline constexpr int MIN_STRICTNESS = 1;
inline constexpr int MAX_STRICTNESS = 10;

struct AudioConfig {
    float sampleRate = 44100.0f;
    int32_t blockSize = 64;

    std::string describe() const;   // "44100 Hz, blocks of 64"
};

std::vector<AudioConfig> sweepConfigs(int strictness);
double sweepSeconds(int strictness);                    // audio per sweep configuration
std::chrono::milliseconds checkTimeout(int strictness);

}  // namespace zuhost
