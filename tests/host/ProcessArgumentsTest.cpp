#include "host/process/ProcessArguments.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace zuhost;

ProcessArguments parse(const std::vector<std::string>& args) {
    CLI::App app;
    ProcessArguments arguments;
    declareProcessArguments(app, arguments);
    app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    return arguments;
}

// Why the command line is refused, or nothing when it is not.
std::string refusal(const std::vector<std::string>& args) {
    try {
        parse(args);
    } catch (const CLI::ParseError& error) {
        return error.what();
    }
    return {};
}

SampleTime seconds(double amount) { return {amount, SampleTime::Unit::Seconds}; }

TEST(ProcessArguments, ReadsEveryOptionIntoItsType) {
    const auto arguments = parse({"ZU Slider",   "lib.so",
                                  "--rate",      "44100",
                                  "--block",     "032",
                                  "--length",    "2s",
                                  "--voices",    "4",
                                  "--countdown", "100",
                                  "--input",     "Signal A=sine:440:0.5@10ms",
                                  "--set",       "S0=5@0",
                                  "--voice-set", "2:VoiceActive=0@1s",
                                  "--streaming", "Signal A=off@300",
                                  "--out",       "dir"});
    EXPECT_EQ(arguments.plugin, "ZU Slider");
    EXPECT_EQ(arguments.library, std::filesystem::path("lib.so"));
    EXPECT_EQ(arguments.audio.sampleRate, 44100.0f);
    EXPECT_EQ(arguments.audio.blockSize, 32);
    EXPECT_EQ(arguments.length, seconds(2));
    EXPECT_EQ(arguments.audio.voices, 4);
    EXPECT_EQ(arguments.sleepCountdown, 100);
    ASSERT_EQ(arguments.audio.inputs.size(), 1u);
    EXPECT_EQ(arguments.audio.inputs[0].pin, "Signal A");
    EXPECT_TRUE(arguments.audio.inputs[0].value.signal.isStreaming());
    EXPECT_EQ(arguments.audio.inputs[0].time, SampleTime(10, SampleTime::Unit::Milliseconds));
    ASSERT_EQ(arguments.values.size(), 2u);
    EXPECT_EQ(arguments.values[0].voice, allVoices);
    EXPECT_EQ(arguments.values[0].value, "5");
    EXPECT_EQ(arguments.values[1].voice, 2);
    EXPECT_EQ(arguments.values[1].pin, "VoiceActive");
    EXPECT_EQ(arguments.values[1].time, seconds(1));
    ASSERT_EQ(arguments.streaming.size(), 1u);
    EXPECT_FALSE(arguments.streaming[0].value);
    EXPECT_EQ(arguments.outputDirectory, std::filesystem::path("dir"));
}

TEST(ProcessArguments, DefaultsAndAnInputWithoutATime) {
    const auto arguments = parse({"p", "--input", "0=silence"});
    EXPECT_EQ(arguments.audio.inputs.at(0).time, std::nullopt);
    EXPECT_EQ(arguments.length, seconds(1));
    EXPECT_EQ(arguments.sleepCountdown, std::nullopt);
    EXPECT_EQ(arguments.outputDirectory, std::filesystem::path("out/process"));
}

TEST(ProcessArguments, RefusesWrongTextNamingTheOptionAndTheReason) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "PLUGIN is required"},
        {{"p", "--block", "0"}, "--block: 0 is out of range (1 to 65536)"},
        {{"p", "--block", "12x"}, "--block: 12x is not"},
        {{"p", "--voices", "-1"}, "--voices: -1 is out of range (1 to 256)"},
        {{"p", "--countdown", "0x10"}, "--countdown: 0x10 is not a whole number (1 or more)"},
        {{"p", "--rate", "nan"}, "--rate: nan is not a number (1 to 1000000)"},
        {{"p", "--rate", "inf"}, "--rate: inf is not"},
        {{"p", "--rate", "0"}, "--rate: 0 is out of range (1 to 1000000)"},
        {{"p", "--length", "1.5"}, "--length: a time is"},
        {{"p", "--set", "S0=5"}, "--set: expected PIN=VALUE@TIME, with a time"},
        {{"p", "--set", "=5@0"}, "--set: expected PIN=VALUE@TIME"},
        {{"p", "--set", "S0=5@soon"}, "--set: a time is"},
        {{"p", "--voice-set", "S0=5@0"}, "--voice-set: expected VOICE:PIN=VALUE@TIME"},
        {{"p", "--voice-set", "-1:S0=5@0"}, "--voice-set: expected"},
        {{"p", "--streaming", "S0=maybe@0"}, "--streaming: expected on or off, not 'maybe'"},
        {{"p", "--input", "S0=square:1"}, "--input: unknown signal 'square:1'"},
        {{"p", "--wobble", "1"}, "--wobble"},
        {{"p", "--length"}, "--length"},
        {{"a", "b", "c"}, "c"},
    };
    for (const auto& [args, reason] : cases) EXPECT_NE(refusal(args).find(reason), std::string::npos) << refusal(args);
}

TEST(ProcessArguments, EachOccurrenceOfARepeatedOptionTakesOneValue) {
    const auto arguments = parse({"p", "--set", "a=1@0", "lib.so", "--set", "b=2@0"});
    EXPECT_EQ(arguments.library, std::filesystem::path("lib.so"));
    ASSERT_EQ(arguments.values.size(), 2u);
    EXPECT_EQ(arguments.values[1].pin, "b");
}

}  // namespace
