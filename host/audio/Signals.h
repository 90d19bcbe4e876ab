// Test signals for audio inputs: sine, seeded noise, constant, silence, or
// samples given by the caller.
//
// Contract: a signal is a pure function of the sample index counted from the
// moment it starts, so the output does not depend on how a run is cut into
// blocks. Sine, noise and given samples stream (change from sample to sample);
// constant and silence are static. Rendering never allocates.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace zuhost {

class Signal {
public:
    static Signal silence();
    static Signal constant(float value);
    static Signal sine(float frequency, float amplitude = 1.0f);
    static Signal noise(uint32_t seed, float amplitude = 1.0f);
    // Plays the samples once, then zeros; still streaming until the input
    // is given a static signal after them.
    static Signal samples(std::shared_ptr<const std::vector<float>> samples);

    bool isStreaming() const;

    // Writes out.size() samples starting at `position` samples after the signal began.
    void render(int64_t position, float sampleRate, std::span<float> out) const;

private:
    enum class Kind { Constant, Sine, Noise, Samples };

    Signal(Kind kind, float value, float amplitude, uint32_t seed = 0,
           std::shared_ptr<const std::vector<float>> samples = nullptr);

    void renderSine(int64_t position, float sampleRate, std::span<float> out) const;
    void renderNoise(int64_t position, std::span<float> out) const;
    void renderSamples(int64_t position, std::span<float> out) const;

    Kind kind_;
    float value_;  // constant value, or sine frequency in Hz
    float amplitude_;
    uint32_t seed_;
    std::shared_ptr<const std::vector<float>> samples_;
};

}  // namespace zuhost
