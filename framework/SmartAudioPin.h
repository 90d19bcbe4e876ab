// An audio output that turns a stream of target values into a smooth signal
// and reports static whenever the signal holds still, so that the plug-in and
// its listeners can sleep.
//
// Contract: the plug-in gives targets with setValue (or jumps with
// setValueInstant) from onSetPins and calls generate from its routine for the
// samples it produces; generate writes buffer[offset .. offset + count) and
// never allocates. The first target after creation is taken at once (no
// ramp); later ones are reached by a linear ramp at a fixed or adaptive rate
// (curve modes 0 and 2) or by a smooth curved transition of 40 samples (mode
// 1). The output reports streaming while it moves and static from the exact
// sample at which it arrives. Targets must be finite: the caller filters them.
#pragma once

#include <cstdint>

#include "framework/AudioPins.h"

namespace gmpi {

class SmartAudioPin : public AudioOutPin {
public:
    enum CurveMode : int32_t { linear = 0, curved = 1, adaptiveLinear = 2 };

    void sendFirstUpdate() override;  // reports streaming until the first fill

    void setValue(float target, int32_t blockPosition = -1);        // moves to target (jumps when first)
    void setValueInstant(float value, int32_t blockPosition = -1);  // jumps to value
    void setCurveMode(int32_t mode);  // 0 linear fixed, 1 curved, 2 adaptive linear; rates from the host's sample rate
    void generate(int32_t offset, int32_t count,
                  bool& canSleep) {  // writes count samples from buffer[offset]; canSleep false while moving
        if (buffer_ == nullptr || offset < 0 || count < 0) return;
        (this->*generator_)(buffer_ + offset, offset, count, canSleep);
    }

private:
    using Generator = void (SmartAudioPin::*)(float* out, int32_t offset, int32_t count, bool& canSleep);

    static constexpr float transitionSamples = 40.0f;

    void fillFirst(float* out, int32_t offset, int32_t count, bool& canSleep);
    void fillStatic(float* out, int32_t offset, int32_t count, bool& canSleep);
    void rampUp(float* out, int32_t offset, int32_t count, bool& canSleep);
    void rampDown(float* out, int32_t offset, int32_t count, bool& canSleep);
    void curve(float* out, int32_t offset, int32_t count, bool& canSleep);

    template <class Reached>
    void ramp(float* out, int32_t offset, int32_t count, Reached reached);
    void arrive(float* out, int32_t offset, int32_t written, int32_t count);
    bool isRamping() const;
    void startCurve(float distance, int32_t blockPosition);
    void startRamp(float distance, int32_t blockPosition);

    Generator generator_ = &SmartAudioPin::fillFirst;
    float rampRate_ = 0.1f;  // fraction of the distance covered per sample
    float current_ = 0.0f;   // the last value written
    float target_ = 0.0f;
    int32_t curveMode_ = linear;
    float step_ = 0.0f;  // per-sample increment, and its forward differences for the curve
    float delta2_ = 0.0f;
    float delta3_ = 0.0f;
    int32_t remaining_ = 0;  // samples left in a curved transition
    float maxRate_ = 0.1f;   // bounds of the adaptive rate
    float minRate_ = 0.1f;
};

}  // namespace gmpi
