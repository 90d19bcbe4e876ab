// The options of every command that runs a processor: --rate, --block,
// --voices and --input, declared once; and the inputs, resolved against the
// plug-in's description and played by a runner.
//
// A live host on a sound device takes --rate and --block too, within a
// device's narrower limits: declareRateAndBlock serves both.
//
// Contract: declareAudioArguments binds the options to `arguments`; reading
// the command line refuses wrong text naming the option, and keeps the
// inputs in command-line order. resolveInputs throws CLI::ValidationError
// naming --input for a pin that is not an audio input of the plug-in.
#pragma once

#include <cstdint>
#include <vector>

#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"
#include "host/run/PinAssignment.h"
#include "host/run/SignalText.h"

namespace CLI {
class App;
}

namespace zuhost {

struct AudioArguments {
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
    int32_t voices = 1;
    std::vector<PinAssignment<InputSignal>> inputs;
};

void declareAudioArguments(CLI::App& app, AudioArguments& arguments);

// The inclusive ranges --rate and --block accept.
struct RateAndBlockLimits {
    double lowestRate, highestRate;
    int32_t smallestBlock, largestBlock;
};

void declareRateAndBlock(CLI::App& app, float& sampleRate, int32_t& blockSize, const RateAndBlockLimits& limits);

struct ScheduledInput {
    int32_t pin = 0;
    InputSignal signal;
    int64_t from = 0;  // samples
};

std::vector<ScheduledInput> resolveInputs(const PluginDescription& plugin, const AudioArguments& arguments);

// Plays each input from its time on. A file ends: its input then holds
// still, and the plug-in hears it stop streaming.
void scheduleInputs(Runner& runner, const std::vector<ScheduledInput>& inputs);

}  // namespace zuhost
