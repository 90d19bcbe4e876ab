// The description the built library carries, checked against the pin tables
// the plug-in classes are written to (index, name, datatype code, direction).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/MpInterfaces.h"
#include "host/description/EmbeddedDescription.h"

namespace {

using namespace zuhost;
using namespace gmpi;

struct ExpectedPin {
    int32_t index;
    std::string name;
    int32_t datatypeCode;
    int32_t direction;
};

void expectPins(const std::vector<PinDescription>& pins, const std::vector<ExpectedPin>& expected) {
    ASSERT_EQ(pins.size(), expected.size());
    for (size_t i = 0; i < pins.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(pins[i].index, expected[i].index);
        EXPECT_EQ(pins[i].name, expected[i].name);
        EXPECT_EQ(pins[i].datatypeCode, expected[i].datatypeCode);
        EXPECT_EQ(pins[i].direction, expected[i].direction);
    }
}

const std::vector<ExpectedPin> sliderAudio = {{0, "S0", MP_FLOAT32, MP_IN}, {1, "Signal Out", MP_AUDIO, MP_OUT}};

const std::vector<ExpectedPin> scopeAudio = {
    {0, "Capture Data A", MP_BLOB, MP_OUT}, {1, "Capture Data B", MP_BLOB, MP_OUT}, {2, "Signal A", MP_AUDIO, MP_IN},
    {3, "Signal B", MP_AUDIO, MP_IN},       {4, "VoiceActive", MP_FLOAT32, MP_IN},  {5, "polydetect", MP_BOOL, MP_OUT},
};

const std::vector<ExpectedPin> scopeGui = {
    {0, "Capture Data A", MP_BLOB, MP_IN},
    {1, "Capture Data B", MP_BLOB, MP_IN},
    {3, "VoiceGate", MP_FLOAT32, MP_IN},
    {4, "polydetect", MP_BOOL, MP_IN},
};

class BuiltDescription : public ::testing::Test {
protected:
    const PluginDescription& plugin(const std::string& id) {
        const PluginDescription* found = description.findPlugin(id);
        if (!found) throw std::runtime_error("no plug-in " + id);
        return *found;
    }
    LibraryDescription description = loadDescription("libzu_modules.so");
};

TEST_F(BuiltDescription, ListsTheFivePlugInsWithNamesAndCategories) {
    ASSERT_EQ(description.plugins.size(), 5u);
    const std::vector<std::vector<std::string>> expected = {
        {"ZU Slider", "Slider", "Experimental"},
        {"ZU Slider2", "Slider2", "Experimental"},
        {"ZU List Entry", "List Entry", "Experimental"},
        {"ZU Scope3 XP", "Scope3 (xp)", "Experimental"},
        {"ZU TrigScope3 XP", "Triggered Scope", "Diagnostic"},
    };
    for (const auto& row : expected) {
        const PluginDescription& described = plugin(row[0]);
        EXPECT_EQ(described.name, row[1]);
        EXPECT_EQ(described.category, row[2]);
        EXPECT_EQ(described.graphicsApi, "GmpiGui");
    }
}

TEST_F(BuiltDescription, SliderPins) {
    expectPins(plugin("ZU Slider").audioPins, sliderAudio);
    expectPins(plugin("ZU Slider").guiPins, {
                                                {13, "Value In", MP_FLOAT32, MP_IN},
                                                {14, "Hint", MP_STRING, MP_IN},
                                                {15, "Appearance", MP_INT32, MP_IN},
                                                {16, "Title", MP_STRING, MP_IN},
                                                {17, "Normalized", MP_FLOAT32, MP_IN},
                                                {18, "Menu Items", MP_STRING, MP_IN},
                                                {19, "Menu Selection", MP_INT32, MP_IN},
                                                {20, "Mouse Down", MP_BOOL, MP_IN},
                                                {21, "RangeLo", MP_FLOAT32, MP_IN},
                                                {22, "RangeHi", MP_FLOAT32, MP_IN},
                                                {23, "Show Readout", MP_BOOL, MP_IN},
                                                {24, "Show Title On Panel", MP_BOOL, MP_IN},
                                            });
}

TEST_F(BuiltDescription, Slider2Pins) {
    expectPins(plugin("ZU Slider2").audioPins, sliderAudio);
    expectPins(plugin("ZU Slider2").guiPins, {
                                                 {0, "Value In", MP_FLOAT32, MP_IN},
                                                 {1, "Name In", MP_STRING, MP_IN},
                                                 {2, "Menu Items", MP_STRING, MP_IN},
                                                 {3, "Menu Selection", MP_INT32, MP_IN},
                                                 {4, "Mouse Down", MP_BOOL, MP_IN},
                                                 {5, "RangeLo", MP_FLOAT32, MP_IN},
                                                 {6, "RangeHi", MP_FLOAT32, MP_IN},
                                                 {7, "Reset Value", MP_FLOAT32, MP_IN},
                                                 {8, "Appearance", MP_INT32, MP_IN},
                                                 {9, "Show Readout", MP_BOOL, MP_IN},
                                                 {10, "Show Title On Panel", MP_BOOL, MP_IN},
                                             });
}

TEST_F(BuiltDescription, ListEntryPins) {
    expectPins(plugin("ZU List Entry").audioPins,
               {{0, "Value In", MP_INT32, MP_IN}, {1, "Value Out", MP_INT32, MP_OUT}});
    expectPins(plugin("ZU List Entry").guiPins, {
                                                    {10, "Value In", MP_INT32, MP_IN},
                                                    {11, "Hint", MP_STRING, MP_IN},
                                                    {12, "EnumList", MP_STRING, MP_IN},
                                                    {13, "Appearance", MP_INT32, MP_IN},
                                                    {14, "Show Title On Panel", MP_BOOL, MP_IN},
                                                });
}

TEST_F(BuiltDescription, ScopePins) {
    expectPins(plugin("ZU Scope3 XP").audioPins, scopeAudio);
    expectPins(plugin("ZU Scope3 XP").guiPins, scopeGui);
}

TEST_F(BuiltDescription, TriggeredScopeHasTheScopePinsAfterItsTriggerInput) {
    std::vector<ExpectedPin> audio = {{0, "Trigger", MP_AUDIO, MP_IN}};
    for (ExpectedPin pin : scopeAudio) {
        ++pin.index;
        audio.push_back(pin);
    }
    expectPins(plugin("ZU TrigScope3 XP").audioPins, audio);
    expectPins(plugin("ZU TrigScope3 XP").guiPins, scopeGui);
}

TEST_F(BuiltDescription, PinsKeepTheirBindingsAndHints) {
    const PluginDescription& scope = plugin("ZU Scope3 XP");
    EXPECT_EQ(scope.findAudioPin(5)->parameterId, 2);
    EXPECT_EQ(scope.findAudioPin(4)->attribute("hostConnect"), "Voice/Active");
    EXPECT_EQ(scope.findGuiPin(3)->attribute("hostConnect"), "Voice/Gate");
    EXPECT_EQ(scope.findGuiPin(2), nullptr);
    EXPECT_EQ(
        plugin("ZU Slider2").findGuiPin(8)->attribute("metadata"),
        "None=-1,Slider,H-Slider=2,Knob,Button, Button (toggle), Knob (small)=7, Button(small), Button (small toggle)");
    ASSERT_EQ(scope.parameters.size(), 3u);
    EXPECT_EQ(scope.parameters[2].name, "polyDetect");
    EXPECT_EQ(findAttribute(scope.parameters[2].attributes, "persistant"), "false");
}

}  // namespace
