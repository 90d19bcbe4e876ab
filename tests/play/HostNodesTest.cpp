#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "PlayProcess.h"
#include "host/play/HostNodes.h"
#include "host/run/WavFile.h"

namespace {

using namespace zuhost::play;

constexpr int32_t blockFrames = 64;
constexpr float sampleRate = 48000.0f;

// A node whose one output holds a value, to feed others.
class Held final : public AudioNode {
public:
    explicit Held(float value) : samples_(blockFrames, value) {}
    void process(int32_t) override {}
    const float* output(int32_t) const override { return samples_.data(); }

private:
    std::vector<float> samples_;
};

std::vector<float> play(AudioNode& node, int32_t blocks, int32_t pin) {
    std::vector<float> out;
    for (int32_t i = 0; i < blocks; ++i) {
        node.process(blockFrames);
        out.insert(out.end(), node.output(pin), node.output(pin) + blockFrames);
    }
    return out;
}

TEST(HostNodesTest, AnInputIsItsConstantPlusEachSourceScaledAndOffset) {
    const Held three(3.0f);
    // frequency: 100 + 3 * 40 + 20 = 240 Hz; level: 0.5 * 3 - 1 = 0.5
    SineNode sine({InputMix(100.0f + 20.0f, {{&three, 0, 40.0f}}), InputMix(-1.0f, {{&three, 0, 0.5f}})}, blockFrames,
                  sampleRate);
    const std::vector<float> out = play(sine, 750, 2);  // 1 s
    EXPECT_NEAR(*std::max_element(out.begin(), out.end()), 0.5f, 1e-3f);
    int rising = 0;
    for (size_t i = 1; i < out.size(); ++i) rising += out[i - 1] <= 0.0f && out[i] > 0.0f;
    EXPECT_NEAR(rising, 240, 1);
    EXPECT_EQ(sine.output(0), nullptr);  // pins 0 and 1 are inputs
}

TEST(HostNodesTest, AWavFileAtAnotherRateIsPlayedAtTheDevicesAndLoops) {
    const auto folder = freshFolder("wav-node");
    std::vector<float> ramp(2400);  // 0.1 s at 24 kHz: a rising ramp, left only
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<float>(i) / 2400.0f;
    {
        zuhost::WavWriter writer(folder / "ramp.wav", 1, 24000.0f);
        writer.write(ramp);
    }
    WavNode wav({InputMix(1.0f, {})}, blockFrames, folder / "ramp.wav", sampleRate);
    const std::vector<float> left = play(wav, 150, 1);  // 0.2 s
    EXPECT_NEAR(left[2], 1.0f / 2400.0f, 1e-6f);        // half a file sample per device sample
    EXPECT_NEAR(left[4798], 2399.0f / 2400.0f, 1e-6f);
    EXPECT_NEAR(left[4799], 2399.0f / 4800.0f, 1e-6f);  // between the last sample and the first
    EXPECT_NEAR(left[4800], 0.0f, 1e-6f);               // and round again
    EXPECT_TRUE(std::equal(wav.output(1), wav.output(1) + blockFrames, wav.output(2)));  // a mono file on both sides
}

TEST(HostNodesTest, AMeterKeepsTheLoudestPeakUntilReadAndTheLastBlocksRms) {
    const Held half(0.5f), quarter(-0.25f);
    MeterNode meter({InputMix(0.0f, {{&half, 0, 1.0f}})}, blockFrames);
    meter.process(blockFrames);
    EXPECT_FLOAT_EQ(meter.rms(), 0.5f);
    MeterNode quiet({InputMix(0.0f, {{&quarter, 0, 1.0f}})}, blockFrames);
    quiet.process(blockFrames);
    EXPECT_FLOAT_EQ(quiet.takePeak(), 0.25f);
    EXPECT_FLOAT_EQ(quiet.takePeak(), 0.0f);
}

}  // namespace
