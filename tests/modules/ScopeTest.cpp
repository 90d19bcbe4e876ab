#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "host/audio/AudioHost.h"
#include "host/audio/SharedMemory.h"
#include "tests/modules/ModuleTestSupport.h"

namespace {

using namespace moduletest;
using zuhost::allVoices;
using zuhost::Runner;
using zuhost::RunnerSettings;
using zuhost::Signal;

constexpr float sampleRate = 48000.0f;
constexpr int32_t captureSamples = 400;
constexpr int32_t holdOff = 48000 / 25;
constexpr int32_t timeOut = 48000 / 3;

// Pin indices of the free-running scope; the triggered scope's are one higher.
constexpr int32_t captureA = 0;
constexpr int32_t captureB = 1;
constexpr int32_t signalA = 2;
constexpr int32_t signalB = 3;
constexpr int32_t voiceActive = 4;
constexpr int32_t polyDetect = 5;

RunnerSettings scopeSettings(int32_t voices = 1, bool polyphonic = false) {
    RunnerSettings settings;
    settings.host.sampleRate = sampleRate;
    settings.host.polyphonic = polyphonic;
    settings.voices = voices;
    settings.logBytes = 4 * 1024 * 1024;
    return settings;
}

std::vector<float> rendered(const Signal& signal, int64_t samples) {
    std::vector<float> out(static_cast<size_t>(samples));
    signal.render(0, sampleRate, out);
    return out;
}

// Where a capture sent at `sent` starts in the source, or -1. A capture is sent
// in the call during which it filled, so it starts at most a capture and a
// block earlier; searching only there keeps periodic signals unambiguous.
int64_t findCapture(const std::vector<float>& source, const SentValue& capture) {
    const std::vector<float> samples = asFloats(capture);
    const int64_t from = std::max<int64_t>(0, capture.time - captureSamples - 64);
    const int64_t to = std::min<int64_t>(static_cast<int64_t>(source.size()), capture.time + captureSamples + 64);
    const auto found = std::search(source.begin() + from, source.begin() + to, samples.begin(), samples.end());
    return found == source.begin() + to ? -1 : found - source.begin();
}

std::vector<SentValue> nonEmpty(std::vector<SentValue> values) {
    std::erase_if(values, [](const SentValue& value) { return value.bytes.empty(); });
    return values;
}

// Graph start sends every output's first value, so each voice begins with two empty blobs.
TEST(Scope3Test, SineCapturesStartAtRisingZeroCrossingsOnBothChannels) {
    Runner runner(scopePins(0), scopeSettings());
    const Signal a = Signal::sine(440.0f, 0.8f);
    const Signal b = Signal::sine(97.0f, 0.3f);
    runner.setInput(signalA, a);
    runner.setInput(signalB, b);
    runner.script().setValue(0, voiceActive, 1.0f);
    ASSERT_EQ(openProcessor(runner, u"ZU Scope3 XP"), gmpi::MP_OK);
    runner.run(48000);

    const auto sourceA = rendered(a, 48000);
    const auto sourceB = rendered(b, 48000);
    const auto capturesA = nonEmpty(sentValues(runner.log(), captureA));
    const auto capturesB = nonEmpty(sentValues(runner.log(), captureB));
    ASSERT_EQ(capturesA.size(), capturesB.size());
    // A capture, a 40 ms hold-off and at most one period of waiting: about 20 a second.
    EXPECT_GE(capturesA.size(), 18u);
    EXPECT_LE(capturesA.size(), 21u);
    for (size_t i = 0; i < capturesA.size(); ++i) {
        ASSERT_EQ(capturesA[i].bytes.size(), 1600u);
        const int64_t start = findCapture(sourceA, capturesA[i]);
        ASSERT_GE(start, 0) << "capture " << i << " is not a run of Signal A";
        EXPECT_EQ(findCapture(sourceB, capturesB[i]), start) << "channels out of step in capture " << i;
        if (i == 0) continue;  // the first capture starts at once, without a trigger
        EXPECT_GT(sourceA[start], 0.0f);
        EXPECT_LE(sourceA[start - 1], 0.0f);
        EXPECT_GE(start - capturesA[i - 1].time, holdOff - 64);
    }
}

// A graph start in the middle of a capture re-sends the last whole capture,
// not the samples taken so far.
TEST(Scope3Test, GraphStartDuringACaptureResendsTheLastWholeOne) {
    auto runSine = [](int64_t graphStartAt) {
        auto runner = std::make_unique<Runner>(scopePins(0), scopeSettings());
        runner->setInput(signalA, Signal::sine(440.0f, 0.8f));
        runner->setInput(signalB, Signal::sine(97.0f, 0.3f));
        runner->script().setValue(0, voiceActive, 1.0f);
        if (graphStartAt > 0)
            runner->script().add({.time = graphStartAt, .type = gmpi::EVENT_GRAPH_START, .value = {}});
        EXPECT_EQ(openProcessor(*runner, u"ZU Scope3 XP"), gmpi::MP_OK);
        runner->run(12000);
        return runner;
    };
    const auto plain = nonEmpty(sentValues(runSine(0)->log(), captureA));
    ASSERT_GE(plain.size(), 3u);
    // A capture is sent when it fills, so 100 samples before the third is sent it is three quarters taken.
    const auto resent = runSine(plain[2].time - 100);
    const auto captures = nonEmpty(sentValues(resent->log(), captureA));
    ASSERT_GE(captures.size(), 4u);
    EXPECT_EQ(captures[2].time, plain[2].time - 100);
    EXPECT_EQ(captures[2].bytes, plain[1].bytes);
    EXPECT_EQ(captures[3].bytes, plain[2].bytes);
}

TEST(Scope3Test, ConstantZeroTriggerStillCapturesAfterTheTimeOut) {
    Runner runner(scopePins(0), scopeSettings());
    runner.setInput(signalA, Signal::silence());
    runner.setInput(signalB, Signal::noise(7));  // keeps an input streaming, so the scope stays awake
    runner.script().setValue(0, voiceActive, 1.0f);
    ASSERT_EQ(openProcessor(runner, u"ZU Scope3 XP"), gmpi::MP_OK);
    runner.run(96000);

    const auto captures = nonEmpty(sentValues(runner.log(), captureA));
    ASSERT_GE(captures.size(), 4u);
    for (size_t i = 1; i < captures.size(); ++i) {
        const int64_t interval = captures[i].time - captures[i - 1].time;
        EXPECT_NEAR(static_cast<double>(interval), captureSamples + holdOff + timeOut, 192.0) << i;
    }
}

TEST(TriggerScopeTest, ConstantTriggerSendsNothingAfterTheFirstCapture) {
    Runner runner(triggerScopePins(), scopeSettings());
    runner.setInput(0, Signal::constant(0.5f));
    runner.setInput(signalA + 1, Signal::sine(440.0f));
    runner.script().setValue(0, voiceActive + 1, 1.0f);
    ASSERT_EQ(openProcessor(runner, u"ZU TrigScope3 XP"), gmpi::MP_OK);
    runner.run(96000);
    EXPECT_EQ(nonEmpty(sentValues(runner.log(), captureA + 1)).size(), 1u);
    EXPECT_FALSE(runner.asleep(0));
}

TEST(TriggerScopeTest, IdleInputsSleepInsteadOfWaitingForATriggerThatCannotCome) {
    Runner runner(triggerScopePins(), scopeSettings());
    runner.setInput(0, Signal::constant(0.5f));
    runner.setInput(signalA + 1, Signal::silence());
    runner.setInput(signalB + 1, Signal::silence());
    runner.script().setValue(0, voiceActive + 1, 1.0f);
    runner.script().setValue(24000, 0, 0.0f);
    ASSERT_EQ(openProcessor(runner, u"ZU TrigScope3 XP"), gmpi::MP_OK);
    runner.run(96000);
    // The first capture, and the same one again when the event at 24000 wakes the scope.
    const auto captures = nonEmpty(sentValues(runner.log(), captureA + 1));
    ASSERT_EQ(captures.size(), 2u);
    EXPECT_EQ(captures[1].time, 24000);
    EXPECT_EQ(captures[1].bytes, captures[0].bytes);
    EXPECT_TRUE(runner.asleep(0));
    EXPECT_GE(sleepRequests(runner.log()), 2);
}

// Woken with its capture taken, a scope sends the last whole capture again at
// once: not an older one, nor samples taken since, nor a block never filled.
// Signal A steps from 0.5 to 0.75 at 10000: the free-running scope's last
// capture before sleeping (its time-out capture) holds 0.75, the triggered
// scope's only capture 0.5.
TEST(ScopeWakeTest, ResendsTheLastWholeCaptureByteForByte) {
    struct Scope {
        const char16_t* id;
        int32_t firstPin;
        float lastCaptureA;
    };
    struct Wake {
        const char* name;
        int32_t voices;
        // Voice 0 sleeps with its capture taken; an event at wakeAt wakes it.
        void (*script)(zuhost::EventScript& script, int32_t pin);
    };
    constexpr int64_t wakeAt = 30000;
    const Scope scopes[] = {{u"ZU Scope3 XP", 0, 0.75f}, {u"ZU TrigScope3 XP", 1, 0.5f}};
    const Wake wakes[] = {
        {"mono, woken by a value", 1,
         [](zuhost::EventScript& script, int32_t pin) {
             script.setValue(0, pin, 1.0f);
             script.setValue(wakeAt, pin, 1.0f);
         }},
        {"polyphonic, sent, ended and started again", 2,
         [](zuhost::EventScript& script, int32_t pin) {
             script.setValue(0, pin, 1.0f, 0);
             script.setValue(24000, pin, 0.0f, 0);
             script.setValue(wakeAt, pin, 1.0f, 0);
         }},
        {"polyphonic, taken while another voice was current", 2,
         [](zuhost::EventScript& script, int32_t pin) {
             script.setValue(0, pin, 1.0f);  // voice 1 starts last and is current
             script.setValue(wakeAt, pin, 1.0f, 0);
         }},
    };
    for (const Scope& scope : scopes) {
        for (const Wake& wake : wakes) {
            SCOPED_TRACE(wake.name);
            const bool triggered = scope.firstPin == 1;
            SCOPED_TRACE(triggered ? "triggered scope" : "free-running scope");
            Runner runner(triggered ? triggerScopePins() : scopePins(0), scopeSettings(wake.voices, wake.voices > 1));
            if (triggered) runner.setInput(0, Signal::constant(0.5f));
            runner.setInput(scope.firstPin + signalA, Signal::constant(0.5f));
            runner.setInput(scope.firstPin + signalA, Signal::constant(0.75f), 10000);
            runner.setInput(scope.firstPin + signalB, Signal::constant(0.25f));
            wake.script(runner.script(), scope.firstPin + voiceActive);
            ASSERT_EQ(openProcessor(runner, scope.id), gmpi::MP_OK);
            runner.run(36000);

            const auto resent = [&](int32_t pin) {
                for (const SentValue& value : nonEmpty(sentValues(runner.log(), scope.firstPin + pin)))
                    if (value.voice == 0 && value.time >= wakeAt) return value;
                return SentValue{0, -1, {}};
            };
            const SentValue a = resent(captureA);
            const SentValue b = resent(captureB);
            EXPECT_EQ(a.time, wakeAt);
            EXPECT_EQ(b.time, wakeAt);
            EXPECT_EQ(asFloats(a), std::vector<float>(captureSamples, scope.lastCaptureA));
            EXPECT_EQ(asFloats(b), std::vector<float>(captureSamples, 0.25f));
        }
    }
}

TEST(TriggerScopeTest, CapturesSignalsFromTheTriggerInputsCrossings) {
    Runner runner(triggerScopePins(), scopeSettings());
    const Signal trigger = Signal::sine(50.0f);
    const Signal a = Signal::noise(3);  // never repeats, so each capture is found where it was taken
    runner.setInput(0, trigger);
    runner.setInput(signalA + 1, a);
    runner.script().setValue(0, voiceActive + 1, 1.0f);
    ASSERT_EQ(openProcessor(runner, u"ZU TrigScope3 XP"), gmpi::MP_OK);
    runner.run(48000);
    const auto triggerSource = rendered(trigger, 48000);
    const auto sourceA = rendered(a, 48000);
    const auto captures = nonEmpty(sentValues(runner.log(), captureA + 1));
    // Capture and hold-off take 2320 samples; the next crossing of a 960-sample period follows at 2880.
    ASSERT_GE(captures.size(), 16u);
    for (size_t i = 1; i < captures.size(); ++i) {
        const int64_t start = findCapture(sourceA, captures[i]);
        ASSERT_GT(start, 0);
        EXPECT_GT(triggerSource[start], 0.0f);
        EXPECT_LE(triggerSource[start - 1], 0.0f);
    }
}

TEST(Scope3Test, IdleInputsGiveExactlyTwoCapturesThenSleep) {
    Runner runner(scopePins(0), scopeSettings());
    runner.setInput(signalA, Signal::silence());
    runner.setInput(signalB, Signal::constant(0.25f));
    runner.script().setValue(0, voiceActive, 1.0f);
    ASSERT_EQ(openProcessor(runner, u"ZU Scope3 XP"), gmpi::MP_OK);
    runner.run(96000);
    const auto captures = nonEmpty(sentValues(runner.log(), captureB));
    ASSERT_EQ(captures.size(), 2u);
    for (float sample : asFloats(captures[1])) ASSERT_EQ(sample, 0.25f);
    EXPECT_TRUE(runner.asleep(0));
    EXPECT_GE(sleepRequests(runner.log()), 1);
}

TEST(Scope3Test, OnlyTheLatestActiveVoiceSendsAndAnEndedVoiceClearsBothTraces) {
    Runner runner(scopePins(0), scopeSettings(2, true));
    runner.setInput(signalA, Signal::sine(440.0f));
    runner.setInput(signalB, Signal::sine(220.0f));
    runner.script().setValue(0, voiceActive, 1.0f, 0);
    runner.script().setValue(24000, voiceActive, 1.0f, 1);
    runner.script().setValue(36000, voiceActive, 0.0f, 1);
    ASSERT_EQ(openProcessor(runner, u"ZU Scope3 XP"), gmpi::MP_OK);
    runner.run(48000);

    // Each voice reports polyphony when it opens, and again at graph start.
    int32_t polyphonyReports[2] = {0, 0};
    for (const SentValue& report : sentValues(runner.log(), polyDetect)) {
        EXPECT_EQ(report.bytes, std::vector<uint8_t>{1});
        ++polyphonyReports[report.voice];
    }
    EXPECT_GE(polyphonyReports[0], 1);
    EXPECT_GE(polyphonyReports[1], 1);
    int captures = 0;
    for (const SentValue& capture : nonEmpty(sentValues(runner.log(), captureA))) {
        ++captures;
        EXPECT_LT(capture.time, 36000);
        EXPECT_EQ(capture.voice, capture.time < 24000 ? 0 : 1) << "at " << capture.time;
    }
    EXPECT_GT(captures, 10);

    std::vector<std::pair<int32_t, int64_t>> cleared;  // pin, time
    for (const zuhost::HostCall& call : runner.log().calls())
        if (call.kind == zuhost::HostCall::Kind::PinValue && call.size == 0 && call.time > 0)
            cleared.emplace_back(call.pin, call.time);
    EXPECT_EQ(cleared, (std::vector<std::pair<int32_t, int64_t>>{{captureA, 36000}, {captureB, 36000}}));
    EXPECT_TRUE(runner.asleep(1));
}

TEST(Scope3Test, WithoutASharedBlockTheScopeIsItsOwnVoice) {
    RunnerSettings settings = scopeSettings();
    settings.host.handle = 0x2a;
    auto memory = std::make_shared<zuhost::SharedMemory>();
    // A block too small for the scope's request makes the host answer with none.
    memory->allocate(u"ZU Scope3 2a currentvoice", 4);
    Runner runner(scopePins(0), settings, memory);
    runner.setInput(signalA, Signal::sine(440.0f));
    runner.script().setValue(0, voiceActive, 1.0f);
    ASSERT_EQ(openProcessor(runner, u"ZU Scope3 XP"), gmpi::MP_OK);
    runner.run(9600);
    EXPECT_GE(nonEmpty(sentValues(runner.log(), captureA)).size(), 3u);
}

TEST(Scope3Test, SecondOpenKeepsThePinTable) {
    zuhost::AudioHost host;
    void* object = nullptr;
    ASSERT_EQ(libraryFactory()->createInstance(u"ZU Scope3 XP", gmpi::MP_SUB_TYPE_AUDIO, &host, &object), gmpi::MP_OK);
    auto* scope = static_cast<gmpi::IMpPlugin*>(object);
    EXPECT_EQ(scope->setBuffer(signalA, nullptr), gmpi::MP_FAIL);  // pins appear only in open
    ASSERT_EQ(scope->open(), gmpi::MP_OK);
    ASSERT_EQ(scope->open(), gmpi::MP_OK);
    EXPECT_EQ(scope->setBuffer(polyDetect, nullptr), gmpi::MP_OK);
    EXPECT_EQ(scope->setBuffer(polyDetect + 1, nullptr), gmpi::MP_FAIL);
    EXPECT_EQ(scope->release(), 0);
    EXPECT_EQ(host.outstandingReferences(), 0);
}

}  // namespace
