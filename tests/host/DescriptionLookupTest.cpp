#include "host/run/DescriptionLookup.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "host/command/UsageError.h"
#include "host/description/EmbeddedDescription.h"
#include "tests/support/BuiltDescription.h"

namespace {

using namespace zuhost;

// What a lookup found, or "error: " and why it found nothing.
std::string outcome(const std::function<std::string()>& lookup) {
    try {
        return lookup();
    } catch (const UsageError& error) {
        return std::string("error: ") + error.what();
    }
}

TEST(DescriptionLookup, FindsByNameThenByIndexAndSaysWhatThereIsOtherwise) {
    const PluginDescription& scope = findPluginByIdOrName(builtDescription(), "ZU Scope3 XP");
    const PluginDescription& slider2 = findPluginByIdOrName(builtDescription(), "Slider2");
    const std::pair<std::function<std::string()>, std::string> cases[] = {
        {[&] { return findPluginByIdOrName(builtDescription(), "List Entry").id; }, "ZU List Entry"},
        {[&] { return findPluginByIdOrName(builtDescription(), "Nothing").id; },
         "error: the library has no plug-in \"Nothing\"; it has:\n  ZU Slider\n  ZU Slider2\n  ZU List Entry\n"},
        {[&] { return findAudioPinByNameOrIndex(scope, "Signal A").name; }, "Signal A"},
        {[&] { return findAudioPinByNameOrIndex(scope, "1").name; }, "Capture Data B"},
        {[&] { return findAudioPinByNameOrIndex(scope, "-1").name; },
         "error: \"ZU Scope3 XP\" has no audio-side pin \"-1\""},
        {[&] { return findAudioInput(scope, "Signal A").name; }, "Signal A"},
        {[&] { return findAudioInput(scope, "Capture Data A").name; },
         "error: \"Capture Data A\" is not an audio input"},
        {[&] { return findGuiPinByNameOrIndex(slider2, "8").name; }, "Appearance"},
        {[&] { return findGuiPinByNameOrIndex(slider2, "Nope").name; },
         "error: \"ZU Slider2\" has no panel pin \"Nope\"; it has:\n  0 Value In\n  1 Name In\n"},
        {[&] { return findBlobPin(scope, "B").name; }, "Capture Data B"},
        {[&] { return findBlobPin(scope, "Capture Data A").name; }, "Capture Data A"},
        {[&] { return findBlobPin(scope, "0").name; }, "Capture Data A"},
        {[&] { return findBlobPin(scope, "VoiceGate").name; }, "error: panel pin \"VoiceGate\" takes no trace"},
    };
    for (const auto& [lookup, expected] : cases) {
        const std::string found = outcome(lookup);
        EXPECT_EQ(found.substr(0, expected.size()), expected) << found;
    }
}

}  // namespace
