#include "host/process/ProcessOptions.h"

#include <string>

#include "framework/MpInterfaces.h"
#include "host/command/ParsedOption.h"
#include "host/command/UsageError.h"
#include "host/run/DescriptionLookup.h"
#include "host/run/PinValueText.h"

namespace zuhost {

namespace {

ScheduledValue resolveValue(const PluginDescription& plugin, const PinAssignment<std::string>& value, float sampleRate,
                            int32_t voices) {
    const PinDescription& pin = findAudioPinByNameOrIndex(plugin, value.pin);
    if (pin.isAudioRate()) throw UsageError("\"" + pin.name + "\" is an audio pin: give it a signal with --input");
    if (pin.direction != gmpi::MP_IN) throw UsageError("\"" + pin.name + "\" is an output: a host sends values only to inputs");
    if (value.voice >= voices)
        throw UsageError("names voice " + std::to_string(value.voice) + ", but --voices runs " + std::to_string(voices) +
                         " (from voice 0)");
    return {pin.index, parsePinValue(pin, value.value), value.sampleAt(sampleRate), value.voice};
}

ScheduledStreaming resolveStreaming(const PluginDescription& plugin, const PinAssignment<bool>& streaming,
                                    float sampleRate) {
    return {findAudioPinByNameOrIndex(plugin, streaming.pin).index, streaming.value, streaming.sampleAt(sampleRate)};
}

}  // namespace

ProcessOptions resolveProcessOptions(const ProcessArguments& arguments, const LibraryDescription& description) {
    ProcessOptions options;
    options.library = arguments.library;
    options.plugin = withinOption("PLUGIN", [&] { return findPluginByIdOrName(description, arguments.plugin); });
    const AudioArguments& audio = arguments.audio;
    options.sampleRate = audio.sampleRate;
    options.blockSize = audio.blockSize;
    options.voices = audio.voices;
    options.sleepCountdown = arguments.sleepCountdown.value_or(audio.blockSize);
    options.length = arguments.length.samplesAt(audio.sampleRate);
    options.inputs = resolveInputs(options.plugin, audio);
    for (const auto& value : arguments.values) {
        options.values.push_back(withinOption(value.voice == ALL_VOICES ? "--set" : "--voice-set", [&] {
            return resolveValue(options.plugin, value, audio.sampleRate, audio.voices);
        }));
    }
    for (const auto& streaming : arguments.streaming) {
        options.streaming.push_back(
            withinOption("--streaming", [&] { return resolveStreaming(options.plugin, streaming, audio.sampleRate); }));
    }
    options.outputDirectory = arguments.outputDirectory;
    options.writeCaptures = arguments.writeCaptures;
    return options;
}

}  // namespace zuhost
