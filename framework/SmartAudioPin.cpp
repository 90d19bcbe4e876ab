#include "framework/SmartAudioPin.h"

#include <cmath>

#include "framework/MpPluginBase.h"
#include "framework/SampleRuns.h"

namespace gmpi {

namespace {

// Ramp durations in seconds: the starting rate, and the bounds the adaptive rate moves between.
constexpr float rampSeconds = 0.015f;
constexpr float slowestRampSeconds = 0.05f;
constexpr float fastestRampSeconds = 0.001f;
// A target arriving while a ramp runs speeds the next ramp up; one arriving at rest slows it down.
constexpr float adaptFaster = 1.05f;
constexpr float adaptSlower = 0.9f;

}  // namespace

void SmartAudioPin::sendFirstUpdate() { setStreaming(true); }

void SmartAudioPin::setValue(float target, int32_t blockPosition) {
    if (generator_ == &SmartAudioPin::fillFirst) {
        setValueInstant(target, blockPosition);
        return;
    }
    target_ = target;
    if (current_ == target) {
        generator_ = &SmartAudioPin::fillStatic;
        if (isStreaming_) setStreaming(false, blockPosition);
        return;
    }
    const float distance = target - current_;
    if (curveMode_ == curved) {
        startCurve(distance, blockPosition);
    } else {
        startRamp(distance, blockPosition);
    }
}

void SmartAudioPin::setValueInstant(float value, int32_t blockPosition) {
    generator_ = &SmartAudioPin::fillStatic;
    if (current_ != value || isStreaming_) setStreaming(false, blockPosition);
    current_ = target_ = value;
}

void SmartAudioPin::setCurveMode(int32_t mode) {
    curveMode_ = mode;
    float sampleRate = 0.0f;
    if (IMpAudioHost* host = plugin_->getHost()) host->getSampleRate(&sampleRate);
    // A host without a usable rate leaves the rates as they were.
    if (!std::isfinite(sampleRate) || sampleRate <= 0.0f) return;
    rampRate_ = 1.0f / (rampSeconds * sampleRate);
    minRate_ = 1.0f / (slowestRampSeconds * sampleRate);
    maxRate_ = 1.0f / (fastestRampSeconds * sampleRate);
}

void SmartAudioPin::startCurve(float distance, int32_t blockPosition) {
    // dx·(3u² − 2u³) over u = n/T, evaluated by forward differences from n = 1.
    const float t = transitionSamples;
    const float t3 = t * t * t;
    const float a = (3.0f * t - 2.0f) * distance / t3;
    const float b = 6.0f * distance * (t - 2.0f) / t3;
    const float c = -12.0f * distance / t3;
    current_ += a;
    step_ = a + b;
    delta2_ = b + c;
    delta3_ = c;
    remaining_ = static_cast<int32_t>(t) - 1;
    generator_ = &SmartAudioPin::curve;
    setStreaming(true, blockPosition);
}

void SmartAudioPin::startRamp(float distance, int32_t blockPosition) {
    if (curveMode_ == adaptiveLinear) {
        if (isRamping()) {
            if (rampRate_ < maxRate_) rampRate_ *= adaptFaster;
        } else if (rampRate_ > minRate_) {
            rampRate_ *= adaptSlower;
        }
    }
    step_ = distance * rampRate_;
    // A distance so small that its step underflows would never be covered; take it in one sample.
    if (step_ == 0.0f) step_ = distance;
    generator_ = step_ > 0.0f ? &SmartAudioPin::rampUp : &SmartAudioPin::rampDown;
    setStreaming(true, blockPosition);
}

bool SmartAudioPin::isRamping() const {
    return generator_ == &SmartAudioPin::rampUp || generator_ == &SmartAudioPin::rampDown;
}

void SmartAudioPin::fillFirst(float* out, int32_t offset, int32_t count, bool&) {
    setStreaming(false, offset);
    generator_ = &SmartAudioPin::fillStatic;
    fillSamples(out, count, target_);
}

void SmartAudioPin::fillStatic(float* out, int32_t, int32_t count, bool&) { fillSamples(out, count, target_); }

void SmartAudioPin::rampUp(float* out, int32_t offset, int32_t count, bool& canSleep) {
    canSleep = false;
    ramp(out, offset, count, [](float value, float target) { return value >= target; });
}

void SmartAudioPin::rampDown(float* out, int32_t offset, int32_t count, bool& canSleep) {
    canSleep = false;
    ramp(out, offset, count, [](float value, float target) { return value <= target; });
}

// The exact recurrence current += step, one sample after another: each value
// depends on the last, so the loop runs at the latency of one addition.
template <class Reached>
void SmartAudioPin::ramp(float* out, int32_t offset, int32_t count, Reached reached) {
    const float step = step_;
    const float target = target_;
    float value = current_;
    for (int32_t i = 0; i < count; ++i) {
        value += step;
        if (reached(value, target)) {
            arrive(out, offset, i, count);
            return;
        }
        out[i] = value;
    }
    current_ = value;
}

void SmartAudioPin::curve(float* out, int32_t offset, int32_t count, bool& canSleep) {
    canSleep = false;
    float value = current_;
    float step = step_;
    float delta2 = delta2_;
    const float delta3 = delta3_;
    for (int32_t i = 0; i < count; ++i) {
        if (--remaining_ < 0) {
            arrive(out, offset, i, count);
            return;
        }
        out[i] = value;
        value += step;
        step += delta2;
        delta2 += delta3;
    }
    current_ = value;
    step_ = step;
    delta2_ = delta2;
}

// The target is reached at sample `written` of this run: it holds from there on.
void SmartAudioPin::arrive(float* out, int32_t offset, int32_t written, int32_t count) {
    current_ = target_;
    generator_ = &SmartAudioPin::fillStatic;
    setStreaming(false, offset + written);
    fillSamples(out + written, count - written, target_);
}

}  // namespace gmpi
