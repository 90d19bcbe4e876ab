#include "host/audio/Runner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <vector>

namespace {

using namespace gmpi;
using zuhost::allVoices;
using zuhost::HostCall;
using zuhost::PinInfo;
using zuhost::Runner;
using zuhost::RunnerSettings;
using zuhost::SharedMemory;
using zuhost::Signal;

constexpr int32_t valueIn = 0;
constexpr int32_t audioIn = 1;
constexpr int32_t audioOut = 2;
constexpr int32_t blobOut = 3;

const std::vector<PinInfo> probePins{
    {valueIn, MP_FLOAT32, MP_IN, false},
    {audioIn, MP_AUDIO, MP_IN, true},
    {audioOut, MP_AUDIO, MP_OUT, true},
    {blobOut, MP_BLOB, MP_OUT, false},
};

struct SeenEvent {
    int32_t call;  // which process call of this instance delivered it
    int32_t time;
    int32_t type;
    int32_t pin;
    std::vector<uint8_t> value;
};

// A minimal processor that records what the host does to it. By default it
// copies its audio input to its output; `behaviour` runs after that.
class ProbeBase {
public:
    IMpAudioHost* host = nullptr;
    int refCount = 1;
    int processCalls = 0;
    bool opened = false;
    std::map<int32_t, float*> buffers;
    std::vector<std::pair<int32_t, bool>> bufferCalls;  // pin, whether open had happened
    std::vector<SeenEvent> events;
    std::vector<int32_t> frames;
    std::function<void(ProbeBase&, int32_t frames)> behaviour;
    bool keepHostReference = false;

    virtual ~ProbeBase() {
        if (host != nullptr && !keepHostReference) host->release();
    }

    int32_t takeBuffer(int32_t pin, float* buffer) {
        bufferCalls.emplace_back(pin, opened);
        if (pin != audioIn && pin != audioOut) return MP_FAIL;
        buffers[pin] = buffer;
        return MP_OK;
    }

    int32_t runBlock(int32_t sampleFrames, const MpEvent* event) {
        for (; event != nullptr; event = event->next) {
            const auto* bytes = event->extraData ? event->extraData : reinterpret_cast<const uint8_t*>(&event->parm3);
            events.push_back({processCalls, event->timeDelta, event->eventType, event->parm1,
                              std::vector<uint8_t>(bytes, bytes + event->parm2)});
        }
        frames.push_back(sampleFrames);
        std::memcpy(buffers[audioOut], buffers[audioIn], sizeof(float) * sampleFrames);
        if (behaviour) behaviour(*this, sampleFrames);
        ++processCalls;
        return MP_OK;
    }

    int32_t countedRelease() {
        if (--refCount > 0) return refCount;
        delete this;
        return 0;
    }
};

// The slots both generations share; `iid` is the interface it answers.
template <class Interface, const MpGuid& iid>
class ProbeSlots : public Interface, public ProbeBase {
public:
    int32_t queryInterface(const MpGuid& asked, void** out) override {
        *out = nullptr;
        if (!(asked == iid || asked == MP_IID_UNKNOWN)) return MP_NOSUPPORT;
        *out = static_cast<Interface*>(this);
        addRef();
        return MP_OK;
    }
    int32_t addRef() override { return ++refCount; }
    int32_t release() override { return countedRelease(); }
    int32_t open() override {
        opened = true;
        return MP_OK;
    }
    int32_t setBuffer(int32_t pin, float* buffer) override { return takeBuffer(pin, buffer); }
    int32_t process(int32_t sampleFrames, const MpEvent* events) override { return runBlock(sampleFrames, events); }
    int32_t spareCall(int32_t, int32_t, const void*) override { return MP_OK; }
};

class Probe2 final : public ProbeSlots<IMpPlugin2, MP_IID_PLUGIN2> {
public:
    int32_t setHost(IMpUnknown* h) override {
        void* out = nullptr;
        const int32_t result = h->queryInterface(MP_IID_AUDIO_HOST, &out);
        host = static_cast<IMpAudioHost*>(out);
        return result;
    }
};

// First generation: no setHost; the host comes with creation.
class Probe1 final : public ProbeSlots<IMpPlugin, MP_IID_PLUGIN> {
public:
    explicit Probe1(IMpUnknown* h) {
        void* out = nullptr;
        h->queryInterface(MP_IID_AUDIO_HOST, &out);
        host = static_cast<IMpAudioHost*>(out);
    }
};

// Asks for sleep in every block it is called for.
void sleepy(ProbeBase& probe, int32_t) { probe.host->requestSleep(); }

class RunnerTest : public ::testing::Test {
protected:
    RunnerSettings settings(int32_t voices = 1) {
        RunnerSettings s;
        s.blockSize = 16;
        s.voices = voices;
        return s;
    }

