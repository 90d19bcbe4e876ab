// The plug-ins' costs, each against a baseline from the same run:
//  - a whole scope capture (400 samples of two channels taken from blocks,
//    then sent), against memcpy of the same samples in the same pieces, and
//    for blocks shorter than a capture its copying alone (the blocks before
//    the one that fills it);
//  - a slider asleep after its countdown, called with empty blocks as a host
//    that ignored its sleep request would, against a processor whose
//    process returns at once;
//  - a polyphonic scope of 16 voices running through a sine, against memcpy
//    of the samples the host hands those voices.
// Processors are created through the library's factory and called through
// IMpPlugin2, as a host calls them; the host answers like the substitute host
// but records nothing (QuietHost).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <vector>

#include "bench/QuietHost.h"
#include "bench/RatioTable.h"
#include "framework/ComRef.h"
#include "framework/MpFactory.h"
#include "framework/MpInterfaces.h"
#include "framework/MpPluginBase.h"
#include "host/audio/EventList.h"
#include "modules/scope/Scope3.h"

namespace {

using zubench::QuietHost;

constexpr int32_t captureSamples = zu::Scope3::captureSamples;
constexpr int32_t voiceCount = 16;
// Scope pin indices ("ZU Scope3 XP") and the slider's.
constexpr int32_t signalA = 2;
constexpr int32_t signalB = 3;
constexpr int32_t voiceActive = 4;
constexpr int32_t sliderIn = 0;
constexpr int32_t sliderOut = 1;

// One processor as a host holds it: its IMpPlugin2 part with one reference,
// given its host. Made by the library's factory, or handed over just made.
class Processor {
public:
    Processor(const char16_t* id, QuietHost& host) : Processor(create(id, host), host) {}
    Processor(gmpi::ComRef<gmpi::IMpUnknown> created, QuietHost& host)
        : plugin_(created.as<gmpi::IMpPlugin2>(gmpi::MP_IID_PLUGIN2)) {
        if (plugin_) plugin_->setHost(&host);
    }
    Processor(const Processor&) = delete;
    Processor& operator=(const Processor&) = delete;

    // The interface a host calls, hidden from the optimiser so that calls stay virtual.
    gmpi::IMpPlugin2* operator->() {
        gmpi::IMpPlugin2* plugin = plugin_.get();
        benchmark::DoNotOptimize(plugin);
        return plugin;
    }

private:
    static gmpi::ComRef<gmpi::IMpUnknown> create(const char16_t* id, QuietHost& host) {
        gmpi::ComRef<gmpi::IMpUnknown> object;
        gmpi::getFactory().createInstance(id, gmpi::MP_SUB_TYPE_AUDIO, &host, object.put());
        return object;
    }

