#include <algorithm>
#include <string>

#include "host/audio/Runner.h"
#include "host/description/PluginLibrary.h"
#include "host/validate/Checks.h"
#include "host/validate/CountingProcessor.h"
#include "host/validate/ProcessorDrive.h"
#include "host/validate/RandomSource.h"
#include "host/validate/Strictness.h"

namespace zuhost {

namespace {

constexpr size_t MAX_CONFIGS = 3;
constexpr int64_t WARM_UP_BLOCKS = 8;
constexpr double WARM_UP_SECONDS = 0.1;
constexpr int64_t MIN_MEASURED_BLOCKS = 32;

void measureOne(const CheckContext& context, const PluginLibrary& library, const AudioConfig& config) {
    const PluginDescription& plugin = *context.plugin;
    RandomSource random(context.options.seed, plugin.id + "/real-time/" + config.describe());
    Runner runner(pinInfos(plugin), runnerSettings(config));
    const int64_t warmUp = std::max<int64_t>(WARM_UP_BLOCKS * config.blockSize,
                                             static_cast<int64_t>(config.sampleRate * WARM_UP_SECONDS));
    const int64_t measured = std::max<int64_t>(MIN_MEASURED_BLOCKS * config.blockSize,
                                               static_cast<int64_t>(config.sampleRate * sweepSeconds(context.options.strictness)));
    // Plain "on" values first, so that work a processor does once when it
    // first becomes active falls into the warm-up.
    scriptValues(runner, plugin, 0, settledValue);
    scriptRandomInputs(runner, plugin, random, 0, warmUp + measured);

    CountingProcessor* probe = nullptr;
    const PluginCreator create = processorCreator(library, plugin);
    openOrFail(runner, [&](gmpi::IMpUnknown* host) -> gmpi::IMpUnknown* {
        gmpi::IMpUnknown* processor = create(host);
        if (processor == nullptr) return nullptr;
        probe = new CountingProcessor(processor);
        return static_cast<gmpi::IMpPlugin*>(probe);
    });
    const auto drain = [&](int64_t, int32_t) { runner.log().clear(); };
    runner.run(warmUp, drain);
    probe->startCounting();
    runner.run(measured, drain);

    const CallCounts& counts = probe->counts();
    if (counts.allocations == 0 && counts.locks == 0) return;
    fail("process allocated " + std::to_string(counts.allocations) + " times and took " + std::to_string(counts.locks) +
         " locks in " + std::to_string(probe->countedCalls()) + " calls after a warm-up of " +
         std::to_string(warmUp / config.blockSize) + " blocks, first in call " +
         std::to_string(probe->firstOffendingCall() + 1) + " after the warm-up");
}

}  // namespace

Verdict checkRealTimeSafety(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    std::vector<AudioConfig> configs = sweepConfigs(context.options.strictness);
    configs.resize(std::min(configs.size(), MAX_CONFIGS));
    for (const AudioConfig& config : configs) {
        within(config.describe(), [&] { measureOne(context, library, config); });
    }
    return passed(std::to_string(configs.size()) + " configurations");
}

}  // namespace zuhost
