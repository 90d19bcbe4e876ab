#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <memory>
#include <vector>

#include "framework/MpBase.h"
#include "framework/SmartAudioPin.h"
#include "host/audio/AudioHost.h"
#include "tests/framework/EngineTestSupport.h"

namespace {

using namespace gmpi;
using enginetest::hostCalls;

class Holder : public MpBase2 {
public:
    Holder() { registerPin(out); }
    SmartAudioPin out;
};

class SmartAudioPinTest : public ::testing::Test {
protected:
    void SetUp() override { useSampleRate(1000.0f); }

    void useSampleRate(float rate) {
        plugin.reset();
        host = std::make_unique<zuhost::AudioHost>(zuhost::HostSettings{.sampleRate = rate});
        plugin = std::make_unique<Holder>();
        plugin->setHost(host.get());
        plugin->out.setBuffer(buffer.data());
    }

    std::vector<float> generate(int32_t offset, int32_t count) {
        canSleep = true;
        plugin->out.generate(offset, count, canSleep);
        return {buffer.begin() + offset, buffer.begin() + offset + count};
    }

    // Takes the value at once (the first value always jumps) and forgets the calls it caused.
    void start(float value) {
        plugin->out.setValue(value);
        generate(0, 1);
        host->log().clear();
    }

    std::unique_ptr<zuhost::AudioHost> host;
    std::unique_ptr<Holder> plugin;
    std::array<float, 256> buffer{};
    bool canSleep = true;
};

// The ramp as an exact float recurrence: add the step until the target is passed, then hold it.
std::vector<float> expectedRamp(float from, float to, float step, size_t count) {
    std::vector<float> samples;
    float value = from;
    bool arrived = false;
    while (samples.size() < count) {
        value += step;
        arrived = arrived || (step > 0 ? value >= to : value <= to);
        samples.push_back(arrived ? to : value);
    }
    return samples;
}

TEST_F(SmartAudioPinTest, OutputStreamsFromGraphStartUntilTheFirstFillOrAJumpToTheFirstValue) {
    plugin->out.sendFirstUpdate();
    EXPECT_EQ(generate(8, 16), std::vector<float>(16, 0.0f));
    EXPECT_EQ(hostCalls(host->log()), "stream0+@0 stream0-@8");

    for (int32_t mode : {0, 1, 2}) {
        useSampleRate(1000.0f);
        plugin->out.setCurveMode(mode);
        plugin->out.setValue(0.5f, 3);
        EXPECT_EQ(generate(0, 4), std::vector<float>(4, 0.5f));
        EXPECT_EQ(hostCalls(host->log()), "stream0-@3");
        EXPECT_TRUE(canSleep);
    }
}

TEST_F(SmartAudioPinTest, LinearRampFollowsTheExactRecurrenceAcrossCallsAndEndsOnTheTarget) {
    start(0.0f);
    plugin->out.setValue(1.0f, 2);
    std::vector<float> samples = generate(0, 4);
    EXPECT_FALSE(canSleep);
    const std::vector<float> rest = generate(4, 12);
    samples.insert(samples.end(), rest.begin(), rest.end());
    EXPECT_EQ(samples, expectedRamp(0.0f, 1.0f, 0.1f, 16));  // 0.1: the rate before setCurveMode
    EXPECT_EQ(samples[9], 1.0f);
    EXPECT_LT(samples[8], 1.0f);

    plugin->out.setCurveMode(0);
    plugin->out.setValue(-2.0f, 16);
    EXPECT_EQ(generate(16, 48), expectedRamp(1.0f, -2.0f, -3.0f * (1.0f / (0.015f * 1000.0f)), 48));
    EXPECT_EQ(hostCalls(host->log()), "stream0+@2 stream0-@9 stream0+@16 stream0-@30");
}

TEST_F(SmartAudioPinTest, AdaptiveRateRisesWhileRampsOverlapAndFallsForRampsFromRest) {
    useSampleRate(48000.0f);
    plugin->out.setCurveMode(2);
    start(0.0f);
    float rate = 1.0f / (0.015f * 48000.0f) * 0.9f;  // the first ramp starts from rest
    const float fastest = 1.0f / (0.001f * 48000.0f);
    plugin->out.setValue(100.0f);
    for (int i = 0; i < 80; ++i) {
        plugin->out.setValue(100.0f + static_cast<float>(i));
        if (rate < fastest) rate *= 1.05f;
    }
    EXPECT_GE(rate, fastest);
    EXPECT_LT(rate, fastest * 1.05f);
    EXPECT_EQ(generate(0, 1)[0], 179.0f * rate);

    const float slowest = 1.0f / (0.05f * 48000.0f);
    for (int i = 0; i < 40; ++i) {
        while (plugin->out.isStreaming()) generate(0, static_cast<int32_t>(buffer.size()));
        plugin->out.setValue(i % 2 == 0 ? 0.0f : 179.0f);
        if (rate > slowest) rate *= 0.9f;
    }
    EXPECT_LE(rate, slowest);
    EXPECT_EQ(generate(0, 1)[0], 179.0f * rate);  // the last ramp rises from 0
}

TEST_F(SmartAudioPinTest, CurvedTransitionFollowsTheSmoothStepAndArrivesAfterFortySamples) {
    plugin->out.setCurveMode(1);
    start(0.0f);
    plugin->out.setValue(1.0f, 5);
    const std::vector<float> samples = generate(0, 48);
    for (int n = 1; n < 40; ++n) {
        const double u = n / 40.0;
        EXPECT_NEAR(samples[n - 1], 3 * u * u - 2 * u * u * u, 1e-5) << "sample " << n;
        EXPECT_LT(samples[n - 1], 1.0f);
    }
    EXPECT_EQ(std::vector<float>(samples.begin() + 39, samples.end()), std::vector<float>(9, 1.0f));
    EXPECT_EQ(hostCalls(host->log()), "stream0+@5 stream0-@39");
}

TEST_F(SmartAudioPinTest, CurrentValueAsTargetOrAnInstantValueEndsARamp) {
    start(0.0f);
    plugin->out.setValue(1.0f, 0);
    const float reached = generate(0, 3)[2];
    plugin->out.setValue(reached, 3);
    EXPECT_EQ(generate(3, 4), std::vector<float>(4, reached));
    plugin->out.setValue(reached, 7);

    plugin->out.setValue(1.0f, 8);
    plugin->out.setValueInstant(-2.0f, 9);
    EXPECT_EQ(generate(9, 3), std::vector<float>(3, -2.0f));
    EXPECT_EQ(hostCalls(host->log()), "stream0+@0 stream0-@3 stream0+@8 stream0-@9");
}

TEST_F(SmartAudioPinTest, DistanceTooSmallForAStepIsCoveredInOneSample) {
    start(std::numeric_limits<float>::denorm_min());
    plugin->out.setValue(0.0f, 0);
    EXPECT_EQ(generate(0, 2), std::vector<float>(2, 0.0f));
    EXPECT_FALSE(plugin->out.isStreaming());
}

// Held values are written in runs of sixteen samples and a remainder: every
// length and alignment must cover its samples exactly, no more.
TEST_F(SmartAudioPinTest, HeldValueFillsExactlyTheSamplesAskedAtEveryLengthAndOffset) {
    constexpr float untouched = -1.0f;
    start(0.25f);
    for (int32_t offset : {0, 1, 2, 3, 5}) {
        for (int32_t count = 0; count <= 70; ++count) {
            buffer.fill(untouched);
            generate(offset, count);
            for (int32_t i = 0; i < static_cast<int32_t>(buffer.size()); ++i) {
                const bool inside = i >= offset && i < offset + count;
                ASSERT_EQ(buffer[i], inside ? 0.25f : untouched)
                    << "offset " << offset << ", count " << count << ", sample " << i;
            }
        }
    }
}

TEST_F(SmartAudioPinTest, WithoutABufferNothingIsWritten) {
    plugin->out.setBuffer(nullptr);
    plugin->out.setValue(1.0f);
    bool sleep = true;
    plugin->out.generate(0, 64, sleep);
    EXPECT_EQ(buffer[0], 0.0f);
}

}  // namespace
