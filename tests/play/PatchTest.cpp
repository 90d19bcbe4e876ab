#include <gtest/gtest.h>

#include <filesystem>

#include "host/description/EmbeddedDescription.h"
#include "host/play/DefaultPatches.h"
#include "host/play/Patch.h"
#include "host/play/PatchPlan.h"
#include "tests/support/BuiltDescription.h"

namespace {

using namespace zuhost::play;

Patch parse(const std::string& text) { return parsePatch(text, "test", "test.json"); }

// The message of the PatchError that reading (and, when `plan`, binding) the text throws.
std::string errorOf(const std::string& text, bool plan = false) {
    try {
        Patch patch = parse(text);
        if (plan) planPatch(std::move(patch), builtDescription());
    } catch (const PatchError& error) {
        return error.what();
    }
    return "no error";
}

constexpr const char* knobAndSine = R"({
  "nodes": [
    {"id": "knob", "plugin": "ZU Slider2", "pins": {"Appearance": 3, "Title": "x", "Show Readout": false}},
    {"id": "tone", "type": "sine", "frequency": 220},
    {"id": "out", "type": "output"}
  ],
  "connections": [
    {"from": "knob.Signal Out", "to": "tone.level", "scale": 0.5, "offset": 0.1},
    {"from": "tone.out", "to": "out.left"}
  ]
})";

TEST(PatchTest, NodesAndConnectionsAreReadWithTheirLines) {
    const Patch patch = parse(knobAndSine);
    ASSERT_EQ(patch.nodes.size(), 3u);
    EXPECT_EQ(patch.nodes[0].kind, NodeKind::Plugin);
    EXPECT_EQ(patch.nodes[0].line, 3);
    const std::vector<std::pair<std::string, std::string>> pins{
        {"Appearance", "3"}, {"Title", "x"}, {"Show Readout", "0"}};
    EXPECT_EQ(patch.nodes[0].pins, pins);
    EXPECT_EQ(patch.nodes[1].kind, NodeKind::Sine);
    EXPECT_EQ(patch.nodes[1].inputs.at("frequency"), 220.0f);
    ASSERT_EQ(patch.connections.size(), 2u);
    EXPECT_EQ(patch.connections[0].toPin, "level");
    EXPECT_EQ(patch.connections[0].scale, 0.5f);
    EXPECT_EQ(patch.connections[0].offset, 0.1f);
    EXPECT_EQ(patch.connections[1].line, 9);
}

