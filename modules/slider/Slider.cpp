#include "modules/slider/Slider.h"

#include <cmath>

#include "framework/MpFactory.h"

namespace zu {

namespace {

constexpr float parameterToSignal = 0.1f;
constexpr int32_t adaptiveRamp = 2;

gmpi::PluginRegistration sliderRegistration(gmpi::MP_SUB_TYPE_AUDIO, u"ZU Slider",
                                            gmpi::createPlugin<Slider, gmpi::IMpPlugin2>);
gmpi::PluginRegistration slider2Registration(gmpi::MP_SUB_TYPE_AUDIO, u"ZU Slider2",
                                             gmpi::createPlugin<Slider2, gmpi::IMpPlugin2>);

}  // namespace

SliderProcessor::SliderProcessor() {
    registerPin(s0_);
    registerPin(signalOut_);
}

int32_t SliderProcessor::open() {
    signalOut_.setCurveMode(adaptiveRamp);
    return MpBase2::open();
}

void SliderProcessor::onSetPins() {
    // A NaN or infinite target would give a ramp that never arrives or a
    // non-finite signal; the output keeps its current value instead.
    const float target = s0_.getValue() * parameterToSignal;
    if (std::isfinite(target)) signalOut_.setValue(target, getBlockPosition());
    setSubProcess(&SliderProcessor::subProcess);
}

void SliderProcessor::subProcess(int32_t sampleFrames) {
    bool canSleep = true;
    signalOut_.generate(getBlockPosition(), sampleFrames, canSleep);
}

}  // namespace zu
