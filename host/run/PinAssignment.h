// Assignments to a processor's pins as the command line gives them,
// [VOICE:]PIN=VALUE[@TIME], read into typed values while the command line is
// read: --input, --set, --voice-set and --streaming. Which pin PIN means is
// resolved later, against the plug-in's description.
//
// Contract: the parsers throw UsageError naming the form they expect. The
// time follows the last '@', so PIN and VALUE may not hold one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/audio/EventScript.h"
#include "host/command/SampleTime.h"
#include "host/run/SignalText.h"

namespace zuhost {

template <class Value>
struct PinAssignment {
    std::string pin;  // a pin's name or index
    Value value;
    std::optional<SampleTime> time;  // none: from the start
    int32_t voice = allVoices;       // set by --voice-set only

    int64_t sampleAt(float sampleRate) const { return time ? time->samplesAt(sampleRate) : 0; }
};

PinAssignment<InputSignal> parseInputAssignment(std::string_view text);       // PIN=SIGNAL[@TIME]
PinAssignment<std::string> parseValueAssignment(std::string_view text);       // PIN=VALUE@TIME
PinAssignment<std::string> parseVoiceValueAssignment(std::string_view text);  // VOICE:PIN=VALUE@TIME
PinAssignment<bool> parseStreamingAssignment(std::string_view text);          // PIN=on|off@TIME

}  // namespace zuhost