    int32_t open(Runner& runner, std::function<void(ProbeBase&, int32_t)> behaviour = {}) {
        return runner.open([this, behaviour](IMpUnknown*) -> IMpUnknown* {
            auto* probe = new Probe2();
            probe->behaviour = behaviour;
            probes.push_back(probe);
            return static_cast<IMpPlugin2*>(probe);
        });
    }

    std::vector<SeenEvent> eventsOfType(const ProbeBase& probe, int32_t type) {
        std::vector<SeenEvent> found;
        for (const auto& e : probe.events)
            if (e.type == type) found.push_back(e);
        return found;
    }

    std::vector<ProbeBase*> probes;  // valid until the runner closes
};

TEST_F(RunnerTest, HandsOutBuffersBeforeOpenAfterOpenAndBeforeEveryBlock) {
    Runner runner(probePins, settings());
    ASSERT_EQ(open(runner), MP_OK);
    runner.run(32);
    const auto& calls = probes[0]->bufferCalls;
    // Two audio pins, four times: before open, after open, and before each of two blocks.
    ASSERT_EQ(calls.size(), 8u);
    EXPECT_FALSE(calls[0].second);
    EXPECT_FALSE(calls[1].second);
    EXPECT_TRUE(calls[2].second);
    EXPECT_EQ(calls[0].first, audioIn);
    EXPECT_EQ(calls[1].first, audioOut);
    EXPECT_EQ(probes[0]->frames, (std::vector<int32_t>{16, 16}));
}

TEST_F(RunnerTest, SendsGraphStartFirstAndOnlyInTheFirstBlock) {
    Runner runner(probePins, settings());
    runner.script().setValue(0, valueIn, 1.0f);
    ASSERT_EQ(open(runner), MP_OK);
    runner.run(48);
    const auto& events = probes[0]->events;
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0].type, EVENT_GRAPH_START);
    EXPECT_EQ(events[0].time, 0);
    EXPECT_EQ(eventsOfType(*probes[0], EVENT_GRAPH_START).size(), 1u);
}

TEST_F(RunnerTest, DeliversScriptedValuesInTheBlockHoldingThemAtTheirOffset) {
    Runner runner(probePins, settings());
    runner.script().setValue(37, valueIn, 2.5f);
    runner.script().setValue(20, valueIn, 1.5f);
    std::vector<uint8_t> blob(1600, 0xAB);
    runner.script().setValue(21, blobOut, std::span<const uint8_t>(blob));
    ASSERT_EQ(open(runner), MP_OK);
    runner.run(48);

    const auto values = eventsOfType(*probes[0], EVENT_PIN_SET);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].call, 1);
    EXPECT_EQ(values[0].time, 4);
    float value = 0;
    std::memcpy(&value, values[0].value.data(), sizeof value);
    EXPECT_EQ(value, 1.5f);
    EXPECT_EQ(values[1].time, 5);
    EXPECT_EQ(values[1].value, blob);
    EXPECT_EQ(values[2].call, 2);
    EXPECT_EQ(values[2].time, 5);
}

TEST_F(RunnerTest, SendsVoiceEventsOnlyToTheirVoice) {
    Runner runner(probePins, settings(2));
    runner.script().setValue(3, valueIn, 1.0f, 1);
    runner.script().setValue(4, valueIn, 2.0f, allVoices);
    ASSERT_EQ(open(runner), MP_OK);
    runner.run(16);
    EXPECT_EQ(eventsOfType(*probes[0], EVENT_PIN_SET).size(), 1u);
    EXPECT_EQ(eventsOfType(*probes[1], EVENT_PIN_SET).size(), 2u);
}

