#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "framework/MpInterfaces.h"
#include "host/audio/Runner.h"
#include "host/description/PluginLibrary.h"
#include "host/validate/Checks.h"
#include "host/validate/ProcessorDrive.h"
#include "host/validate/RandomSource.h"

namespace zuhost {

namespace {

constexpr AudioConfig sleepConfig{44100.0f, 64};
constexpr double activeSeconds = 0.2;
// Time a processor may take to finish what its inputs started (a ramp, a
// pending capture) before it must sleep.
constexpr double settleLimitSeconds = 2.0;
constexpr double answerSeconds = 1.0;

struct Timeline {
    int64_t settled;  // every input static from here
    int64_t wake;     // the event that must wake the processor
    int64_t end;
};

// Follows a run block by block: when the processor first asks for sleep once
// its inputs are static, its last output activity before that, and whether
// it answers the waking event.
class SleepWatch {
public:
    SleepWatch(const Runner& runner, const PluginDescription& plugin, const Timeline& timeline)
        : runner_(runner), plugin_(plugin), timeline_(timeline), lastActivity_(timeline.settled) {}

    void observe(int64_t blockStart, int32_t frames) {
        for (const HostCall& call : runner_.log().calls()) {
            if (call.kind == HostCall::Kind::Sleep)
                noteSleep(blockStart, frames);
            else
                noteActivity(call);
        }
        noteOutputChanges(blockStart);
    }

    std::optional<int64_t> sleptAt() const { return sleptAt_; }
    int64_t lastActivity() const { return lastActivity_; }
    std::optional<int64_t> answeredAt() const { return answeredAt_; }

private:
    void noteSleep(int64_t blockStart, int32_t frames) {
        for (const auto& [pin, streaming] : streaming_) {
            if (streaming)
                fail("asked for sleep in the block at sample " + std::to_string(blockStart) + " while pin " +
                     std::to_string(pin) + " was streaming: its output would freeze mid-change");
        }
        if (!sleptAt_ && blockStart + frames > timeline_.settled && blockStart < timeline_.wake) sleptAt_ = blockStart;
    }

    void noteActivity(const HostCall& call) {
        if (call.kind == HostCall::Kind::PinStreaming) streaming_[call.pin] = call.streaming;
        if (call.time >= timeline_.settled && !sleptAt_) lastActivity_ = std::max(lastActivity_, call.time);
        if (call.time >= timeline_.wake && !answeredAt_) answeredAt_ = call.time;
    }

    void noteOutputChanges(int64_t blockStart) {
        for (const PinDescription& pin : plugin_.audioPins) {
            if (pin.direction != gmpi::MP_OUT || !pin.isAudioRate()) continue;
            const auto samples = runner_.buffer(0, pin.index);
            float& held = heldSample_[pin.index];
            for (size_t i = 0; i < samples.size(); ++i) {
                const int64_t time = blockStart + static_cast<int64_t>(i);
                if (time >= timeline_.wake && samples[i] != held && !answeredAt_) answeredAt_ = time;
                held = samples[i];
            }
        }
    }

    const Runner& runner_;
    const PluginDescription& plugin_;
    Timeline timeline_;
    std::map<int32_t, bool> streaming_;
    std::map<int32_t, float> heldSample_;
    int64_t lastActivity_;
    std::optional<int64_t> sleptAt_;
    std::optional<int64_t> answeredAt_;
};

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

bool hasControlInput(const PluginDescription& plugin) {
    return std::any_of(plugin.audioPins.begin(), plugin.audioPins.end(),
                       [](const PinDescription& pin) { return pin.direction == gmpi::MP_IN && !pin.isAudioRate(); });
}

bool hasInput(const PluginDescription& plugin) {
    return std::any_of(plugin.audioPins.begin(), plugin.audioPins.end(),
                       [](const PinDescription& pin) { return pin.direction == gmpi::MP_IN; });
}

void scriptWake(Runner& runner, const PluginDescription& plugin, RandomSource& random, int64_t time) {
    if (hasControlInput(plugin)) {
        scriptValues(runner, plugin, time, wakingValue);
        return;
    }
    for (const PinDescription& pin : plugin.audioPins)
        if (pin.direction == gmpi::MP_IN && pin.isAudioRate())
            runner.setInput(pin.index, Signal::noise(random.seed32()), time);
}

}  // namespace

Verdict checkSleep(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    const PluginDescription& plugin = *context.plugin;
    RandomSource random(context.options.seed, plugin.id + "/sleep");
    const RunnerSettings settings = runnerSettings(sleepConfig);
    Runner runner(audioPinInfos(plugin), settings);

    const auto rate = static_cast<double>(sleepConfig.sampleRate);
    Timeline timeline;
    timeline.settled = hasInput(plugin) ? static_cast<int64_t>(rate * activeSeconds) : 0;
    timeline.wake = timeline.settled + static_cast<int64_t>(rate * settleLimitSeconds) + 4 * sleepConfig.blockSize;
    timeline.end = timeline.wake + static_cast<int64_t>(rate * answerSeconds);
    scriptRandomInputs(runner, plugin, random, 0, timeline.settled);
    scriptStaticInputs(runner, plugin, timeline.settled);
    scriptValues(runner, plugin, timeline.settled, settledValue);
    scriptWake(runner, plugin, random, timeline.wake);
    openOrFail(runner, processorCreator(library, plugin.id));

    SleepWatch watch(runner, plugin, timeline);
    runner.run(timeline.end, [&](int64_t blockStart, int32_t frames) {
        watch.observe(blockStart, frames);
        runner.log().clear();
    });

    const std::string settledText = "every input turned static at sample " + std::to_string(timeline.settled);
    if (!watch.sleptAt())
        fail(settledText + " (outputs last active at sample " + std::to_string(watch.lastActivity()) +
             ") but the processor did not ask for sleep within " + secondsText(settleLimitSeconds));
    const int32_t countdown = settings.host.sleepCountdown;
    const int64_t allowed = watch.lastActivity() + countdown + sleepConfig.blockSize;
    if (*watch.sleptAt() > allowed)
        fail(settledText + " and its outputs last changed at sample " + std::to_string(watch.lastActivity()) +
             ", but it asked for sleep only in the block at sample " + std::to_string(*watch.sleptAt()) +
             "; expected within the host's countdown (" + std::to_string(countdown) + ") plus one block (" +
             std::to_string(sleepConfig.blockSize) + ")");
    if (!hasInput(plugin)) return passed("slept; it has no input to wake it");
    if (!watch.answeredAt())
        fail("slept from sample " + std::to_string(*watch.sleptAt()) + " but did not answer the event at sample " +
             std::to_string(timeline.wake) + ": within " + secondsText(answerSeconds) +
             " it sent nothing and its audio outputs did not change");
    return passed("inputs static from sample " + std::to_string(timeline.settled) + ", outputs from " +
                  std::to_string(watch.lastActivity()) + ", sleep asked in the block at " +
                  std::to_string(*watch.sleptAt()) + "; answered the waking event after " +
                  std::to_string(*watch.answeredAt() - timeline.wake) + " samples");
}

}  // namespace zuhost
