#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/modules/ModuleTestSupport.h"

namespace {

using namespace moduletest;
using zuhost::HostCall;
using zuhost::Runner;
using zuhost::RunnerSettings;

constexpr int32_t s0 = 0;
constexpr int32_t signalOut = 1;
constexpr float hostRate = 48000.0f;

struct StreamingReport {
    int64_t time;
    bool streaming;
};

std::vector<StreamingReport> streamingReports(const zuhost::CallLog& log) {
    std::vector<StreamingReport> reports;
    for (const HostCall& call : log.calls())
        if (call.kind == HostCall::Kind::PinStreaming && call.pin == signalOut)
            reports.push_back({call.time, call.streaming});
    return reports;
}

// Both slider plug-ins behave identically; every test runs on each.
class SliderTest : public ::testing::TestWithParam<const char16_t*> {
protected:
    SliderTest() : runner(sliderPins, settings()) {}

    static RunnerSettings settings() {
        RunnerSettings settings;
        settings.host.sampleRate = hostRate;
        settings.host.sleepCountdown = 64;
        settings.blockSize = 64;
        return settings;
    }

    std::vector<float> run(int64_t samples) {
        EXPECT_EQ(openProcessor(runner, GetParam()), gmpi::MP_OK);
        return runAndRecord(runner, samples, signalOut);
    }

    // The sample at which the output last reported that it went static.
    int64_t lastSettled() const {
        int64_t time = -1;
        for (const StreamingReport& report : streamingReports(runner.log()))
            if (!report.streaming) time = report.time;
        return time;
    }

    Runner runner;
};

TEST_P(SliderTest, FirstValueJumpsWithoutRampThenTheProcessorSleeps) {
    runner.script().setValue(0, s0, 5.0f);
    const auto out = run(4096);
    for (float sample : out) ASSERT_EQ(sample, 0.5f);
    const auto reports = streamingReports(runner.log());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_TRUE(reports[0].streaming);   // graph start: streaming until the first fill
    EXPECT_FALSE(reports[1].streaming);  // the jump
    EXPECT_EQ(reports[1].time, 0);
    EXPECT_GE(sleepRequests(runner.log()), 1);
    EXPECT_GT(runner.blocksSlept(0), 0);
}

TEST_P(SliderTest, LaterValueRampsLinearlyOverFifteenMillisecondsSlowedByTheSettledRate) {
    runner.script().setValue(0, s0, 0.0f);
    runner.script().setValue(4800, s0, 5.0f);
    const auto out = run(9600);
    // The first ramp after settling runs at 0.9 of the 15 ms rate: 800 samples.
    const float step = 0.5f * 0.9f / (0.015f * hostRate);
    EXPECT_EQ(out[4799], 0.0f);
    EXPECT_NEAR(out[4800], step, 1e-6f);
    EXPECT_NEAR(out[4800 + 399], 400 * step, 1e-4f);
    for (size_t i = 4801; i < out.size(); ++i) ASSERT_GE(out[i], out[i - 1]) << i;
    EXPECT_NEAR(static_cast<double>(lastSettled()), 4800 + 800, 1.0);
    for (size_t i = 4800 + 801; i < out.size(); ++i) ASSERT_EQ(out[i], 0.5f) << i;
}

TEST_P(SliderTest, ValueArrivingDuringARampSpeedsTheNextRampByFivePercent) {
    runner.script().setValue(0, s0, 0.0f);
    runner.script().setValue(4800, s0, 10.0f);
    runner.script().setValue(5200, s0, 0.0f);
    const auto out = run(9600);
    EXPECT_GT(out[5199], 0.4f);
    EXPECT_LT(out[5201], out[5199]);
    // 800 samples / 1.05
    EXPECT_NEAR(static_cast<double>(lastSettled()), 5200 + 800 / 1.05, 1.5);
    EXPECT_EQ(out.back(), 0.0f);
}

TEST_P(SliderTest, EqualValueNeitherRampsNorStreams) {
    runner.script().setValue(0, s0, 5.0f);
    runner.script().setValue(4800, s0, 5.0f);
    const auto out = run(9600);
    for (float sample : out) ASSERT_EQ(sample, 0.5f);
    EXPECT_EQ(streamingReports(runner.log()).size(), 2u);
}

TEST_P(SliderTest, NonFiniteValuesAreIgnoredAndTheOutputHolds) {
    runner.script().setValue(0, s0, 5.0f);
    runner.script().setValue(4800, s0, std::numeric_limits<float>::quiet_NaN());
    runner.script().setValue(6000, s0, std::numeric_limits<float>::infinity());
    runner.script().setValue(7000, s0, -std::numeric_limits<float>::infinity());
    const auto out = run(9600);
    for (float sample : out) ASSERT_EQ(sample, 0.5f);
    for (const StreamingReport& report : streamingReports(runner.log())) {
        if (report.time > 0) {
            EXPECT_FALSE(report.streaming);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSliders, SliderTest, ::testing::Values(u"ZU Slider", u"ZU Slider2"),
                         [](const auto& info) { return info.index == 0 ? "Slider" : "Slider2"; });

}  // namespace
