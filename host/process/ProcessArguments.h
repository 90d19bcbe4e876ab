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
#include <vector>

#include "host/command/SampleTime.h"
#include "host/run/AudioArguments.h"
#include "host/run/PinAssignment.h"

namespace CLI {
class App;
}

namespace zuhost {

struct ProcessArguments {
    std::string plugin;  // id or name
    std::filesystem::path library;
    AudioArguments audio;
    SampleTime length{1.0, SampleTime::Unit::Seconds};
    std::optional<int32_t> sleepCountdown;
    std::vector<PinAssignment<std::string>> values;  // the text's type is its pin's datatype
    std::vector<PinAssignment<bool>> streaming;
    std::filesystem::path outputDirectory = "out/process";
    bool writeCaptures = true;
};

void declareProcessArguments(CLI::App& app, ProcessArguments& arguments);

}  // namespace zuhost
