#include <cstring>
#include <string>

#include "framework/MpInterfaces.h"
#include "host/audio/Runner.h"
#include "host/description/PluginLibrary.h"
#include "host/validate/Checks.h"
#include "host/validate/ProcessorDrive.h"
#include "host/validate/RandomSource.h"
#include "host/validate/Strictness.h"

namespace zuhost {

namespace {

constexpr AudioConfig determinismConfig{48000.0f, 64};

// Each instance is fed by its own runner from its own identically seeded
// source, so both receive the same inputs.
void scriptFor(Runner& runner, const CheckContext& context, int64_t length) {
    RandomSource random(context.options.seed, context.plugin->id + "/determinism");
    scriptRandomInputs(runner, *context.plugin, random, 0, length);
}

bool sameCall(const CallLog& a, const HostCall& x, const CallLog& b, const HostCall& y) {
    if (x.kind != y.kind || x.time != y.time || x.pin != y.pin || x.streaming != y.streaming || x.size != y.size)
        return false;
    const auto bytesA = a.bytes(x);
    const auto bytesB = b.bytes(y);
    return x.size == 0 || std::memcmp(bytesA.data(), bytesB.data(), bytesA.size()) == 0;
}

void requireSameCalls(const Runner& first, const Runner& second, int64_t blockStart) {
    const auto callsA = first.log().calls();
    const auto callsB = second.log().calls();
    const std::string where = " in the block at sample " + std::to_string(blockStart);
    if (callsA.size() != callsB.size())
        fail("the first instance made " + std::to_string(callsA.size()) + " host calls and the second " +
             std::to_string(callsB.size()) + where);
    for (size_t i = 0; i < callsA.size(); ++i) {
        if (!sameCall(first.log(), callsA[i], second.log(), callsB[i]))
            fail("host call " + std::to_string(i + 1) + where + " differs between the instances (pin " +
                 std::to_string(callsA[i].pin) + " at sample " + std::to_string(callsA[i].time) + ")");
    }
}

void requireSameAudio(const Runner& first, const Runner& second, const PluginDescription& plugin, int64_t blockStart) {
    for (const PinDescription& pin : plugin.audioPins) {
        if (pin.direction != gmpi::MP_OUT || !pin.isAudioRate()) continue;
        const auto a = first.buffer(0, pin.index);
        const auto b = second.buffer(0, pin.index);
        for (size_t i = 0; i < a.size(); ++i) {
            if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0)
                fail(pinName(pin) + " differs at sample " + std::to_string(blockStart + static_cast<int64_t>(i)) +
                     ": " + std::to_string(a[i]) + " and " + std::to_string(b[i]));
        }
    }
}

}  // namespace

Verdict checkDeterminism(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    const PluginDescription& plugin = *context.plugin;
    const auto length =
        static_cast<int64_t>(determinismConfig.sampleRate * 2 * sweepSeconds(context.options.strictness));
    Runner first(audioPinInfos(plugin), runnerSettings(determinismConfig));
    Runner second(audioPinInfos(plugin), runnerSettings(determinismConfig));
    scriptFor(first, context, length);
    scriptFor(second, context, length);
    const PluginCreator create = processorCreator(library, plugin.id);
    openOrFail(first, create);
    openOrFail(second, create);
    // Both instances live side by side, so state shared between them shows.
    for (int64_t blockStart = 0; blockStart < length; blockStart += determinismConfig.blockSize) {
        first.run(determinismConfig.blockSize);
        second.run(determinismConfig.blockSize);
        requireSameCalls(first, second, blockStart);
        requireSameAudio(first, second, plugin, blockStart);
        first.log().clear();
        second.log().clear();
    }
    return passed();
}

}  // namespace zuhost
