#include "host/audio/Signals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace {

using zuhost::Signal;

std::vector<float> render(const Signal& signal, int64_t position, size_t count, float sampleRate = 48000.0f) {
    std::vector<float> out(count, -99.0f);
    signal.render(position, sampleRate, out);
    return out;
}

TEST(SignalsTest, SineHasTheAskedFrequencyAndAmplitude) {
    // 1 kHz at 48 kHz: a quarter period is 12 samples.
    const auto out = render(Signal::sine(1000.0f, 0.5f), 0, 49);
    EXPECT_FLOAT_EQ(out[0], 0.0f);
    EXPECT_NEAR(out[12], 0.5f, 1e-6);
    EXPECT_NEAR(out[36], -0.5f, 1e-6);
    EXPECT_NEAR(out[48], 0.0f, 1e-6);
}

TEST(SignalsTest, OutputDoesNotDependOnHowTheRunIsCutIntoBlocks) {
    for (const Signal& signal : {Signal::sine(440.0f), Signal::noise(7)}) {
        const auto whole = render(signal, 1000, 100);
        const auto head = render(signal, 1000, 37);
        const auto tail = render(signal, 1037, 63);
        std::vector<float> joined(head);
        joined.insert(joined.end(), tail.begin(), tail.end());
        EXPECT_EQ(whole, joined);
    }
}

TEST(SignalsTest, NoiseIsReproducibleForASeedDiffersBetweenSeedsAndStaysInRange) {
    const auto a = render(Signal::noise(1, 0.25f), 0, 4096);
    EXPECT_EQ(a, render(Signal::noise(1, 0.25f), 0, 4096));
    EXPECT_NE(a, render(Signal::noise(2, 0.25f), 0, 4096));
    for (float x : a) {
        EXPECT_GE(x, -0.25f);
        EXPECT_LT(x, 0.25f);
    }
    const double mean = std::accumulate(a.begin(), a.end(), 0.0) / a.size();
    EXPECT_NEAR(mean, 0.0, 0.02);
}

TEST(SignalsTest, GivenSamplesPlayOnceThenZeros) {
    const auto samples = std::make_shared<const std::vector<float>>(std::vector<float>{1, 2, 3});
    EXPECT_EQ(render(Signal::samples(samples), 1, 4), (std::vector<float>{2, 3, 0, 0}));
    EXPECT_EQ(render(Signal::samples(nullptr), 0, 2), (std::vector<float>{0, 0}));
}

TEST(SignalsTest, OnlyConstantAndSilenceAreStatic) {
    EXPECT_FALSE(Signal::silence().isStreaming());
    EXPECT_FALSE(Signal::constant(0.3f).isStreaming());
    EXPECT_TRUE(Signal::sine(1.0f).isStreaming());
    EXPECT_TRUE(Signal::noise(0).isStreaming());
    EXPECT_EQ(render(Signal::constant(0.3f), 5, 3), (std::vector<float>{0.3f, 0.3f, 0.3f}));
}

TEST(SignalsTest, SineAtAnUnusableSampleRateIsSilent) {
    EXPECT_EQ(render(Signal::sine(100.0f), 0, 3, 0.0f), (std::vector<float>{0, 0, 0}));
    EXPECT_EQ(render(Signal::sine(100.0f), 0, 3, NAN), (std::vector<float>{0, 0, 0}));
}

}  // namespace