TEST(PatchTest, BindingResolvesPinsAndPlaysSourcesFirst) {
    const PatchPlan plan = planPatch(parse(knobAndSine), builtDescription());
    ASSERT_NE(plan.plugins[0], nullptr);
    EXPECT_EQ(plan.plugins[0]->id, "ZU Slider2");
    EXPECT_EQ(plan.mainPanel, 0);
    EXPECT_EQ(plan.connections[0].from, (PinRef{0, 1}));  // Signal Out is the processor's pin 1
    EXPECT_EQ(plan.connections[0].to, (PinRef{1, 1}));    // a sine's level is its second pin
    EXPECT_EQ(plan.order, (std::vector<int32_t>{0, 1, 2}));
    const PatchPlan reversed = planPatch(parse(R"({"nodes": [{"id": "out", "type": "output"},
        {"id": "tone", "type": "sine"}], "connections": [{"from": "tone.out", "to": "out.right"}]})"),
                                         builtDescription());
    EXPECT_EQ(reversed.order, (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(reversed.mainPanel, -1);
}

TEST(PatchTest, FaultsNameTheLineTheNodeAndThePin) {
    struct Case {
        const char* text;
        const char* expected;
        bool plan;
    };
    const Case cases[] = {
        {"[1, 2]", "test.json line 1: a patch is a JSON object", false},
        {"{\"nodes\": [\n{\"id\": \"a\", \"type\": \"sine\",\n \"nodes\": 1}]}",
         "line 2: node \"a\": sine has no input \"nodes\"; its inputs: frequency, level", false},
        {"{\"nodes\": [{\"id\": \"a\", \"type\": \"sine\"},\n {\"id\": \"a\", \"type\": \"noise\"}]}",
         "line 2: node \"a\": another node has this id", false},
        {"{\"nodes\": [{\"id\": \"a.b\", \"type\": \"sine\"}]}", "node \"a.b\": an id must not be empty or hold '.'",
         false},
        {"{\"nodes\": [{\"id\": \"a\", \"type\": \"organ\"}]}", "unknown type \"organ\"", false},
        {"{\"nodes\": [{\"id\": \"a\", \"type\": \"wav\"}]}", "a wav node needs \"file\"", false},
        {"{\"nodes\": [{\"id\": \"k\", \"plugin\": \"ZU Slider\", \"voices\": 0}]}",
         "\"voices\" must be a whole number, 1 to 128", false},
        {"{\"nodes\": [{\"id\": \"a\", \"type\": \"sine\"}], \"connections\": [\n\n{\"from\": \"a.out\", \"to\": "
         "\"b.in\"}]}",
         "line 3: connection to \"b.in\": no node \"b\"", false},
        {"{\"nodes\": [{\"id\": \"a\", \"type\": \"sine\"}, {\"id\": \"o\", \"type\": \"output\"}],\n\"connections\": "
         "[{\"from\": \"a.level\", \"to\": \"o.left\"}]}",
         "line 2: connection from \"a.level\": node \"a\" (sine) has no output \"level\"; it has: out", false},
        {"{\"nodes\": [{\"id\": \"a\", \"type\": \"sine\"}], \"connections\": [{\"from\": \"a\", \"to\": "
         "\"a.level\"}]}",
         "connection from \"a\": expected NODE.PIN", false},
        {"{\"nodes\": [\n{\"id\": \"k\", \"plugin\": \"ZU Knob\"}]}",
         "line 2: node \"k\": the library has no plug-in \"ZU Knob\"", true},
        {"{\"nodes\": [{\"id\": \"k\", \"plugin\": \"ZU Slider\"}, {\"id\": \"o\", \"type\": \"output\"}],\n"
         "\"connections\": [\n{\"from\": \"k.Signal\", \"to\": \"o.left\"}]}",
         "line 3: connection from \"k.Signal\": node \"k\" (ZU Slider) has no output \"Signal\"; it has: Signal Out",
         true},
        {"{\"nodes\": [{\"id\": \"s\", \"plugin\": \"ZU Scope3 XP\"}, {\"id\": \"t\", \"type\": \"sine\"}],\n"
         "\"connections\": [{\"from\": \"t.out\", \"to\": \"s.polydetect\"}]}",
         "connection to \"s.polydetect\": node \"s\" (ZU Scope3 XP) has no audio input \"polydetect\"; it has: Signal "
         "A, Signal B",
         true},
        {"{\"nodes\": [\n{\"id\": \"a\", \"type\": \"sine\"}, {\"id\": \"b\", \"type\": \"sine\"}],\n"
         "\"connections\": [{\"from\": \"a.out\", \"to\": \"b.level\"}, {\"from\": \"b.out\", \"to\": "
         "\"a.frequency\"}]}",
         "line 2: the connections form a loop among nodes \"a\", \"b\"", true},
    };
    for (const Case& c : cases) {
        const std::string error = errorOf(c.text, c.plan);
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.text << "\n  gave: " << error;
    }
}

TEST(PatchTest, TextThatIsNotJsonIsRefusedWithItsPlace) {
    const std::string error = errorOf("{\"nodes\": [\n  {\"id\": }\n]}");
    EXPECT_NE(error.find("test.json: parse error at line 2"), std::string::npos) << error;
}

TEST(PatchTest, EveryPlugInOfTheLibraryHasADefaultPatchThatBindsAndSounds) {
    for (const zuhost::PluginDescription& plugin : builtDescription().plugins) {
        const PatchPlan plan = planPatch(defaultPatch(plugin), builtDescription());
        EXPECT_EQ(plan.plugins[static_cast<size_t>(plan.mainPanel)]->id, plugin.id);
        EXPECT_FALSE(plan.connectionsTo({static_cast<int32_t>(plan.patch.nodes.size() - 2), 0}).empty()) << plugin.id;
    }
}

}  // namespace
