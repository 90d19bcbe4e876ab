#include "host/run/PinAssignment.h"

#include <utility>

#include "host/command/NumberText.h"
#include "host/command/UsageError.h"

namespace zuhost {

namespace {

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

}  // namespace zuhost
