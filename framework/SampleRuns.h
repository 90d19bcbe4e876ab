// Writing runs of samples into a buffer at the pace of the processor's stores.
//
// A loop that stores one 16-byte vector per iteration runs at half speed on
// some processors whenever its few instructions straddle a 64-byte fetch
// boundary, so its speed depended on where the linker happened to place it.
// Sixteen samples per iteration (four vector stores) keep the stores the
// bottleneck wherever the loop lands; the remainder is under sixteen samples.
#pragma once

#include <cstdint>

namespace gmpi {

inline void fillSamples(float* out, int32_t count, float value) {
    constexpr int32_t run = 16;
    int32_t i = 0;
    for (; i + run <= count; i += run) {
        for (int32_t k = 0; k < run; ++k) out[i + k] = value;
    }
    for (; i < count; ++i) out[i] = value;
}

}  // namespace gmpi
