#include "host/process/ProcessCommand.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "host/audio/Runner.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/setup/ProcessorSetup.h"
#include "host/process/PinValueText.h"
#include "host/process/ProcessOptions.h"
#include "host/process/ProgressLine.h"
#include "host/process/RunOutputs.h"
#include "host/process/SignalText.h"
#include "host/zuhost/Command.h"

namespace zuhost {

namespace {

const PluginDescription& findPlugin(const LibraryDescription& library, std::string_view text) {
    for (const PluginDescription& plugin : library.plugins)
        if (plugin.id == text || plugin.name == text) return plugin;
    std::string known;
    for (const PluginDescription& plugin : library.plugins) known += "\n  " + plugin.id;
    throw UsageError("the library has no plug-in \"" + std::string(text) + "\"; it has:" + known);
}

// By name first; a number that is no pin's name is an index.
const PinDescription& findPin(const PluginDescription& plugin, std::string_view text) {
    for (const PinDescription& pin : plugin.audioPins)
        if (pin.name == text) return pin;
    const auto index = parseInteger(text);
    if (index && *index >= 0 && *index <= std::numeric_limits<int32_t>::max()) {
        if (const PinDescription* pin = plugin.findAudioPin(static_cast<int32_t>(*index))) return *pin;
    }
    throw UsageError("\"" + plugin.id + "\" has no audio-side pin \"" + std::string(text) + "\"");
}

RunnerSettings runnerSettings(const ProcessOptions& options) {
    RunnerSettings settings;
    settings.host.sampleRate = options.sampleRate;
    settings.host.sleepCountdown = options.sleepCountdown.value_or(options.blockSize);
    settings.host.polyphonic = options.voices > 1;
    settings.blockSize = options.blockSize;
    settings.voices = options.voices;
    return settings;
}

int64_t timeOf(const PinAssignment& assignment, const ProcessOptions& options) {
    return assignment.time.empty() ? 0 : parseSampleTime(assignment.time, options.sampleRate);
}

void configureInputs(Runner& runner, const PluginDescription& plugin, const ProcessOptions& options, std::ostream& err) {
    for (const PinAssignment& input : options.inputs) {
        const PinDescription& pin = findPin(plugin, input.pin);
        if (!pin.isAudioRate() || pin.direction != gmpi::MP_IN)
            throw UsageError("--input needs an audio input; \"" + pin.name + "\" is not one");
        const int64_t from = timeOf(input, options);
        InputSignal signal = parseSignal(input.text);
        if (signal.fileRate && std::lround(*signal.fileRate) != std::lround(options.sampleRate))
            err << "zuhost process: note: " << input.text << " is at " << *signal.fileRate << " Hz; it is played at "
                << options.sampleRate << " Hz unchanged\n";
        runner.setInput(pin.index, std::move(signal.signal), from);
        // A file ends: its input then holds still, and the plug-in hears it stop streaming.
        if (signal.length) runner.setInput(pin.index, Signal::silence(), from + *signal.length);
    }
}

// A host feeds the pins it connects itself: every voice sounds from the
// start. Added before the caller's values, so those of the same time win.
void feedHostConnectedPins(Runner& runner, const PluginDescription& plugin) {
    for (const PinDescription& pin : plugin.audioPins)
        if (pin.attribute("hostConnect") == "Voice/Active") runner.script().setValue(0, pin.index, parsePinValue(pin, "1"));
}

void configureScript(Runner& runner, const PluginDescription& plugin, const ProcessOptions& options) {
    feedHostConnectedPins(runner, plugin);
    for (const PinAssignment& value : options.values) {
        const PinDescription& pin = findPin(plugin, value.pin);
        if (pin.isAudioRate()) throw UsageError("\"" + pin.name + "\" is an audio pin: give it a signal with --input");
        if (pin.direction != gmpi::MP_IN) throw UsageError("\"" + pin.name + "\" is an output: a host sends values only to inputs");
        if (value.voice >= options.voices)
            throw UsageError("--voice-set names voice " + std::to_string(value.voice) + " of " + std::to_string(options.voices));
        runner.script().setValue(timeOf(value, options), pin.index, parsePinValue(pin, value.text), value.voice);
    }
    for (const PinAssignment& streaming : options.streaming) {
        const PinDescription& pin = findPin(plugin, streaming.pin);
        if (streaming.text != "on" && streaming.text != "off")
            throw UsageError("--streaming needs on or off, not '" + streaming.text + "'");
        runner.script().setStreaming(timeOf(streaming, options), pin.index, streaming.text == "on");
    }
}

int run(const ProcessOptions& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path path = options.library ? *options.library : libraryBesideExecutable();
    const LibraryDescription description = loadDescription(path);
    const PluginDescription& plugin = findPlugin(description, options.plugin);
    const int64_t length = parseSampleTime(options.length, options.sampleRate);
    // The library outlives the runner, whose close() runs the plug-ins' destructors.
    const PluginLibrary library = PluginLibrary::open(path);

    Runner runner(audioPinInfos(plugin), runnerSettings(options));
    configureInputs(runner, plugin, options, err);
    configureScript(runner, plugin, options);
    if (const int32_t result = runner.open(processorCreator(library, plugin.id)); result != gmpi::MP_OK) {
        err << "zuhost process: \"" << plugin.id << "\" failed to open (result " << result << ")\n";
        return EXIT_FAILED;
    }

    RunOutputs outputs(options.outputDirectory, plugin, runner);
    ProgressLine progress(err);
    runner.run(length, [&](int64_t blockStart, int32_t frames) {
        outputs.afterBlock(runner, frames);
        progress.update(blockStart + frames, length);
    });
    progress.finish();
    runner.close();

    out << "plug-in: " << plugin.id << " from " << path.string() << "\n";
    outputs.summary().print(out, runner);
    for (const auto& file : outputs.files()) out << "wrote " << file.string() << "\n";
    return EXIT_OK;
}

}  // namespace

int runProcessCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        out << PROCESS_USAGE;
        return EXIT_OK;
    }
    try {
        return run(parseProcessOptions(args), out, err);
    } catch (const UsageError& error) {
        err << "zuhost process: " << error.what() << '\n' << PROCESS_USAGE;
        return EXIT_USAGE;
    } catch (const std::exception& error) {
        err << "zuhost process: " << error.what() << '\n';
        return EXIT_FAILED;
    }
}

}  // namespace zuhost