TEST_F(RunnerTest, FeedsInputSignalsAndReportsWhenTheyStartAndStopStreaming) {
    Runner runner(probePins, settings());
    runner.setInput(audioIn, Signal::constant(0.25f));
    runner.setInput(audioIn, Signal::sine(1000.0f), 20);
    runner.setInput(audioIn, Signal::noise(3), 24);  // streaming to streaming: no event
    runner.setInput(audioIn, Signal::constant(-1.0f), 40);
    ASSERT_EQ(open(runner), MP_OK);
    std::vector<float> output;
    runner.run(48, [&](int64_t, int32_t) {
        const auto block = runner.buffer(0, audioOut);
        output.insert(output.end(), block.begin(), block.end());
    });

    std::vector<std::pair<int32_t, int32_t>> changes;  // (absolute time, type)
    for (const auto& e : probes[0]->events)
        if (e.type == EVENT_PIN_STREAMING_START || e.type == EVENT_PIN_STREAMING_STOP) {
            EXPECT_EQ(e.pin, audioIn);
            changes.emplace_back(e.call * 16 + e.time, e.type);
        }
    EXPECT_EQ(changes,
              (std::vector<std::pair<int32_t, int32_t>>{
                  {0, EVENT_PIN_STREAMING_STOP}, {20, EVENT_PIN_STREAMING_START}, {40, EVENT_PIN_STREAMING_STOP}}));
    ASSERT_EQ(output.size(), 48u);
    EXPECT_EQ(output[19], 0.25f);
    EXPECT_EQ(output[20], 0.0f);  // the sine starts at phase 0
    EXPECT_GT(output[21], 0.0f);
    EXPECT_EQ(output[40], -1.0f);
}

TEST_F(RunnerTest, SleepingVoiceIsNotCalledAndHoldsItsLastOutputSample) {
    Runner runner(probePins, settings());
    runner.setInput(audioIn, Signal::constant(0.75f));
    ASSERT_EQ(open(runner, sleepy), MP_OK);
    std::vector<float> output;
    runner.run(64, [&](int64_t, int32_t) {
        const auto block = runner.buffer(0, audioOut);
        output.insert(output.end(), block.begin(), block.end());
    });
    EXPECT_EQ(probes[0]->processCalls, 1);
    EXPECT_TRUE(runner.asleep(0));
    EXPECT_EQ(runner.blocksSlept(0), 3);
    EXPECT_EQ(output, std::vector<float>(64, 0.75f));
}

TEST_F(RunnerTest, EventWakesASleepingVoiceForTheBlockHoldingIt) {
    Runner runner(probePins, settings(2));
    runner.script().setValue(37, valueIn, 4.0f, 1);
    ASSERT_EQ(open(runner, sleepy), MP_OK);
    runner.run(64);
    EXPECT_EQ(probes[0]->processCalls, 1);
    EXPECT_EQ(runner.blocksSlept(0), 3);
    ASSERT_EQ(probes[1]->processCalls, 2);
    EXPECT_EQ(runner.blocksSlept(1), 2);
    const auto values = eventsOfType(*probes[1], EVENT_PIN_SET);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].call, 1);
    EXPECT_EQ(values[0].time, 5);
}

TEST_F(RunnerTest, InputStartingToStreamWakesASleepingVoice) {
    Runner runner(probePins, settings());
    runner.setInput(audioIn, Signal::silence(), 0);
    runner.setInput(audioIn, Signal::sine(100.0f), 40);
    ASSERT_EQ(open(runner, sleepy), MP_OK);
    runner.run(64);
    EXPECT_EQ(probes[0]->processCalls, 2);
    EXPECT_EQ(eventsOfType(*probes[0], EVENT_PIN_STREAMING_START).at(0).time, 8);
}

TEST_F(RunnerTest, RecordsHostCallsAtAbsoluteTimes) {
    Runner runner(probePins, settings());
    ASSERT_EQ(open(runner,
                   [](ProbeBase& probe, int32_t) {
                       if (probe.processCalls != 2) return;
                       const int32_t value = 42;
                       probe.host->setPinValue(5, blobOut, sizeof value, &value);
                       probe.host->setPinStreaming(9, audioOut, false);
                       probe.host->requestSleep();
                   }),
              MP_OK);
    runner.run(64);
    const auto calls = runner.log().calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].time, 37);
    EXPECT_EQ(calls[0].pin, blobOut);
    EXPECT_EQ(runner.log().bytes(calls[0]).size(), 4u);
    EXPECT_EQ(calls[1].time, 41);
    EXPECT_EQ(calls[1].kind, HostCall::Kind::PinStreaming);
    EXPECT_EQ(calls[2].kind, HostCall::Kind::Sleep);
    EXPECT_EQ(calls[2].time, 32);
    EXPECT_EQ(runner.blocksSlept(0), 1);
}

