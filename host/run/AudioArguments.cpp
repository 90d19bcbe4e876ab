#include "host/run/AudioArguments.h"

#include <CLI/CLI.hpp>

#include "host/command/OptionValidators.h"
#include "host/command/ParsedOption.h"
#include "host/run/DescriptionLookup.h"

namespace zuhost {

void declareRateAndBlock(CLI::App& app, float& sampleRate, int32_t& blockSize, const RateAndBlockLimits& limits) {
    app.add_option("--rate", sampleRate, "sample rate in Hz")
        ->check(finiteNumber(limits.lowestRate, limits.highestRate))
        ->capture_default_str();
    app.add_option("--block", blockSize, "block size in samples")
        ->transform(wholeNumber(limits.smallestBlock, limits.largestBlock))
        ->capture_default_str();
}

void declareAudioArguments(CLI::App& app, AudioArguments& arguments) {
    declareRateAndBlock(app, arguments.sampleRate, arguments.blockSize, {1.0, 1.0e6, 1, 65536});
    app.add_option("--voices", arguments.voices, "voice clones; more than one runs them as polyphonic")
        ->transform(wholeNumber(1, 256))
        ->capture_default_str();
    addRepeatedOption(app, "--input", arguments.inputs, parseInputAssignment,
                      "an audio input's signal from TIME on, or from the start; inputs not given are silent")
        ->type_name("PIN=SIGNAL[@TIME]");
}

std::vector<ScheduledInput> resolveInputs(const PluginDescription& plugin, const AudioArguments& arguments) {
    std::vector<ScheduledInput> inputs;
    for (const PinAssignment<InputSignal>& input : arguments.inputs) {
        const PinDescription& pin =
            withinOption("--input", [&]() -> const PinDescription& { return findAudioInput(plugin, input.pin); });
        inputs.push_back({pin.index, input.value, input.sampleAt(arguments.sampleRate)});
    }
    return inputs;
}

void scheduleInputs(Runner& runner, const std::vector<ScheduledInput>& inputs) {
    for (const ScheduledInput& input : inputs) {
        runner.setInput(input.pin, input.signal.signal, input.from);
        if (input.signal.length) runner.setInput(input.pin, Signal::silence(), input.from + *input.signal.length);
    }
}

}  // namespace zuhost
