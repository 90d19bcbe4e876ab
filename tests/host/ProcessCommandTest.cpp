#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "host/run/WavFile.h"
#include "host/zuhost/Zuhost.h"
#include "tests/support/TestTempPath.h"

namespace {

using namespace zuhost;

struct Result {
    int status;
    std::string out;
    std::string err;
};

class ProcessCommandTest : public ::testing::Test {
protected:
    Result process(std::vector<std::string> args) {
        args.insert(args.begin() + 1, std::filesystem::absolute("libzu_modules.so").string());
        args.insert(args.begin(), "process");
        args.insert(args.end(), {"--out", directory.string()});
        const std::vector<std::string_view> views(args.begin(), args.end());
        std::ostringstream out, err;
        const int status = runZuhost(views, out, err);
        return {status, out.str(), err.str()};
    }

    std::vector<std::vector<std::string>> csv(const char* name) {
        std::ifstream file(directory / name);
        std::vector<std::vector<std::string>> rows;
        for (std::string line; std::getline(file, line);) {
            std::vector<std::string> fields;
            std::stringstream stream(line);
            for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
            if (!line.empty() && line.back() == ',') fields.emplace_back();
            rows.push_back(fields);
        }
        return rows;
    }

    // Rows of the timeline for one pin and event kind, as "time=value".
    std::vector<std::string> timeline(const std::string& pin, const std::string& event) {
        std::vector<std::string> found;
        for (const auto& row : csv("timeline.csv"))
            if (row.size() == 6 && row[3] == pin && row[4] == event) found.push_back(row[0] + "=" + row[5]);
        return found;
    }

