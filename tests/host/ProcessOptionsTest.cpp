#include "host/process/ProcessOptions.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/MpInterfaces.h"
#include "host/description/EmbeddedDescription.h"
#include "tests/support/BuiltDescription.h"

namespace {

using namespace zuhost;

// The arguments read as zuhost reads them, then resolved against a description, the built library's unless given.
ProcessOptions resolved(const std::vector<std::string>& args,
                        const LibraryDescription& description = builtDescription()) {
    CLI::App app;
    ProcessArguments arguments;
    declareProcessArguments(app, arguments);
    app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    return resolveProcessOptions(arguments, description);
}

std::string whyRefused(const std::vector<std::string>& args) {
    try {
        resolved(args);
    } catch (const CLI::ParseError& error) {
        return error.what();
    }
    return {};
}

int32_t intValue(const std::vector<uint8_t>& bytes) {
    int32_t value = 0;
    EXPECT_EQ(bytes.size(), sizeof value);
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

TEST(ProcessOptions, ResolvesPinsValuesAndTimesAgainstTheDescription) {
    const ProcessOptions options =
        resolved({"List Entry", "--rate", "44100", "--block", "32", "--set", "Value In=3@20ms", "--set", "0=4@1s"});
    EXPECT_EQ(options.plugin.id, "ZU List Entry");
    EXPECT_EQ(options.sleepCountdown, 32) << "the block size unless given";
    EXPECT_EQ(options.length, 44100);
    ASSERT_EQ(options.values.size(), 3u);
    EXPECT_EQ(options.values[0].pin, 0) << "the parameter's start value, as a host opening a patch sends it";
    EXPECT_EQ(intValue(options.values[0].bytes), 0);
    EXPECT_EQ(options.values[0].time, 0);
    EXPECT_EQ(options.values[1].pin, 0);
    EXPECT_EQ(options.values[2].pin, 0) << "by index";
    EXPECT_EQ(intValue(options.values[1].bytes), 3);
    EXPECT_EQ(options.values[1].time, 882);
    EXPECT_EQ(options.values[2].time, 44100);
    EXPECT_EQ(options.warnings,
              (std::vector<std::string>{
                  "--set for \"0\" at 1s comes at or after the end of the run (--length 1s) and never happens"}));
}

TEST(ProcessOptions, AParametersStartValueIsItsDescribedDefaultWhenThatFitsItsDatatype) {
    PluginDescription plugin;
    plugin.id = "P";
    plugin.parameters = {{0, "float", "Level", {{"default", "2.5"}}}, {1, "int", "Steps", {{"default", "many"}}}};
    plugin.audioPins = {{0, "Level", "float", gmpi::MP_FLOAT32, gmpi::MP_IN, 0, {}},
                        {1, "Steps", "int", gmpi::MP_INT32, gmpi::MP_IN, 1, {}},
                        {2, "Level Out", "float", gmpi::MP_FLOAT32, gmpi::MP_OUT, 0, {}}};
    const ProcessOptions options = resolved({"P"}, LibraryDescription{{plugin}});
    ASSERT_EQ(options.values.size(), 2u) << "inputs only";
    const float level = 2.5f;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&level);
    EXPECT_EQ(options.values[0].bytes, std::vector<uint8_t>(bytes, bytes + sizeof level));
    EXPECT_EQ(intValue(options.values[1].bytes), 0) << "a default that is no whole number";
}

// A value for every voice at time 0 takes the place of the start value.
TEST(ProcessOptions, AVoicesOwnValueFollowsTheValueForEveryVoice) {
    const ProcessOptions options =
        resolved({"ZU List Entry", "--voices", "2", "--voice-set", "1:Value In=1@0", "--set", "Value In=2@0"});
    ASSERT_EQ(options.values.size(), 2u);
    EXPECT_EQ(options.values[0].voice, allVoices);
    EXPECT_EQ(options.values[1].voice, 1);
}

TEST(ProcessOptions, RefusesWhatDoesNotFitThePlugInNamingTheOption) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"No Such Plugin"}, "PLUGIN: the library has no plug-in \"No Such Plugin\"; it has:\n  ZU Slider"},
        {{"ZU Slider", "--set", "Nope=1@0"}, "--set: \"ZU Slider\" has no audio-side pin \"Nope\""},
        {{"ZU Slider", "--set", "Signal Out=1@0"}, "--set: \"Signal Out\" is an audio pin"},
        {{"ZU List Entry", "--set", "Value Out=1@0"}, "--set: \"Value Out\" is an output"},
        {{"ZU Slider", "--set", "S0=abc@0"}, "--set: pin \"S0\" (float) needs a finite number, not 'abc'"},
        {{"ZU Scope3 XP", "--voice-set", "1:VoiceActive=0@0"}, "--voice-set: names voice 1, but --voices runs 1"},
        {{"ZU Slider", "--input", "S0=sine:100"}, "--input: \"S0\" is not an audio input"},
        {{"ZU Slider", "--streaming", "99=on@0"}, "--streaming: \"ZU Slider\" has no audio-side pin \"99\""},
    };
    for (const auto& [args, reason] : cases)
        EXPECT_NE(whyRefused(args).find(reason), std::string::npos) << whyRefused(args);
}

}  // namespace
