// The audio engine's costs, each against a baseline from the same run:
//  - the smoothed output holding a value, against std::fill;
//  - its linear ramp, against a bare loop of the same float recurrence
//    (x += step; buf[i] = x), whose speed is bounded by the latency of one
//    addition per sample;
//  - the block loop with 1 and 8 value events per 64 samples, against the
//    same blocks with none.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bench/RatioTable.h"
#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "framework/SmartAudioPin.h"
#include "host/audio/AudioHost.h"

namespace {

using namespace gmpi;

using zubench::blockSizes;
// A sample rate at which a ramp from 0 to 1 lasts far longer than any run.
constexpr float slowRampSampleRate = 1e9f;
constexpr int32_t streamSamples = 4096;

class Output : public MpBase2 {
public:
    Output() { registerPin(out); }
    SmartAudioPin out;
};

// A host, a plug-in holding one smoothed output, and the output's buffer.
struct OutputFixture {
    OutputFixture(float sampleRate, int32_t samples)
        : host(zuhost::HostSettings{.sampleRate = sampleRate}), buffer(samples) {
        plugin.setHost(&host);
        plugin.setBuffer(0, buffer.data());
    }
    void generate() {
        bool canSleep = true;
        plugin.out.generate(0, static_cast<int32_t>(buffer.size()), canSleep);
        benchmark::ClobberMemory();
    }
    zuhost::AudioHost host;
    Output plugin;
    std::vector<float> buffer;
};

void StdFill(benchmark::State& state) {
    std::vector<float> buffer(static_cast<size_t>(state.range(0)));
    benchmark::DoNotOptimize(buffer.data());
    for (auto _ : state) {
        std::fill(buffer.begin(), buffer.end(), 0.25f);
        benchmark::ClobberMemory();
    }
}

void StaticFill(benchmark::State& state) {
    OutputFixture fixture(48000.0f, static_cast<int32_t>(state.range(0)));
    fixture.plugin.out.setValue(0.25f);
    for (auto _ : state) fixture.generate();
}

void BareRamp(benchmark::State& state) {
    std::vector<float> buffer(static_cast<size_t>(state.range(0)));
    benchmark::DoNotOptimize(buffer.data());
    const float step = 1.0f / (0.015f * slowRampSampleRate);
    float value = 0.0f;
    for (auto _ : state) {
        for (float& sample : buffer) {
            value += step;
            sample = value;
        }
        benchmark::ClobberMemory();
        if (value >= 1.0f) value = 0.0f;
    }
}

void LinearRamp(benchmark::State& state) {
    OutputFixture fixture(slowRampSampleRate, static_cast<int32_t>(state.range(0)));
    SmartAudioPin& out = fixture.plugin.out;
    out.setCurveMode(SmartAudioPin::linear);
    out.setValue(0.0f);
    float target = 1.0f;
    out.setValue(target);
    for (auto _ : state) {
        fixture.generate();
        if (!out.isStreaming()) {
            target = 1.0f - target;
            out.setValue(target);
        }
    }
}

// Takes each control value as the target of its smoothed output, never sleeping.
class Follower : public MpBase2 {
public:
    Follower() {
        registerPin(control);
        registerPin(out);
        setSleep(false);
        setSubProcess(&Follower::run);
    }
    void onSetPins() override { out.setValue(control.getValue()); }
    void run(int32_t count) {
        bool canSleep = true;
        out.generate(getBlockPosition(), count, canSleep);
    }
    FloatInPin control;
    SmartAudioPin out;
};

MpEvent valueEvent(int32_t time, float value) {
    MpEvent event{time, EVENT_PIN_SET, 0, sizeof(float), 0, 0, nullptr, nullptr};
    std::memcpy(&event.parm3, &value, sizeof(float));
    return event;
}

// 4096 samples cut into blocks, with value events spread evenly over them.
// The value never changes, so the output's work is the same with or without
// events and only their handling is measured.
void BlockLoop(benchmark::State& state) {
    const auto blockSize = static_cast<int32_t>(state.range(0));
    const auto eventsPer64 = static_cast<int32_t>(state.range(1));
    std::vector<std::vector<MpEvent>> blocks(streamSamples / blockSize);
    if (eventsPer64 > 0) {
        for (int32_t time = 0; time < streamSamples; time += 64 / eventsPer64)
            blocks[time / blockSize].push_back(valueEvent(time % blockSize, 0.5f));
    }
    for (auto& events : blocks) {
        for (size_t i = 0; i + 1 < events.size(); ++i) events[i].next = &events[i + 1];
    }

    zuhost::AudioHost host;
    Follower plugin;
    plugin.setHost(&host);
    std::vector<float> buffer(blockSize);
    plugin.setBuffer(1, buffer.data());
    const MpEvent first = valueEvent(0, 0.5f);
    plugin.process(blockSize, &first);

    for (auto _ : state) {
        for (const auto& events : blocks) plugin.process(blockSize, events.empty() ? nullptr : events.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(StdFill)->ArgsProduct({blockSizes});
BENCHMARK(StaticFill)->ArgsProduct({blockSizes});
BENCHMARK(BareRamp)->ArgsProduct({blockSizes});
BENCHMARK(LinearRamp)->ArgsProduct({blockSizes});
BENCHMARK(BlockLoop)->ArgsProduct({blockSizes, {0, 1, 8}});

}  // namespace
