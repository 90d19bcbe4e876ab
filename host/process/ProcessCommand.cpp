#include "host/process/ProcessCommand.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <optional>
#include <string>

#include "framework/MpInterfaces.h"
#include "host/audio/Runner.h"
#include "host/command/OutputPaths.h"
#include "host/command/ParsedOption.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/process/ProgressLine.h"
#include "host/run/AudioArguments.h"
#include "host/run/OutputFolder.h"
#include "host/run/ProcessorSetup.h"
#include "host/run/RunOutputs.h"

namespace zuhost {

namespace {

void noteFileRates(const ProcessOptions& options, std::ostream& err) {
    for (const ScheduledInput& input : options.inputs) {
        const std::optional<float>& fileRate = input.signal.fileRate;
        if (fileRate && std::lround(*fileRate) != std::lround(options.sampleRate))
            err << "zuhost process: note: the file for \"" << options.plugin.findAudioPin(input.pin)->name
                << "\" is at " << *fileRate << " Hz; it is played at " << options.sampleRate << " Hz unchanged\n";
    }
}

void configureScript(Runner& runner, const ProcessOptions& options) {
    feedHostConnectedPins(runner, options.plugin);
    for (const ScheduledValue& value : options.values)
        runner.script().setValue(value.time, value.pin, value.bytes, value.voice);
    for (const ScheduledStreaming& streaming : options.streaming)
        runner.script().setStreaming(streaming.time, streaming.pin, streaming.streaming);
}

int process(const ProcessOptions& options, std::ostream& out, std::ostream& err) {
    const PluginDescription& plugin = options.plugin;
    // The library outlives the runner, whose close() runs the plug-ins' destructors.
    const PluginLibrary library = PluginLibrary::open(options.library);

    Runner runner(audioPinInfos(plugin),
                  runnerSettings(options.sampleRate, options.blockSize, options.voices, options.sleepCountdown));
    noteFileRates(options, err);
    for (const std::string& warning : options.warnings) err << "zuhost process: warning: " << warning << "\n";
    scheduleInputs(runner, options.inputs);
    configureScript(runner, options);
    if (const int32_t result = runner.open(processorCreator(library, plugin.id)); result != gmpi::MP_OK) {
        err << "zuhost process: \"" << plugin.id << "\" failed to open (result " << result << ")\n";
        return exitFailed;
    }

    OutputFolder folder(options.outputDirectory);
    RunOutputs outputs(folder, plugin, runner, options.writeCaptures);
    ProgressLine progress(err);
    runner.run(options.length, [&](int64_t blockStart, int32_t frames) {
        outputs.afterBlock(runner, frames);
        progress.update(blockStart + frames, options.length);
    });
    progress.finish();
    runner.close();
    outputs.finish();

    out << "plug-in: " << plugin.id << " from " << options.library.string() << "\n";
    outputs.summary().print(out, runner);
    for (const auto& file : outputs.files()) out << "wrote " << file.string() << "\n";
    return exitOk;
}

}  // namespace

std::string_view ProcessCommand::summary() const {
    return "runs one processor and writes its audio (WAV), its timeline and captures (CSV) and a summary";
}

void ProcessCommand::declare(CLI::App& app) {
    declareProcessArguments(app, arguments_);
    // The plug-in's description, read from the file without loading it, gives the pins' names and datatypes.
    app.final_callback([this] {
        options_ = resolveProcessOptions(arguments_, loadDescription(arguments_.library));
        withinOption("--out", [&] { requireWritableDirectory(options_->outputDirectory); });
    });
}

int ProcessCommand::run(std::ostream& out, std::ostream& err) { return process(*options_, out, err); }

}  // namespace zuhost
