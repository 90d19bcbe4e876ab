#include "host/process/ProcessOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace zuhost;

ProcessOptions parse(std::vector<std::string_view> args) { return parseProcessOptions(args); }

TEST(ProcessOptions, ReadsPluginLibraryAndEveryOption) {
    const auto options = parse({"ZU Slider", "lib.so", "--rate", "44100", "--block", "32", "--length", "2s", "--voices", "4",
                                "--countdown", "100", "--input", "Signal A=sine:440:0.5@10ms", "--set", "S0=5@0",
                                "--voice-set", "2:VoiceActive=0@1s", "--streaming", "Signal A=off@300", "--out", "dir"});
    EXPECT_EQ(options.plugin, "ZU Slider");
    EXPECT_EQ(options.library, std::filesystem::path("lib.so"));
    EXPECT_EQ(options.sampleRate, 44100.0f);
    EXPECT_EQ(options.blockSize, 32);
    EXPECT_EQ(options.length, "2s");
    EXPECT_EQ(options.voices, 4);
    EXPECT_EQ(options.sleepCountdown, 100);
    ASSERT_EQ(options.inputs.size(), 1u);
    EXPECT_EQ(options.inputs[0].pin, "Signal A");
    EXPECT_EQ(options.inputs[0].text, "sine:440:0.5");
    EXPECT_EQ(options.inputs[0].time, "10ms");
    ASSERT_EQ(options.values.size(), 2u);
    EXPECT_EQ(options.values[0].voice, -1);
    EXPECT_EQ(options.values[1].voice, 2);
    EXPECT_EQ(options.values[1].pin, "VoiceActive");
    EXPECT_EQ(options.values[1].time, "1s");
    EXPECT_EQ(options.streaming.at(0).text, "off");
    EXPECT_EQ(options.outputDirectory, std::filesystem::path("dir"));
}

TEST(ProcessOptions, AnInputWithoutATimeStartsAtTheBeginning) {
    const auto options = parse({"p", "--input", "0=silence"});
    EXPECT_EQ(options.inputs.at(0).time, "");
}

TEST(ProcessOptions, RefusesMalformedArguments) {
    const std::vector<std::vector<std::string_view>> cases = {
        {},
        {"a", "b", "c"},
        {"p", "--block", "0"},
        {"p", "--block", "12x"},
        {"p", "--voices", "-1"},
        {"p", "--rate", "nan"},
        {"p", "--rate", "inf"},
        {"p", "--rate", "0"},
        {"p", "--set", "S0=5"},          // a value needs a time
        {"p", "--set", "=5@0"},
        {"p", "--voice-set", "S0=5@0"},  // no voice
        {"p", "--voice-set", "-1:S0=5@0"},
        {"p", "--wobble", "1"},
        {"p", "--length"},
    };
    for (const auto& args : cases) EXPECT_THROW(parse(args), UsageError) << (args.empty() ? "" : args.back());
}

TEST(ProcessOptions, TimesAreSamplesOrSecondsAtTheRate) {
    EXPECT_EQ(parseSampleTime("24000", 48000.0f), 24000);
    EXPECT_EQ(parseSampleTime("0.5s", 48000.0f), 24000);
    EXPECT_EQ(parseSampleTime("20ms", 44100.0f), 882);
    EXPECT_EQ(parseSampleTime("0", 48000.0f), 0);
    for (const char* bad : {"-1", "1.5", "s", "ms", "-0.5s", "nans", "infs", "1e300s", "99999999999999999999", "10 s", ""})
        EXPECT_THROW(parseSampleTime(bad, 48000.0f), UsageError) << bad;
}

TEST(ProcessOptions, NumbersMustFillTheWholeText) {
    EXPECT_EQ(parseInteger("-12"), -12);
    EXPECT_FALSE(parseInteger("12 "));
    EXPECT_FALSE(parseInteger("0x10"));
    EXPECT_EQ(parseReal("2.5e1"), 25.0);
    EXPECT_FALSE(parseReal("2.5f"));
    EXPECT_FALSE(parseReal("nan"));
    EXPECT_FALSE(parseReal("1e400"));
}

}  // namespace
