#include "host/validate/ProcessorDrive.h"

#include <algorithm>

#include "framework/MpInterfaces.h"
#include "host/validate/Check.h"
#include "host/run/ValueBytes.h"

namespace zuhost {

namespace {

constexpr size_t logCallReserve = 1 << 16;
constexpr size_t logByteReserve = 4 << 20;

bool isControlInput(const PinDescription& pin) { return pin.direction == gmpi::MP_IN && !pin.isAudioRate(); }
bool isAudioInput(const PinDescription& pin) { return pin.direction == gmpi::MP_IN && pin.isAudioRate(); }

void scriptAudioInput(Runner& runner, int32_t pin, RandomSource& random, int64_t from, int64_t length) {
    const auto rate = static_cast<double>(runner.settings().host.sampleRate);
    for (int64_t time = from; time < from + length;) {
        if (!random.chance(0.25))
            runner.setInput(pin, Signal::noise(random.seed32()), time);
        else if (random.chance(0.5))
            runner.setInput(pin, Signal::silence(), time);
        else
            runner.setInput(pin, Signal::constant(static_cast<float>(random.real(-1.0, 1.0))), time);
        time += std::max<int64_t>(1, static_cast<int64_t>(rate * random.real(0.005, 0.1)));
    }
}

void scriptValueEvents(Runner& runner, const PinDescription& pin, RandomSource& random, int64_t from, int64_t length) {
    const int32_t block = runner.settings().blockSize;
    for (int64_t blockStart = from; blockStart < from + length; blockStart += block) {
        const int64_t frames = std::min<int64_t>(block, from + length - blockStart);
        for (int64_t events = random.integer(0, 2); events > 0; --events)
            runner.script().setValue(blockStart + random.integer(0, frames - 1), pin.index,
                                     random.value(pin.datatypeCode));
    }
}

}  // namespace

RunnerSettings runnerSettings(const AudioConfig& config) {
    RunnerSettings settings;
    settings.host.sampleRate = config.sampleRate;
    settings.blockSize = config.blockSize;
    settings.logCalls = logCallReserve;
    settings.logBytes = logByteReserve;
    return settings;
}

void openOrFail(Runner& runner, const PluginCreator& create) {
    const int32_t result = runner.open(create);
    if (result != gmpi::MP_OK)
        fail("the processor could not be created and opened (result " + std::to_string(result) + ")");
}

void scriptRandomInputs(Runner& runner, const PluginDescription& plugin, RandomSource& random, int64_t from,
                        int64_t length) {
    for (const PinDescription& pin : plugin.audioPins) {
        if (isAudioInput(pin)) scriptAudioInput(runner, pin.index, random, from, length);
        if (isControlInput(pin)) scriptValueEvents(runner, pin, random, from, length);
    }
}

void scriptStaticInputs(Runner& runner, const PluginDescription& plugin, int64_t time) {
    for (const PinDescription& pin : plugin.audioPins)
        if (isAudioInput(pin)) runner.setInput(pin.index, Signal::silence(), time);
}

void scriptValues(Runner& runner, const PluginDescription& plugin, int64_t time,
                  std::vector<uint8_t> (*value)(int32_t datatypeCode)) {
    for (const PinDescription& pin : plugin.audioPins)
        if (isControlInput(pin)) runner.script().setValue(time, pin.index, value(pin.datatypeCode));
}

std::vector<uint8_t> settledValue(int32_t datatypeCode) {
    switch (datatypeCode) {
        case gmpi::MP_FLOAT32: return valueBytes(1.0f);
        case gmpi::MP_INT32: return valueBytes(int32_t{1});
        case gmpi::MP_BOOL: return valueBytes(uint8_t{1});
        default: return {1, 0};
    }
}

std::vector<uint8_t> wakingValue(int32_t datatypeCode) {
    switch (datatypeCode) {
        case gmpi::MP_FLOAT32: return valueBytes(2.0f);
        case gmpi::MP_INT32: return valueBytes(int32_t{2});
        case gmpi::MP_BOOL: return valueBytes(uint8_t{0});
        default: return {2, 0};
    }
}

std::string pinName(const PinDescription& pin) { return "pin " + std::to_string(pin.index) + " \"" + pin.name + "\""; }

}  // namespace zuhost
