#include <algorithm>
#include <string>
#include <vector>

#include "framework/MpInterfaces.h"
#include "host/audio/AudioHost.h"
#include "host/audio/Runner.h"
#include "host/description/PluginLibrary.h"
#include "host/validate/CallChecks.h"
#include "host/validate/Checks.h"
#include "host/validate/DirectProcessor.h"
#include "host/validate/ProcessorDrive.h"
#include "host/validate/RandomSource.h"

namespace zuhost {

namespace {

constexpr int32_t blockSize = 64;
constexpr float sampleRate = 48000.0f;

std::string directionName(int32_t direction) { return direction == gmpi::MP_OUT ? "out" : "in"; }

void requireAnswersPluginInterface(const PluginRef<gmpi::IMpUnknown>& object, const std::string& how) {
    if (!object.as<gmpi::IMpPlugin2>(gmpi::MP_IID_PLUGIN2) && !object.as<gmpi::IMpPlugin>(gmpi::MP_IID_PLUGIN))
        fail("the object from " + how + " answers neither IMpPlugin2 nor IMpPlugin");
}

int32_t nextIndex(const PluginDescription& plugin) {
    int32_t largest = -1;
    for (const PinDescription& pin : plugin.audioPins) largest = std::max(largest, pin.index);
    return largest + 1;
}

}  // namespace

Verdict checkCreatesProcessor(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    requireAnswersPluginInterface(library.createInstance(context.plugin->id, gmpi::MP_SUB_TYPE_AUDIO),
                                  "createInstance2");
    AudioHost host;
    requireAnswersPluginInterface(library.createInstance(context.plugin->id, gmpi::MP_SUB_TYPE_AUDIO, &host),
                                  "createInstance");
    return passed();
}

Verdict checkCreatesPanel(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    library.createInstance(context.plugin->id, gmpi::MP_SUB_TYPE_GUI);
    return passed();
}

Verdict checkPinIndices(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    AudioHost host;
    DirectProcessor processor(library, *context.plugin, host, blockSize);
    processor.setBuffers();
    if (const int32_t result = processor.open(); result != gmpi::MP_OK) fail("open answered " + std::to_string(result));
    std::vector<float> buffer(blockSize, 0.0f);
    for (const PinDescription& pin : context.plugin->audioPins) {
        const int32_t result = processor.setBuffer(pin.index, buffer.data());
        if (result != gmpi::MP_OK)
            fail("the description names " + pinName(pin) + " (" + pin.datatype + " " + directionName(pin.direction) +
                 ") but after open setBuffer(" + std::to_string(pin.index) + ") answered " + std::to_string(result) +
                 ": the processor registers no pin there");
    }
    const int32_t beyond = nextIndex(*context.plugin);
    if (const int32_t result = processor.setBuffer(beyond, buffer.data()); result != gmpi::MP_FAIL)
        fail("setBuffer(" + std::to_string(beyond) + ") answered " + std::to_string(result) +
             ", but the description names no pin there; expected -1");
    return passed(std::to_string(context.plugin->audioPins.size()) + " pins");
}

Verdict checkOutputValues(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    const PluginDescription& plugin = *context.plugin;
    RandomSource random(context.options.seed, plugin.id + "/output values");
    Runner runner(audioPinInfos(plugin), runnerSettings({sampleRate, blockSize}));
    const auto length = static_cast<int64_t>(sampleRate * 0.2 * context.options.strictness);
    scriptRandomInputs(runner, plugin, random, 0, length);
    openOrFail(runner, processorCreator(library, plugin.id));
    int64_t values = 0;
    int64_t streamingChanges = 0;
    runner.run(length, [&](int64_t blockStart, int32_t frames) {
        requireDescribedOutputs(runner.log(), plugin);
        requireTimesInsideBlock(runner.log(), blockStart, frames);
        for (const HostCall& call : runner.log().calls()) {
            values += call.kind == HostCall::Kind::PinValue;
            streamingChanges += call.kind == HostCall::Kind::PinStreaming;
        }
        runner.log().clear();
    });
    return passed(std::to_string(values) + " values and " + std::to_string(streamingChanges) +
                  " streaming changes sent");
}

}  // namespace zuhost
