#include "host/process/ProcessOptions.h"

#include <algorithm>
#include <string>

#include "framework/MpInterfaces.h"
#include "host/command/ParsedOption.h"
#include "host/command/UsageError.h"
#include "host/run/DescriptionLookup.h"
#include "host/run/ParameterPins.h"
#include "host/run/PinValueText.h"

namespace zuhost {

namespace {

ScheduledValue resolveValue(const PluginDescription& plugin, const PinAssignment<std::string>& value, float sampleRate,
                            int32_t voices) {
    const PinDescription& pin = findAudioPinByNameOrIndex(plugin, value.pin);
    if (pin.isAudioRate()) throw UsageError("\"" + pin.name + "\" is an audio pin: give it a signal with --input");
    if (pin.direction != gmpi::MP_IN)
        throw UsageError("\"" + pin.name + "\" is an output: a host sends values only to inputs");
    if (value.voice >= voices)
        throw UsageError("names voice " + std::to_string(value.voice) + ", but --voices runs " +
                         std::to_string(voices) + " (from voice 0)");
    return {pin.index, parsePinValue(pin, value.value), value.sampleAt(sampleRate), value.voice};
}

ScheduledStreaming resolveStreaming(const PluginDescription& plugin, const PinAssignment<bool>& streaming,
                                    float sampleRate) {
    return {findAudioPinByNameOrIndex(plugin, streaming.pin).index, streaming.value, streaming.sampleAt(sampleRate)};
}

std::vector<ScheduledValue> startValues(const PluginDescription& plugin, const std::vector<ScheduledValue>& set) {
    std::vector<ScheduledValue> values;
    for (const ParameterDescription& parameter : plugin.parameters) {
        for (const PinDescription* pin : pinsOfParameter(plugin.audioPins, parameter.id, valueField)) {
            const bool setAtTheStart = std::any_of(set.begin(), set.end(), [&](const ScheduledValue& value) {
                return value.pin == pin->index && value.time == 0 && value.voice == allVoices;
            });
            if (pin->direction == gmpi::MP_IN && !setAtTheStart)
                values.push_back({pin->index, parameterStartValue(parameter), 0, allVoices});
        }
    }
    return values;
}

template <class Value>
void warnIfPastTheEnd(const char* option, const PinAssignment<Value>& assignment, const ProcessArguments& arguments,
                      ProcessOptions& options) {
    if (!assignment.time || assignment.sampleAt(options.sampleRate) < options.length) return;
    options.warnings.push_back(std::string(option) + " for \"" + assignment.pin + "\" at " + assignment.time->text() +
                               " comes at or after the end of the run (--length " + arguments.length.text() +
                               ") and never happens");
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
    for (const auto& input : audio.inputs) warnIfPastTheEnd("--input", input, arguments, options);
    for (const auto& value : arguments.values) {
        const char* option = value.voice == allVoices ? "--set" : "--voice-set";
        options.values.push_back(
            withinOption(option, [&] { return resolveValue(options.plugin, value, audio.sampleRate, audio.voices); }));
        warnIfPastTheEnd(option, value, arguments, options);
    }
    std::vector<ScheduledValue> values = startValues(options.plugin, options.values);
    values.insert(values.end(), options.values.begin(), options.values.end());
    options.values = std::move(values);
    for (const auto& streaming : arguments.streaming) {
        options.streaming.push_back(
            withinOption("--streaming", [&] { return resolveStreaming(options.plugin, streaming, audio.sampleRate); }));
        warnIfPastTheEnd("--streaming", streaming, arguments, options);
    }
    options.outputDirectory = arguments.outputDirectory;
    options.writeCaptures = arguments.writeCaptures;
    return options;
}

}  // namespace zuhost