    const std::filesystem::path directory = testTempPath("out");
};

TEST_F(ProcessCommandTest, SliderWithTwoAutomationStepsRampsBetweenThem) {
    const Result result = process({"ZU Slider", "--length", "30000", "--set", "S0=5@0", "--set", "S0=10@24000"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<float> signal = readWavChannel(directory / "Signal_Out.wav", 0).samples;
    ASSERT_EQ(signal.size(), 30000u);
    EXPECT_TRUE(std::all_of(signal.begin(), signal.begin() + 24000, [](float x) { return x == 0.5f; }));
    EXPECT_GT(signal[24000], 0.5f);
    EXPECT_TRUE(std::is_sorted(signal.begin() + 24000, signal.end()));
    EXPECT_LT(signal[24400], 1.0f);
    EXPECT_EQ(signal.back(), 1.0f);

    // The ramp streams for about 16.7 ms (800 samples) and the processor sleeps on either side.
    const auto streaming = timeline("Signal Out", "streaming");
    ASSERT_EQ(streaming.size(), 4u);
    EXPECT_EQ(streaming[2], "24000=on");
    EXPECT_NEAR(std::stoi(streaming[3]), 24800, 2);
    EXPECT_NE(result.out.find("sleep requests: 2"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("warning"), std::string::npos) << result.out;
}

TEST_F(ProcessCommandTest, ScopeOnASineSendsCapturesStartingAtRisingZeroCrossings) {
    const Result result =
        process({"ZU Scope3 XP", "--input", "Signal A=sine:100:0.8", "--input", "Signal B=constant:0.25"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto rows = csv("captures.csv");
    ASSERT_GT(rows.size(), 1u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"capture", "time", "voice", "sample", "Capture Data A", "Capture Data B"}));
    // The first capture starts at once; every later one at the first sample above zero after a crossing.
    const float largestFirstSample = 0.8f * std::sin(2.0f * 3.14159265f * 100.0f / 48000.0f) + 1e-6f;
    int captures = 0;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i][3] != "0" || rows[i][0] == "0") continue;
        ++captures;
        const float first = std::stof(rows[i][4]);
        EXPECT_GT(first, 0.0f);
        EXPECT_LE(first, largestFirstSample);
        EXPECT_GT(std::stof(rows[i + 1][4]), first);
        EXPECT_EQ(rows[i][5], "0.25");
    }
    // A 40 ms hold-off and up to a 10 ms wait for the next crossing: about twenty a second.
    EXPECT_GE(captures, 15);
    EXPECT_EQ(rows.size() - 1, 400u * (captures + 1));
    EXPECT_NE(result.out.find("captures sent: " + std::to_string(captures + 1)), std::string::npos) << result.out;
}

TEST_F(ProcessCommandTest, PolyphonicScopeSendsOnlyFromTheLastActivatedVoice) {
    const Result result =
        process({"ZU Scope3 XP", "--voices", "3", "--length", "0.2s", "--input", "Signal A=sine:200"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto rows = csv("captures.csv");
    ASSERT_GT(rows.size(), 1u);
    for (size_t i = 1; i < rows.size(); ++i) ASSERT_EQ(rows[i][2], "2");
    const auto polydetect = timeline("polydetect", "value");
    ASSERT_FALSE(polydetect.empty());
    for (const std::string& value : polydetect) EXPECT_EQ(value, "0=1");
}

TEST_F(ProcessCommandTest, VoiceThatEndsClearsItsTraces) {
    const Result result = process({"ZU Scope3 XP", "--voices", "2", "--length", "0.1s", "--input", "Signal A=sine:200",
                                   "--voice-set", "1:VoiceActive=0@2400"});
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<std::string> cleared;
    for (const auto& row : csv("timeline.csv"))
        if (row[1] == "1" && row[5] == "blob 0 bytes" && row[0] == "2400") cleared.push_back(row[3]);
    EXPECT_EQ(cleared, (std::vector<std::string>{"Capture Data A", "Capture Data B"}));
}

TEST_F(ProcessCommandTest, ListEntrySendsEachNewChoiceOnce) {
    const Result result = process({"ZU List Entry", "--length", "1000", "--set", "Value In=3@100", "--set", "0=3@200",
                                   "--set", "Value In=7@300"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(timeline("Value Out", "value"), (std::vector<std::string>{"0=0", "100=3", "300=7"}));
}

TEST_F(ProcessCommandTest, WavInputThatEndsLetsTheScopeSleep) {
    std::filesystem::create_directories(directory);
    const auto input = directory / "input.wav";
    {
        std::vector<float> sine(9600);
        for (size_t i = 0; i < sine.size(); ++i) sine[i] = std::sin(2.0f * 3.14159265f * 250.0f * i / 48000.0f);
        WavWriter writer(input, 1, 48000.0f);
        writer.write(sine);
    }
    const Result result = process({"ZU Scope3 XP", "--input", "Signal A=wav:" + input.string(), "--length", "1s"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("sleep requests: 1"), std::string::npos) << result.out;
    int capturesAfterTheFile = 0;
    for (const auto& row : csv("captures.csv"))
        if (row[3] == "0" && row[1] != "time" && std::stoll(row[1]) >= 9600) ++capturesAfterTheFile;
    EXPECT_EQ(capturesAfterTheFile, 2);
}

// A streaming event carries no value bytes; the host must still hand it over soundly.
TEST_F(ProcessCommandTest, AScriptedStreamingStopLetsTheScopeSleep) {
    const Result result = process({"ZU Scope3 XP", "--length", "0.5s", "--input", "Signal A=sine:100", "--input",
                                   "Signal B=constant:0", "--streaming", "Signal A=off@4800"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("sleep requests: 1"), std::string::npos) << result.out;
}

TEST_F(ProcessCommandTest, WrongUsageIsRefusedWithAReason) {
    const std::vector<std::vector<std::string>> cases = {
        {"No Such Plugin"},
        {"ZU Slider", "--set", "Nope=1@0"},
        {"ZU Slider", "--set", "Signal Out=1@0"},
        {"ZU List Entry", "--set", "Value Out=1@0"},
        {"ZU Slider", "--set", "S0=abc@0"},
        {"ZU Slider", "--input", "S0=sine:100"},
        {"ZU Scope3 XP", "--voice-set", "1:VoiceActive=0@0"},
        {"ZU Scope3 XP", "--input", "Signal A=sine"},
        {"ZU Slider", "--length", "-5"},
        {"ZU Scope3 XP", "--input", "Signal A=wav:/no/such.wav"},
    };
    for (const auto& args : cases) {
        const Result result = process(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_NE(result.err.find("usage:"), std::string::npos) << args.back();
    }
    EXPECT_NE(process({"No Such Plugin"}).err.find("ZU TrigScope3 XP"), std::string::npos);
}

TEST_F(ProcessCommandTest, AMissingLibraryFails) {
    std::ostringstream out, err;
    const std::vector<std::string_view> args{"process", "ZU Slider", "/no/such/library.so"};
    EXPECT_EQ(runZuhost(args, out, err), 1);
}

// As a host opening a patch, so that the processor settles and sleeps.
TEST_F(ProcessCommandTest, EveryParameterStartsAtItsDefaultUnlessSetAtTimeZero) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"ZU Slider"}, "0,0,1,Signal Out,streaming,off"},
        {{"ZU List Entry"}, "0,0,1,Value Out,value,0"},
        {{"ZU List Entry", "--set", "Value In=4@0"}, "0,0,1,Value Out,value,4"},
    };
    for (const auto& [args, settled] : cases) {
        std::vector<std::string> run = args;
        run.insert(run.end(), {"--length", "0.1s"});
        const Result result = process(run);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find("sleep requests: 1\n"), std::string::npos) << args[0] << '\n' << result.out;
        std::ifstream file(directory / "timeline.csv");
        const std::string timeline{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_NE(timeline.find("\n" + settled + "\n0,0,,,sleep,\n"), std::string::npos) << timeline;
    }
}

TEST_F(ProcessCommandTest, WhatIsScheduledAfterTheEndIsAWarning) {
    const Result result = process({"ZU Slider", "--length", "1s", "--set", "S0=1@0.5s", "--set", "S0=2@1s",
                                   "--streaming", "Signal Out=off@48000"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "zuhost process: warning: --set for \"S0\" at 1s comes at or after the end of the run (--length 1s) "
              "and never happens\n"
              "zuhost process: warning: --streaming for \"Signal Out\" at 48000 comes at or after the end of the run "
              "(--length 1s) and never happens\n");
}

}  // namespace
