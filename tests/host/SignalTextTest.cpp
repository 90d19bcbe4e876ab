#include "host/run/SignalText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "host/command/UsageError.h"
#include "host/run/WavFile.h"
#include "tests/support/TestTempPath.h"

namespace {

using namespace zuhost;

std::vector<float> rendered(const InputSignal& input, size_t count) {
    std::vector<float> out(count);
    input.signal.render(0, 48000.0f, out);
    return out;
}

TEST(SignalText, NamesEveryGeneratedSignal) {
    EXPECT_EQ(rendered(parseSignal("constant:0.5"), 2), (std::vector<float>{0.5f, 0.5f}));
    EXPECT_EQ(rendered(parseSignal("silence"), 2), (std::vector<float>{0, 0}));
    EXPECT_FALSE(parseSignal("silence").signal.isStreaming());
    EXPECT_NEAR(rendered(parseSignal("sine:12000:0.25"), 2)[1], 0.25f, 1e-6);
    EXPECT_NEAR(rendered(parseSignal("sine:12000"), 2)[1], 1.0f, 1e-6);
    EXPECT_EQ(rendered(parseSignal("noise:5:0.5"), 8), rendered(parseSignal("noise:5:0.5"), 8));
    EXPECT_NE(rendered(parseSignal("noise"), 8), rendered(parseSignal("noise:5"), 8));
    EXPECT_FALSE(parseSignal("sine:1").length);
}

TEST(SignalText, RefusesUnknownOrMalformedSignals) {
    for (const char* bad : {"", "square:1", "sine", "sine:x", "sine:1:2:3", "constant", "constant:inf", "noise:-1",
                            "noise:1:nan", "silence:1"})
        EXPECT_THROW(parseSignal(bad), UsageError) << bad;
}

TEST(SignalText, PlaysAChannelOfAWavFileAndKnowsItsLength) {
    const auto path = testTempPath("stereo.wav");
    {
        WavWriter writer(path, 2, 22050.0f);
        writer.write(std::vector<float>{0.1f, -0.1f, 0.2f, -0.2f, 0.3f, -0.3f});
    }
    const InputSignal left = parseSignal("wav:" + path.string());
    EXPECT_EQ(left.length, 3);
    EXPECT_EQ(left.fileRate, 22050.0f);
    EXPECT_EQ(rendered(left, 4), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.0f}));
    EXPECT_EQ(rendered(parseSignal("wav:" + path.string() + ":1"), 3), (std::vector<float>{-0.1f, -0.2f, -0.3f}));
    EXPECT_THROW(parseSignal("wav:" + path.string() + ":2"), UsageError);
}

TEST(SignalText, UnreadableWavFilesAreReportedAndNonFiniteSamplesSilenced) {
    EXPECT_THROW(parseSignal("wav:" + testTempPath("missing.wav").string()), UsageError);
    const auto garbage = testTempPath("garbage.wav");
    std::ofstream(garbage, std::ios::binary) << "RIFF not really";
    EXPECT_THROW(parseSignal("wav:" + garbage.string()), UsageError);

    const auto path = testTempPath("nan.wav");
    {
        WavWriter writer(path, 1, 48000.0f);
        writer.write(std::vector<float>{NAN, 0.5f, INFINITY});
    }
    EXPECT_EQ(rendered(parseSignal("wav:" + path.string()), 3), (std::vector<float>{0.0f, 0.5f, 0.0f}));
}

}  // namespace
