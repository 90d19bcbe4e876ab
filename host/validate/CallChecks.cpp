#include "host/validate/CallChecks.h"

#include <cmath>
#include <cstring>
#include <string>

#include "framework/MpInterfaces.h"
#include "host/validate/Check.h"
#include "host/validate/ProcessorDrive.h"

namespace zuhost {

namespace {

// What is wrong with a sample, or null when it is a normal number or zero.
const char* abnormality(float sample) {
    switch (std::fpclassify(sample)) {
        case FP_NAN: return "NaN";
        case FP_INFINITE: return "infinity";
        case FP_SUBNORMAL: return "a subnormal number";
        default: return nullptr;
    }
}

const char* callKind(const HostCall& call) {
    return call.kind == HostCall::Kind::PinValue ? "value" : "streaming change";
}

// The size a value of this datatype has, or -1 when any size is sound.
int32_t valueSize(int32_t datatypeCode) {
    switch (datatypeCode) {
        case gmpi::MP_FLOAT32:
        case gmpi::MP_INT32: return 4;
        case gmpi::MP_BOOL: return 1;
        default: return -1;
    }
}

void requireDescribedValue(const HostCall& call, const PluginDescription& plugin) {
    const PinDescription* pin = plugin.findAudioPin(call.pin);
    const std::string at = " at sample " + std::to_string(call.time);
    if (pin == nullptr)
        fail("sent a value to pin " + std::to_string(call.pin) + at + ", which the description does not name");
    if (pin->direction != gmpi::MP_OUT || pin->isAudioRate())
        fail("sent a value to " + pinName(*pin) + at + ", which is not a value output");
    const int32_t expected = valueSize(pin->datatypeCode);
    if (expected >= 0 && static_cast<int32_t>(call.size) != expected)
        fail("sent " + std::to_string(call.size) + " bytes to " + pinName(*pin) + " (" + pin->datatype + ")" + at +
             "; its datatype has " + std::to_string(expected));
}

void requireDescribedStreaming(const HostCall& call, const PluginDescription& plugin) {
    const PinDescription* pin = plugin.findAudioPin(call.pin);
    if (pin == nullptr || pin->direction != gmpi::MP_OUT || !pin->isAudioRate())
        fail("reported streaming on pin " + std::to_string(call.pin) + " at sample " + std::to_string(call.time) +
             ", which is not a described audio output");
}

void requireFiniteValue(const CallLog& log, const HostCall& call, const PluginDescription& plugin) {
    const PinDescription* pin = plugin.findAudioPin(call.pin);
    if (pin == nullptr || pin->datatypeCode != gmpi::MP_FLOAT32 || call.size != sizeof(float)) return;
    float value;
    std::memcpy(&value, log.bytes(call).data(), sizeof value);
    if (const char* problem = abnormality(value))
        fail("sent " + std::string(problem) + " on " + pinName(*pin) + " at sample " + std::to_string(call.time));
}

void requireFiniteSamples(std::span<const float> samples, const PinDescription& pin, int64_t blockStart) {
    for (size_t i = 0; i < samples.size(); ++i) {
        if (const char* problem = abnormality(samples[i]))
            fail("wrote " + std::string(problem) + " to " + pinName(pin) + " at sample " +
                 std::to_string(blockStart + static_cast<int64_t>(i)));
    }
}

}  // namespace

void requireTimesInsideBlock(const CallLog& log, int64_t blockStart, int32_t frames) {
    int64_t previous = blockStart;
    for (const HostCall& call : log.calls()) {
        if (call.kind == HostCall::Kind::Sleep) continue;
        const std::string what = std::string(callKind(call)) + " on pin " + std::to_string(call.pin);
        if (call.time < blockStart || call.time >= blockStart + frames)
            fail("sent a " + what + " stamped " + std::to_string(call.time - blockStart) + " in a block of " +
                 std::to_string(frames) + " samples starting at sample " + std::to_string(blockStart));
        if (call.time < previous)
            fail("sent a " + what + " at sample " + std::to_string(call.time) + " after one at sample " +
                 std::to_string(previous) + ": times go backwards");
        previous = call.time;
    }
}

void requireDescribedOutputs(const CallLog& log, const PluginDescription& plugin) {
    for (const HostCall& call : log.calls()) {
        if (call.kind == HostCall::Kind::PinValue) requireDescribedValue(call, plugin);
        if (call.kind == HostCall::Kind::PinStreaming) requireDescribedStreaming(call, plugin);
    }
}

void requireFiniteOutputs(const Runner& runner, const PluginDescription& plugin, int64_t blockStart) {
    for (const HostCall& call : runner.log().calls())
        if (call.kind == HostCall::Kind::PinValue) requireFiniteValue(runner.log(), call, plugin);
    for (const PinDescription& pin : plugin.audioPins) {
        if (pin.direction != gmpi::MP_OUT || !pin.isAudioRate()) continue;
        for (int32_t voice = 0; voice < runner.voiceCount(); ++voice)
            requireFiniteSamples(runner.buffer(voice, pin.index), pin, blockStart);
    }
}

}  // namespace zuhost