TEST_F(RunnerTest, VoiceClonesShareAHandleThatDiffersBetweenModules) {
    RunnerSettings s = settings(3);
    s.host.polyphonic = true;
    Runner first(probePins, s);
    Runner second(probePins, s);
    ASSERT_EQ(open(first), MP_OK);
    ASSERT_EQ(open(second), MP_OK);
    int32_t handles[3] = {};
    for (int32_t v = 0; v < 3; ++v) first.host(v).getHandle(&handles[v]);
    EXPECT_EQ(handles[0], handles[1]);
    EXPECT_EQ(handles[1], handles[2]);
    int32_t other = 0, polyphonic = 0;
    second.host(0).getHandle(&other);
    EXPECT_NE(handles[0], other);
    first.host(2).queryPolyphonic(&polyphonic);
    EXPECT_EQ(polyphonic, 1);
}

TEST_F(RunnerTest, ModulesGivenOneSharedMemoryShareItsBlocks) {
    auto memory = std::make_shared<SharedMemory>();
    Runner first(probePins, settings(2), memory);
    Runner second(probePins, settings(), memory);
    ASSERT_EQ(open(first), MP_OK);
    ASSERT_EQ(open(second), MP_OK);
    void* a = nullptr;
    void* b = nullptr;
    void* c = nullptr;
    first.host(0).allocateSharedMemory(u"voice", &a, -1.0f, 8, nullptr);
    first.host(1).allocateSharedMemory(u"voice", &b, -1.0f, 8, nullptr);
    second.host(0).allocateSharedMemory(u"voice", &c, -1.0f, 8, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_EQ(b, c);
}

TEST_F(RunnerTest, EveryPluginReferenceToTheHostIsReleasedOnClose) {
    Runner runner(probePins, settings(2));
    ASSERT_EQ(open(runner), MP_OK);
    EXPECT_EQ(runner.host(0).outstandingReferences(), 1);
    runner.close();
    EXPECT_EQ(runner.host(0).outstandingReferences(), 0);
    EXPECT_EQ(runner.host(1).outstandingReferences(), 0);
}

TEST_F(RunnerTest, APluginThatKeepsItsHostReferenceIsVisible) {
    Runner runner(probePins, settings());
    ASSERT_EQ(open(runner), MP_OK);
    probes[0]->keepHostReference = true;
    runner.close();
    EXPECT_EQ(runner.host(0).outstandingReferences(), 1);
}

TEST_F(RunnerTest, DrivesFirstGenerationPluginsThatGetTheirHostAtCreation) {
    Runner runner(probePins, settings());
    runner.setInput(audioIn, Signal::constant(0.5f));
    Probe1* probe = nullptr;
    ASSERT_EQ(runner.open([&](IMpUnknown* host) -> IMpUnknown* {
        probe = new Probe1(host);
        return static_cast<IMpPlugin*>(probe);
    }),
              MP_OK);
    runner.run(32);
    EXPECT_EQ(probe->processCalls, 2);
    EXPECT_EQ(runner.buffer(0, audioOut)[15], 0.5f);
    runner.close();
    EXPECT_EQ(runner.host(0).outstandingReferences(), 0);
}

TEST_F(RunnerTest, OpenFailsForAnObjectThatIsNoProcessor) {
    Runner runner(probePins, settings());
    EXPECT_EQ(runner.open([](IMpUnknown*) -> IMpUnknown* { return nullptr; }), MP_FAIL);
    runner.run(16);  // nothing to drive, nothing to crash
}

TEST_F(RunnerTest, LastBlockIsShortWhenTheLengthIsNotAMultipleOfTheBlockSize) {
    Runner runner(probePins, settings());
    ASSERT_EQ(open(runner), MP_OK);
    runner.run(20);
    EXPECT_EQ(probes[0]->frames, (std::vector<int32_t>{16, 4}));
    EXPECT_EQ(runner.time(), 20);
    EXPECT_EQ(runner.buffer(0, audioOut).size(), 4u);
}

}  // namespace
