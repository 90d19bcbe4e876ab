#include <string>

#include "host/audio/Runner.h"
#include "host/description/PluginLibrary.h"
#include "host/validate/CallChecks.h"
#include "host/validate/Checks.h"
#include "host/validate/ProcessorDrive.h"
#include "host/validate/RandomSource.h"
#include "host/validate/Strictness.h"

namespace zuhost {

namespace {

// At least a few blocks, so that the largest blocks run more than once.
constexpr int64_t fewestSweepBlocks = 4;

int64_t runLength(const AudioConfig& config, int strictness) {
    const auto seconds = static_cast<int64_t>(config.sampleRate * sweepSeconds(strictness));
    return std::max<int64_t>(seconds, fewestSweepBlocks * config.blockSize);
}

// Returns the number of blocks run.
int64_t sweepOne(const CheckContext& context, const PluginLibrary& library, const AudioConfig& config) {
    const PluginDescription& plugin = *context.plugin;
    RandomSource random(context.options.seed, plugin.id + "/sweep/" + config.describe());
    Runner runner(audioPinInfos(plugin), runnerSettings(config));
    const int64_t length = runLength(config, context.options.strictness);
    scriptRandomInputs(runner, plugin, random, 0, length);
    openOrFail(runner, processorCreator(library, plugin.id));
    int64_t blocks = 0;
    runner.run(length, [&](int64_t blockStart, int32_t frames) {
        requireTimesInsideBlock(runner.log(), blockStart, frames);
        requireFiniteOutputs(runner, plugin, blockStart);
        runner.log().clear();
        ++blocks;
    });
    return blocks;
}

}  // namespace

Verdict checkProcessingSweep(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    const std::vector<AudioConfig> configs = sweepConfigs(context.options.strictness);
    int64_t blocks = 0;
    for (const AudioConfig& config : configs)
        within(config.describe(), [&] { blocks += sweepOne(context, library, config); });
    return passed(std::to_string(configs.size()) + " configurations, " + std::to_string(blocks) + " blocks");
}

}  // namespace zuhost
