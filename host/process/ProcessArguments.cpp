#include "host/process/ProcessArguments.h"

#include <CLI/CLI.hpp>

#include "host/command/LibraryArgument.h"
#include "host/command/NumberText.h"
#include "host/command/OptionValidators.h"
#include "host/command/ParsedOption.h"
#include "host/command/UsageError.h"

namespace zuhost {

namespace {

constexpr const char* FOOTER =
    "PIN is a pin's name or index. TIME is samples, or seconds with s or ms (24000, 0.5s, 20ms).\n"
    "SIGNAL is sine:HZ[:AMP], noise[:SEED[:AMP]], constant:VALUE, silence or wav:PATH[:CHANNEL].\n"
    "VALUE is text of the pin's datatype: a number (float), a whole number (int, enum),\n"
    "0, 1, true or false (bool), or hex digits, two per byte (blob).\n"
    "A pin the host connects to Voice/Active is 1 for every voice from sample 0 unless set otherwise.\n"
    "A voice's own value follows the values for every voice at the same time, so it wins.";

UsageError notOfForm(std::string_view form, std::string_view text) {
    return UsageError("expected " + std::string(form) + ", not '" + std::string(text) + "'");
}

// PIN=TEXT[@TIME]; the time follows the last '@', so PIN and TEXT may not hold one.
PinAssignment<std::string> split(std::string_view text, std::string_view form, bool timeRequired) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) throw notOfForm(form, text);
    PinAssignment<std::string> result{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1)), {}};
    if (const size_t at = result.value.rfind('@'); at != std::string::npos) {
        result.time = SampleTime::parse(std::string_view(result.value).substr(at + 1));
        result.value.resize(at);
    } else if (timeRequired) {
        throw UsageError("expected " + std::string(form) + ", with a time after '@', not '" + std::string(text) + "'");
    }
    return result;
}

template <class Value>
PinAssignment<Value> withValue(const PinAssignment<std::string>& text, Value value) {
    return {text.pin, std::move(value), text.time, text.voice};
}

}  // namespace

PinAssignment<InputSignal> parseInputAssignment(std::string_view text) {
    const PinAssignment<std::string> assignment = split(text, "PIN=SIGNAL[@TIME]", false);
    return withValue(assignment, parseSignal(assignment.value));
}

PinAssignment<std::string> parseValueAssignment(std::string_view text) { return split(text, "PIN=VALUE@TIME", true); }

PinAssignment<std::string> parseVoiceValueAssignment(std::string_view text) {
    constexpr std::string_view form = "VOICE:PIN=VALUE@TIME";
    const size_t colon = text.find(':');
    const auto voice = colon == std::string_view::npos ? std::nullopt : parseInteger<int32_t>(text.substr(0, colon));
    if (!voice || *voice < 0) throw notOfForm(form, text);
    PinAssignment<std::string> assignment = split(text.substr(colon + 1), form, true);
    assignment.voice = *voice;
    return assignment;
}

PinAssignment<bool> parseStreamingAssignment(std::string_view text) {
    const PinAssignment<std::string> assignment = split(text, "PIN=on|off@TIME", true);
    if (assignment.value != "on" && assignment.value != "off") throw notOfForm("on or off", assignment.value);
    return withValue(assignment, assignment.value == "on");
}

void declareProcessArguments(CLI::App& app, ProcessArguments& arguments) {
    app.add_option("PLUGIN", arguments.plugin, "the plug-in's id or name")->required();
    addLibraryArgument(app, arguments.library);
    app.add_option("--rate", arguments.sampleRate, "sample rate in Hz")
        ->check(finiteNumber(1.0, 1.0e6))
        ->capture_default_str();
    app.add_option("--block", arguments.blockSize, "block size in samples")
        ->transform(wholeNumber(1, 65536))
        ->capture_default_str();
    addParsedOption(app, "--length", arguments.length, SampleTime::parse, "how long to run")
        ->type_name("TIME")
        ->default_str(arguments.length.text());
    app.add_option("--voices", arguments.voices, "voice clones; more than one runs them as polyphonic")
        ->transform(wholeNumber(1, 256))
        ->capture_default_str();
    app.add_option("--countdown", arguments.sleepCountdown, "sleep countdown in samples")
        ->transform(wholeNumber(1))
        ->default_str("the block size");
    addRepeatedOption(app, "--input", arguments.inputs, parseInputAssignment,
                      "an audio input's signal from TIME on, or from the start; inputs not given are silent")
        ->type_name("PIN=SIGNAL[@TIME]");
    addRepeatedOption(app, "--set", arguments.values, parseValueAssignment, "a value for every voice")
        ->type_name("PIN=VALUE@TIME");
    addRepeatedOption(app, "--voice-set", arguments.values, parseVoiceValueAssignment, "a value for one voice only")
        ->type_name("VOICE:PIN=VALUE@TIME");
    addRepeatedOption(app, "--streaming", arguments.streaming, parseStreamingAssignment,
                      "a scripted streaming start or stop")
        ->type_name("PIN=on|off@TIME");
    app.add_option("--out", arguments.outputDirectory, "where the WAV and CSV files go")
        ->type_name("DIR")
        ->default_str(arguments.outputDirectory.string());
    app.footer(FOOTER);
}

}  // namespace zuhost
