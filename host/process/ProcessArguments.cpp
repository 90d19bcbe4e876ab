#include "host/process/ProcessArguments.h"

#include <CLI/CLI.hpp>

#include "host/command/LibraryArgument.h"
#include "host/command/OptionValidators.h"
#include "host/command/ParsedOption.h"
#include "host/run/SignalText.h"

namespace zuhost {

namespace {

const std::string FOOTER =
    "PIN is a pin's name or index. TIME is samples, or seconds with s or ms (24000, 0.5s, 20ms).\n"
    "SIGNAL is " +
    std::string(signalForms) +
    ".\n"
    "VALUE is text of the pin's datatype: a number (float), a whole number (int, enum),\n"
    "0, 1, true or false (bool), or hex digits, two per byte (blob).\n"
    "A pin the host connects to Voice/Active is 1 for every voice from sample 0 unless set otherwise.\n"
    "A voice's own value follows the values for every voice at the same time, so it wins.\n"
    "Every parameter the processor takes starts at its default at time 0, unless --set gives one then.";

}  // namespace

void declareProcessArguments(CLI::App& app, ProcessArguments& arguments) {
    app.add_option("PLUGIN", arguments.plugin, "the plug-in's id or name")->required();
    addLibraryArgument(app, arguments.library);
    declareAudioArguments(app, arguments.audio);
    addParsedOption(app, "--length", arguments.length, SampleTime::parse, "how long to run")
        ->type_name("TIME")
        ->default_str(arguments.length.text());
    app.add_option("--countdown", arguments.sleepCountdown, "sleep countdown in samples")
        ->transform(wholeNumber(1))
        ->default_str("the block size");
    addRepeatedOption(app, "--set", arguments.values, parseValueAssignment, "a value for every voice")
        ->type_name("PIN=VALUE@TIME");
    addRepeatedOption(app, "--voice-set", arguments.values, parseVoiceValueAssignment, "a value for one voice only")
        ->type_name("VOICE:PIN=VALUE@TIME");
    addRepeatedOption(app, "--streaming", arguments.streaming, parseStreamingAssignment,
                      "a scripted streaming start or stop")
        ->type_name("PIN=on|off@TIME");
    app.add_option("--out", arguments.outputDirectory,
                   "where the WAV and CSV files go; an earlier run's files there are removed first")
        ->type_name("DIR")
        ->default_str(arguments.outputDirectory.string());
    app.add_flag_callback(
        "--no-captures", [&arguments] { arguments.writeCaptures = false; }, "write no captures.csv");
    app.footer(FOOTER);
}

}  // namespace zuhost
