// The command line of `zuhost process`, read into typed values: numbers,
// times, signals (files read whole), on or off. What still depends on the
// plug-in's description (which pin a name means, what a value's text is as
// that pin's datatype) is resolved next, into ProcessOptions.
//
// Contract: declareProcessArguments binds every argument to a field of
// `arguments`; reading the command line fills them once and refuses wrong
// text naming the option. Repeated options keep their command-line order;
// all --set values come before all --voice-set values.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/audio/EventScript.h"
#include "host/command/SampleTime.h"
#include "host/run/SignalText.h"

namespace CLI {
class App;
}

namespace zuhost {

// One --input, --set, --voice-set or --streaming: [VOICE:]PIN=VALUE[@TIME].
template <class Value>
struct PinAssignment {
    std::string pin;                    // a pin's name or index
    Value value;
    std::optional<SampleTime> time;     // none: from the start
    int32_t voice = ALL_VOICES;         // set by --voice-set only
};

struct ProcessArguments {
    std::string plugin;                 // id or name
    std::filesystem::path library;
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
    SampleTime length{1.0, SampleTime::Unit::Seconds};
    int32_t voices = 1;
    std::optional<int32_t> sleepCountdown;
    std::vector<PinAssignment<InputSignal>> inputs;
    std::vector<PinAssignment<std::string>> values;     // the text's type is its pin's datatype
    std::vector<PinAssignment<bool>> streaming;
    std::filesystem::path outputDirectory = "out/process";
};

void declareProcessArguments(CLI::App& app, ProcessArguments& arguments);

// The parsers behind the repeated options; they throw UsageError.
PinAssignment<InputSignal> parseInputAssignment(std::string_view text);       // PIN=SIGNAL[@TIME]
PinAssignment<std::string> parseValueAssignment(std::string_view text);       // PIN=VALUE@TIME
PinAssignment<std::string> parseVoiceValueAssignment(std::string_view text);  // VOICE:PIN=VALUE@TIME
PinAssignment<bool> parseStreamingAssignment(std::string_view text);          // PIN=on|off@TIME

}  // namespace zuhost
