// What a host knows of one audio-side pin: enough to give it a buffer, feed
// it and read it. Callers fill it from the library's description or by hand.
#pragma once

#include <cstdint>

#include "framework/MpInterfaces.h"

namespace zuhost {

struct PinInfo {
    int32_t index = 0;                    // the pin index the plug-in registered
    int32_t datatype = gmpi::MP_FLOAT32;  // gmpi::MpDatatype code
    int32_t direction = gmpi::MP_IN;      // gmpi::MpDirection code
    bool audioRate = false;               // carries a sample buffer rather than events

    bool isAudioInput() const { return audioRate && direction == gmpi::MP_IN; }
    bool isAudioOutput() const { return audioRate && direction == gmpi::MP_OUT; }
};

}  // namespace zuhost
