#include "host/audio/Signals.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace zuhost {

namespace {

// A well-mixed 64-bit hash, so noise at sample n needs no state from n - 1.
uint64_t mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

Signal::Signal(Kind kind, float value, float amplitude, uint32_t seed,
               std::shared_ptr<const std::vector<float>> samples)
    : kind_(kind), value_(value), amplitude_(amplitude), seed_(seed), samples_(std::move(samples)) {}

Signal Signal::silence() { return constant(0.0f); }
Signal Signal::constant(float value) { return Signal(Kind::Constant, value, 0.0f); }
Signal Signal::sine(float frequency, float amplitude) { return Signal(Kind::Sine, frequency, amplitude); }
Signal Signal::noise(uint32_t seed, float amplitude) { return Signal(Kind::Noise, 0.0f, amplitude, seed); }

Signal Signal::samples(std::shared_ptr<const std::vector<float>> samples) {
    return Signal(Kind::Samples, 0.0f, 1.0f, 0, std::move(samples));
}

bool Signal::isStreaming() const { return kind_ != Kind::Constant; }

void Signal::render(int64_t position, float sampleRate, std::span<float> out) const {
    switch (kind_) {
        case Kind::Constant: std::fill(out.begin(), out.end(), value_); break;
        case Kind::Sine: renderSine(position, sampleRate, out); break;
        case Kind::Noise: renderNoise(position, out); break;
        case Kind::Samples: renderSamples(position, out); break;
    }
}

void Signal::renderSine(int64_t position, float sampleRate, std::span<float> out) const {
    if (!(sampleRate > 0.0f)) {
        std::fill(out.begin(), out.end(), 0.0f);
        return;
    }
    const double cyclesPerSample = static_cast<double>(value_) / sampleRate;
    for (size_t i = 0; i < out.size(); ++i) {
        // The phase is taken modulo one cycle before scaling so that long runs keep their precision.
        const double cycles = std::fmod(static_cast<double>(position + static_cast<int64_t>(i)) * cyclesPerSample, 1.0);
        out[i] = amplitude_ * static_cast<float>(std::sin(2.0 * std::numbers::pi * cycles));
    }
}

void Signal::renderNoise(int64_t position, std::span<float> out) const {
    for (size_t i = 0; i < out.size(); ++i) {
        const uint64_t bits =
            mix((static_cast<uint64_t>(seed_) << 40) ^ static_cast<uint64_t>(position + static_cast<int64_t>(i)));
        // 24 random bits give a uniform float in [-1, 1).
        const float uniform = static_cast<float>(bits >> 40) / static_cast<float>(1 << 23) - 1.0f;
        out[i] = amplitude_ * uniform;
    }
}

void Signal::renderSamples(int64_t position, std::span<float> out) const {
    const int64_t size = samples_ ? static_cast<int64_t>(samples_->size()) : 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const int64_t at = position + static_cast<int64_t>(i);
        out[i] = at >= 0 && at < size ? (*samples_)[static_cast<size_t>(at)] : 0.0f;
    }
}

}  // namespace zuhost
