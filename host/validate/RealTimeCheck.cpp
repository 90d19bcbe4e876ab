#include <algorithm>
#include <string>
#include <utility>

#include "host/audio/Runner.h"
#include "host/description/PluginLibrary.h"
#include "host/validate/Checks.h"
#include "host/validate/CountingProcessor.h"
#include "host/run/OffendingSites.h"
#include "host/validate/ProcessorDrive.h"
#include "host/validate/RandomSource.h"
#include "host/validate/Strictness.h"

namespace zuhost {

namespace {

constexpr size_t maxConfigs = 3;
constexpr int64_t warmUpBlocks = 8;
constexpr double warmUpSeconds = 0.1;
constexpr int64_t minMeasuredBlocks = 32;
// A host may run any module as per-voice clones; voices that come and go
// take paths a single instance never does.
constexpr AudioConfig polyphonicConfig{44100.0f, 64};
constexpr int32_t polyphonicVoices = 2;

struct Setup {
    AudioConfig config;
    int32_t voices = 1;

    std::string describe() const {
        return config.describe() + (voices > 1 ? ", " + std::to_string(voices) + " polyphonic voices" : "");
    }
};

// What the probes of all voices counted.
struct Tally {
    CallCounts counts;
    int64_t calls = 0;
    int64_t firstOffendingCall = -1;

    void add(const CountingProcessor& probe) {
        counts.allocations += probe.counts().allocations;
        counts.locks += probe.counts().locks;
        calls += probe.countedCalls();
        const int64_t first = probe.firstOffendingCall();
        if (first >= 0 && (firstOffendingCall < 0 || first < firstOffendingCall)) firstOffendingCall = first;
    }
};

RunnerSettings settingsFor(const Setup& setup) {
    RunnerSettings settings = runnerSettings(setup.config);
    settings.voices = setup.voices;
    settings.host.polyphonic = setup.voices > 1;
    return settings;
}

void measureOne(const CheckContext& context, const PluginLibrary& library, const Setup& setup) {
    const PluginDescription& plugin = *context.plugin;
    const AudioConfig& config = setup.config;
    RandomSource random(context.options.seed, plugin.id + "/real-time/" + setup.describe());
    Runner runner(audioPinInfos(plugin), settingsFor(setup));
    const int64_t warmUp =
        std::max<int64_t>(warmUpBlocks * config.blockSize, static_cast<int64_t>(config.sampleRate * warmUpSeconds));
    const int64_t measured =
        std::max<int64_t>(minMeasuredBlocks * config.blockSize,
                          static_cast<int64_t>(config.sampleRate * sweepSeconds(context.options.strictness)));
    // Plain "on" values first, so that work a processor does once when it
    // first becomes active falls into the warm-up.
    scriptValues(runner, plugin, 0, settledValue);
    scriptRandomInputs(runner, plugin, random, 0, warmUp + measured);

    std::vector<CountingProcessor*> probes;
    const PluginCreator create = processorCreator(library, plugin.id);
    openOrFail(runner, [&](gmpi::IMpUnknown* host) -> gmpi::IMpUnknown* {
        auto processor = gmpi::ComRef<gmpi::IMpUnknown>::adopt(create(host));
        if (!processor) return nullptr;
        probes.push_back(new CountingProcessor(std::move(processor)));
        return static_cast<gmpi::IMpPlugin*>(probes.back());
    });
    const auto drain = [&](int64_t, int32_t) { runner.log().clear(); };
    runner.run(warmUp, drain);
    for (CountingProcessor* probe : probes) probe->startCounting();
    clearOffendingSites();
    runner.run(measured, drain);

    Tally tally;
    for (const CountingProcessor* probe : probes) tally.add(*probe);
    if (tally.counts.allocations == 0 && tally.counts.locks == 0) return;
    fail("process allocated " + std::to_string(tally.counts.allocations) + " times and took " +
         std::to_string(tally.counts.locks) + " locks in " + std::to_string(tally.calls) +
         " calls after a warm-up of " + std::to_string(warmUp / config.blockSize) + " blocks, first in call " +
         std::to_string(tally.firstOffendingCall + 1) + " after the warm-up\n" + describeOffendingSites());
}

}  // namespace

Verdict checkRealTimeSafety(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    std::vector<Setup> setups;
    for (const AudioConfig& config : sweepConfigs(context.options.strictness))
        if (setups.size() < maxConfigs) setups.push_back({config, 1});
    setups.push_back({polyphonicConfig, polyphonicVoices});
    for (const Setup& setup : setups) within(setup.describe(), [&] { measureOne(context, library, setup); });
    return passed(std::to_string(setups.size()) + " configurations");
}

}  // namespace zuhost