    gmpi::ComRef<gmpi::IMpPlugin2> plugin_;
};

template <class T>
std::array<uint8_t, 4> bytesOf(T value) {
    static_assert(sizeof(T) == 4);
    std::array<uint8_t, 4> bytes;
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

// A sine of `period` samples, long enough that a block of up to maxBlock
// samples can start anywhere in its first ringSamples samples.
constexpr int32_t ringSamples = 8192;
constexpr int32_t maxBlock = 4096;
std::vector<float> sineRing(int32_t period) {
    std::vector<float> samples(ringSamples + maxBlock);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] =
            std::sin(2.0f * std::numbers::pi_v<float> * static_cast<float>(i % period) / static_cast<float>(period));
    return samples;
}

// Two sines for a scope's two inputs. Voice `voice` reads its block at its
// own place in them, moving on by a block each time.
struct ScopeInputs {
    std::vector<float> a = sineRing(512);
    std::vector<float> b = sineRing(1024);
    static int32_t start(int32_t voice, int64_t block, int32_t blockSize) {
        return static_cast<int32_t>((voice * 37 + block * blockSize) % ringSamples);
    }
};

// First block of a scope voice: graph start, both inputs streaming (so that
// it never goes idle) and its voice active (so that it sends).
void startScope(Processor& scope, int32_t blockSize) {
    zuhost::EventList events;
    events.addGraphStart(0);
    events.addStreaming(0, signalA, true);
    events.addStreaming(0, signalB, true);
    events.add(0, gmpi::EVENT_PIN_SET, voiceActive, bytesOf(1.0f));
    scope->process(blockSize, events.first());
}

// A free-running scope that the benchmark can set capturing at will.
class CaptureProbe : public zu::Scope3 {
public:
    void restartCapture() { startCaptureAt(0, 0); }
};

// Blocks of blockSize covering one capture; the last may reach past it.
int32_t blocksPerCapture(int32_t blockSize) { return (captureSamples + blockSize - 1) / blockSize; }
// Blocks of blockSize that a capture takes whole without filling; none for a block of a capture or more.
int32_t blocksBeforeFull(int32_t blockSize) { return (captureSamples - 1) / blockSize; }

void copyInPieces(benchmark::State& state, int32_t samples) {
    const auto blockSize = static_cast<int32_t>(state.range(0));
    const ScopeInputs inputs;
    std::array<float, captureSamples> captureA{};
    std::array<float, captureSamples> captureB{};
    for (auto _ : state) {
        for (int32_t taken = 0; taken < samples;) {
            const int32_t n = std::min(blockSize, samples - taken);
            std::memcpy(captureA.data() + taken, inputs.a.data(), n * sizeof(float));
            std::memcpy(captureB.data() + taken, inputs.b.data(), n * sizeof(float));
            taken += n;
        }
        benchmark::ClobberMemory();
    }
}

void CaptureMemcpy(benchmark::State& state) { copyInPieces(state, captureSamples); }
void CopyingMemcpy(benchmark::State& state) {
    copyInPieces(state, blocksBeforeFull(static_cast<int32_t>(state.range(0))) * static_cast<int32_t>(state.range(0)));
}

void captureInBlocks(benchmark::State& state, int32_t blocks) {
    const auto blockSize = static_cast<int32_t>(state.range(0));
    ScopeInputs inputs;
    QuietHost host;
    auto* probe = new CaptureProbe();
    Processor scope(gmpi::ComRef<gmpi::IMpUnknown>::adopt(static_cast<gmpi::IMpPlugin*>(probe)), host);
    scope->open();
    scope->setBuffer(signalA, inputs.a.data());
    scope->setBuffer(signalB, inputs.b.data());
    startScope(scope, blockSize);
    const int64_t sentBefore = host.valuesSent();
    for (auto _ : state) {
        probe->restartCapture();
        for (int32_t block = 0; block < blocks; ++block) scope->process(blockSize, nullptr);
    }
    const int64_t captures = blocks == blocksPerCapture(blockSize) ? state.iterations() : 0;
    if (host.valuesSent() - sentBefore != 2 * captures) state.SkipWithError("not the captures intended");
}

void ScopeCapture(benchmark::State& state) {
    captureInBlocks(state, blocksPerCapture(static_cast<int32_t>(state.range(0))));
}
void ScopeCopying(benchmark::State& state) {
    captureInBlocks(state, blocksBeforeFull(static_cast<int32_t>(state.range(0))));
}

void EmptyProcess(benchmark::State& state) {
    // A processor with nothing to do: the least a host can pay for calling one.
    class Empty : public gmpi::MpPluginBase {
    public:
        int32_t process(int32_t, const gmpi::MpEvent*) override { return gmpi::MP_OK; }
        void onStreamingChange(bool) override {}
    };
    const auto blockSize = static_cast<int32_t>(state.range(0));
    const auto empty = gmpi::ComRef<gmpi::IMpPlugin2>::adopt(new Empty());
    gmpi::IMpPlugin2* plugin = empty.get();
    for (auto _ : state) {
        benchmark::DoNotOptimize(plugin);
        plugin->process(blockSize, nullptr);
    }
}

void IdleSlider(benchmark::State& state) {
    const auto blockSize = static_cast<int32_t>(state.range(0));
    std::vector<float> out(blockSize);
    QuietHost host;
    Processor slider(u"ZU Slider", host);
    slider->setBuffer(sliderOut, out.data());
    slider->open();
    zuhost::EventList events;
    events.addGraphStart(0);
    events.add(0, gmpi::EVENT_PIN_SET, sliderIn, bytesOf(5.0f));
    slider->process(blockSize, events.first());
    // Its output holds still at once, so it asks for sleep after the host's countdown.
    for (int block = 0; block < 1000 && host.sleepRequests() == 0; ++block) slider->process(blockSize, nullptr);
    if (host.sleepRequests() == 0) state.SkipWithError("the slider never asked for sleep");
    for (auto _ : state) slider->process(blockSize, nullptr);
}

void PolyScopeMemcpy(benchmark::State& state) {
    const auto blockSize = static_cast<int32_t>(state.range(0));
    const ScopeInputs inputs;
    std::vector<float> copies(2 * voiceCount * blockSize);
    int64_t block = 0;
    for (auto _ : state) {
        for (int32_t voice = 0; voice < voiceCount; ++voice) {
            const int32_t start = inputs.start(voice, block, blockSize);
            float* copyA = copies.data() + 2 * voice * blockSize;
            std::memcpy(copyA, inputs.a.data() + start, blockSize * sizeof(float));
            std::memcpy(copyA + blockSize, inputs.b.data() + start, blockSize * sizeof(float));
        }
        benchmark::ClobberMemory();
        ++block;
    }
}

void PolyScope(benchmark::State& state) {
    const auto blockSize = static_cast<int32_t>(state.range(0));
    ScopeInputs inputs;
    auto memory = std::make_shared<zuhost::SharedMemory>();
    const zuhost::HostSettings settings{.polyphonic = true, .handle = zuhost::newModuleHandle()};
    std::vector<std::unique_ptr<QuietHost>> hosts;
    std::vector<std::unique_ptr<Processor>> voices;
    for (int32_t voice = 0; voice < voiceCount; ++voice) {
        hosts.push_back(std::make_unique<QuietHost>(settings, memory));
        voices.push_back(std::make_unique<Processor>(u"ZU Scope3 XP", *hosts.back()));
        Processor& scope = *voices.back();
        scope->open();
        scope->setBuffer(signalA, inputs.a.data() + inputs.start(voice, 0, blockSize));
        scope->setBuffer(signalB, inputs.b.data() + inputs.start(voice, 0, blockSize));
        startScope(scope, blockSize);
    }
    const int64_t sentAtStart = hosts.back()->valuesSent();
    int64_t block = 1;
    for (auto _ : state) {
        for (int32_t voice = 0; voice < voiceCount; ++voice) {
            const int32_t start = inputs.start(voice, block, blockSize);
            Processor& scope = *voices[voice];
            scope->setBuffer(signalA, inputs.a.data() + start);
            scope->setBuffer(signalB, inputs.b.data() + start);
            scope->process(blockSize, nullptr);
        }
        ++block;
    }
    // Only the voice activated last sends: a second of sine holds about twenty captures.
    if (block * blockSize > 48000 && hosts.back()->valuesSent() == sentAtStart)
        state.SkipWithError("the current voice sent no capture");
}

BENCHMARK(CaptureMemcpy)->ArgsProduct({zubench::blockSizes});
BENCHMARK(ScopeCapture)->ArgsProduct({zubench::blockSizes});
BENCHMARK(CopyingMemcpy)->ArgsProduct({{16, 64}});
BENCHMARK(ScopeCopying)->ArgsProduct({{16, 64}});
BENCHMARK(EmptyProcess)->ArgsProduct({zubench::blockSizes});
BENCHMARK(IdleSlider)->ArgsProduct({zubench::blockSizes});
BENCHMARK(PolyScopeMemcpy)->ArgsProduct({zubench::blockSizes});
BENCHMARK(PolyScope)->ArgsProduct({zubench::blockSizes});

}  // namespace
