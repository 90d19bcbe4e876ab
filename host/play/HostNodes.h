// The host's own nodes: sine and noise generators, a WAV file player, the
// output device's two channels and a level meter. Their pins are listed in
// Patch.cpp; inputs are read sample by sample.
//
// Contract: built on the GUI thread with every buffer they need; process()
// neither allocates nor locks. The meter's figures may be read from any
// thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "host/play/AudioNode.h"

namespace zuhost::play {

// Inputs and output buffers of one block, shared by the host nodes.
class HostNode : public AudioNode {
public:
    const float* output(int32_t pin) const override;

protected:
    HostNode(std::vector<InputMix> inputs, int32_t outputs, int32_t blockSize);
    // Renders every input for the block into inputBuffer(i).
    void renderInputs(int32_t frames);
    const float* inputBuffer(size_t input) const { return inputBuffers_[input].data(); }
    float* outputBuffer(size_t output) { return outputBuffers_[output].data(); }

private:
    std::vector<InputMix> inputs_;
    std::vector<std::vector<float>> inputBuffers_;
    std::vector<std::vector<float>> outputBuffers_;
};

class SineNode final : public HostNode {
public:
    SineNode(std::vector<InputMix> inputs, int32_t blockSize, float sampleRate);
    void process(int32_t frames) override;

private:
    double phase_ = 0.0;  // in turns
    double turnsPerHz_;
};

class NoiseNode final : public HostNode {
public:
    NoiseNode(std::vector<InputMix> inputs, int32_t blockSize);
    void process(int32_t frames) override;

private:
    uint32_t state_ = 0x9E3779B9u;
};

// Plays a file's first two channels (a mono file on both) at the device's
// rate, again and again, reading it whole when built.
class WavNode final : public HostNode {
public:
    WavNode(std::vector<InputMix> inputs, int32_t blockSize, const std::filesystem::path& file, float sampleRate);
    void process(int32_t frames) override;

private:
    std::vector<float> left_, right_;
    double position_ = 0.0;
    double step_ = 1.0;  // file samples per device sample
};

class OutputNode final : public HostNode {
public:
    OutputNode(std::vector<InputMix> inputs, int32_t blockSize);
    void process(int32_t frames) override;
    const float* channel(int32_t channel) const { return inputBuffer(static_cast<size_t>(channel)); }
};

class MeterNode final : public HostNode {
public:
    MeterNode(std::vector<InputMix> inputs, int32_t blockSize);
    void process(int32_t frames) override;

    // The highest peak and the RMS of the last block, both as amplitudes; the
    // peak restarts at each read.
    float takePeak() { return peak_.exchange(0.0f, std::memory_order_relaxed); }
    float rms() const { return rms_.load(std::memory_order_relaxed); }

private:
    std::atomic<float> peak_{0.0f};
    std::atomic<float> rms_{0.0f};
};

}  // namespace zuhost::play
