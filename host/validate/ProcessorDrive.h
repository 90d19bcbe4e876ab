// Running one processor of a loaded library in the substitute host with the
// pins its description names, and feeding its inputs.
//
// Contract: the runner gets every pin of the description's Audio section;
// audio-rate pins get buffers, the others get value events. Scripting
// functions must be called before the runner is opened.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/audio/PinInfo.h"
#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/run/ProcessorSetup.h"
#include "host/validate/RandomSource.h"
#include "host/validate/Strictness.h"

namespace zuhost {

// Runner settings for one configuration, with a call log large enough that
// draining it after every block keeps recording free of allocation.
RunnerSettings runnerSettings(const AudioConfig& config);

// Opens the runner; fails the check when the processor cannot be created or opened.
void openOrFail(Runner& runner, const PluginCreator& create);

// From `from` for `length` samples: noise on every audio input, broken by
// static stretches, and on every other input a random number of value events
// at random times within each block.
void scriptRandomInputs(Runner& runner, const PluginDescription& plugin, RandomSource& random, int64_t from,
                        int64_t length);

// At `time`, every audio input turns silent.
void scriptStaticInputs(Runner& runner, const PluginDescription& plugin, int64_t time);
// At `time`, every input that is not audio-rate gets value(its datatype code).
void scriptValues(Runner& runner, const PluginDescription& plugin, int64_t time,
                  std::vector<uint8_t> (*value)(int32_t datatypeCode));

// A plain "on" value for an input: 1, 1.0, true, a short blob.
std::vector<uint8_t> settledValue(int32_t datatypeCode);
// A value that differs from settledValue and is also "on": 2, 2.0, false.
std::vector<uint8_t> wakingValue(int32_t datatypeCode);

std::string pinName(const PinDescription& pin);  // "pin 1 \"Signal Out\""

}  // namespace zuhost
