#include "host/play/HostNodes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/run/WavFile.h"

namespace zuhost::play {

namespace {

enum SineInput : size_t { frequencyInput, sineLevelInput };
constexpr size_t levelInput = 0;

std::vector<float> channelOrFirst(const std::filesystem::path& file, int32_t channel, float& rate) {
    try {
        WavChannel read = readWavChannel(file, channel);
        rate = read.sampleRate;
        return std::move(read.samples);
    } catch (const WavError&) {
        if (channel == 0) throw;
        return readWavChannel(file, 0).samples;
    }
}

}  // namespace

HostNode::HostNode(std::vector<InputMix> inputs, int32_t outputs, int32_t blockSize)
    : inputs_(std::move(inputs)),
      inputBuffers_(inputs_.size(), std::vector<float>(static_cast<size_t>(blockSize))),
      outputBuffers_(static_cast<size_t>(outputs), std::vector<float>(static_cast<size_t>(blockSize))) {}

const float* HostNode::output(int32_t pin) const {
    // Host pins list the inputs first.
    const auto slot = static_cast<size_t>(pin) - inputs_.size();
    return pin >= 0 && slot < outputBuffers_.size() ? outputBuffers_[slot].data() : nullptr;
}

void HostNode::renderInputs(int32_t frames) {
    for (size_t i = 0; i < inputs_.size(); ++i) inputs_[i].render(frames, inputBuffers_[i].data());
}

SineNode::SineNode(std::vector<InputMix> inputs, int32_t blockSize, float sampleRate)
    : HostNode(std::move(inputs), 1, blockSize), turnsPerHz_(1.0 / sampleRate) {}

void SineNode::process(int32_t frames) {
    renderInputs(frames);
    const float* frequency = inputBuffer(frequencyInput);
    const float* level = inputBuffer(sineLevelInput);
    float* out = outputBuffer(0);
    for (int32_t i = 0; i < frames; ++i) {
        out[i] = level[i] * static_cast<float>(std::sin(2.0 * std::numbers::pi * phase_));
        const double step = std::isfinite(frequency[i]) ? frequency[i] * turnsPerHz_ : 0.0;
        phase_ += step;
        phase_ -= std::floor(phase_);
    }
}

NoiseNode::NoiseNode(std::vector<InputMix> inputs, int32_t blockSize) : HostNode(std::move(inputs), 1, blockSize) {}

void NoiseNode::process(int32_t frames) {
    renderInputs(frames);
    const float* level = inputBuffer(levelInput);
    float* out = outputBuffer(0);
    for (int32_t i = 0; i < frames; ++i) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        out[i] = level[i] * (static_cast<float>(state_) / 2147483648.0f - 1.0f);
    }
}

WavNode::WavNode(std::vector<InputMix> inputs, int32_t blockSize, const std::filesystem::path& file, float sampleRate)
    : HostNode(std::move(inputs), 2, blockSize) {
    float fileRate = sampleRate;
    left_ = channelOrFirst(file, 0, fileRate);
    right_ = channelOrFirst(file, 1, fileRate);
    if (right_.size() != left_.size()) right_ = left_;
    step_ = fileRate / sampleRate;
}

void WavNode::process(int32_t frames) {
    renderInputs(frames);
    const float* level = inputBuffer(levelInput);
    float* left = outputBuffer(0);
    float* right = outputBuffer(1);
    const size_t length = left_.size();
    for (int32_t i = 0; i < frames; ++i) {
        if (length == 0) {
            left[i] = right[i] = 0.0f;
            continue;
        }
        // Linear interpolation, wrapping to the start.
        const auto at = static_cast<size_t>(position_);
        const auto next = (at + 1) % length;
        const auto fraction = static_cast<float>(position_ - static_cast<double>(at));
        left[i] = level[i] * (left_[at] + (left_[next] - left_[at]) * fraction);
        right[i] = level[i] * (right_[at] + (right_[next] - right_[at]) * fraction);
        position_ += step_;
        if (position_ >= static_cast<double>(length)) position_ -= static_cast<double>(length);
    }
}

OutputNode::OutputNode(std::vector<InputMix> inputs, int32_t blockSize) : HostNode(std::move(inputs), 0, blockSize) {}

void OutputNode::process(int32_t frames) { renderInputs(frames); }

MeterNode::MeterNode(std::vector<InputMix> inputs, int32_t blockSize) : HostNode(std::move(inputs), 0, blockSize) {}

void MeterNode::process(int32_t frames) {
    renderInputs(frames);
    const float* in = inputBuffer(0);
    float peak = 0.0f;
    double sum = 0.0;
    for (int32_t i = 0; i < frames; ++i) {
        peak = std::max(peak, std::fabs(in[i]));
        sum += static_cast<double>(in[i]) * in[i];
    }
    if (frames > 0) rms_.store(static_cast<float>(std::sqrt(sum / frames)), std::memory_order_relaxed);
    float held = peak_.load(std::memory_order_relaxed);
    while (peak > held && !peak_.compare_exchange_weak(held, peak, std::memory_order_relaxed)) {}
}

}  // namespace zuhost::play
