// Audio halves of "ZU Slider" and "ZU Slider2": the float parameter S0, scaled
// by one tenth, becomes an audio signal on "Signal Out" that glides to each new
// value with an adaptive linear ramp and lets the processor sleep once it
// holds still. The two plug-ins behave identically; they are separate classes
// because the host knows them as separate plug-ins.
#pragma once

#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "framework/SmartAudioPin.h"

namespace zu {

class SliderProcessor : public gmpi::MpBase2 {
public:
    SliderProcessor();
    int32_t open() override;
    void onSetPins() override;

private:
    void subProcess(int32_t sampleFrames);

    gmpi::FloatInPin s0_;
    gmpi::SmartAudioPin signalOut_;
};

class Slider final : public SliderProcessor {};
class Slider2 final : public SliderProcessor {};

}  // namespace zu
