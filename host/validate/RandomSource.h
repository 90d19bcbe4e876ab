// Seeded pseudo-random choices for the checks, so that a run is reproduced
// exactly by giving the same seed.
//
// Contract: two sources made from the same seed and label produce the same
// sequence on the same build; different labels give unrelated sequences, so
// each check (and each configuration within one) draws from its own stream
// whatever the others do.
#pragma once

#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

namespace zuhost {

class RandomSource {
public:
    RandomSource(uint64_t seed, std::string_view label);

    int64_t integer(int64_t low, int64_t high);  // uniform in [low, high]
    double real(double low, double high);        // uniform in [low, high)
    bool chance(double probability);
    uint32_t seed32();  // a seed for a test signal

    // The bytes of a value event for a pin of this datatype code, drawn over
    // the datatype's range: zero, small values, wide magnitudes and the
    // extremes for numbers; true and false for bool; short random contents
    // for blobs and texts. Floats are finite and never subnormal.
    std::vector<uint8_t> value(int32_t datatypeCode);

private:
    float floatValue();
    int32_t intValue();

    std::mt19937_64 engine_;
};

}  // namespace zuhost
