#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "host/description/EmbeddedDescription.h"
#include "host/play/PanelConnection.h"
#include "host/run/DescriptionLookup.h"
#include "host/run/PanelRunner.h"

namespace {

using namespace zuhost;
using namespace zuhost::play;

float floatOf(std::span<const uint8_t> bytes) {
    float value = 0;
    if (bytes.size() == 4) std::memcpy(&value, bytes.data(), 4);
    return value;
}

// A plug-in's panel joined to a channel that stands in for its processor.
class Joined {
public:
    explicit Joined(const std::string& plugin)
        : description_(loadDescription(std::filesystem::absolute("libzu_modules.so"))),
          plugin_(findPluginByIdOrName(description_, plugin)),
          runner_(
              std::make_shared<const PluginLibrary>(PluginLibrary::open(std::filesystem::absolute("libzu_modules.so"))),
              plugin_, "skins/default", warnings_, "test"),
          connection_(plugin_, 7, 2, channel_) {
        connection_.attach(runner_.session());
        connection_.observe(
            [this](std::string_view direction, const PinDescription& pin, int32_t voice, std::span<const uint8_t>) {
                told_ << direction << ' ' << pin.name << ' ' << voice << '\n';
            });
    }

    // What set out for the processor: pin and float value of each message.
    std::vector<std::pair<int32_t, float>> toProcessor() {
        std::vector<std::pair<int32_t, float>> sent;
        channel_.receive([&](const Crossing& crossing, std::span<const uint8_t> bytes) {
            EXPECT_EQ(crossing.node, 7);
            sent.emplace_back(crossing.pin, floatOf(bytes));
        });
        return sent;
    }

    LibraryDescription description_;
    const PluginDescription& plugin_;
    std::ostringstream warnings_;
    ValueChannel channel_{64, 4, 4096};
    PanelRunner runner_;
    PanelConnection connection_;
    std::ostringstream told_;
};

TEST(PanelConnectionTest, AParametersValueFromTheHostOrThePanelSetsOutForTheProcessor) {
    Joined slider("ZU Slider2");
    slider.connection_.start();
    EXPECT_EQ(slider.toProcessor(), (std::vector<std::pair<int32_t, float>>{{0, 0.0f}}));  // S0 starts at 0
    slider.connection_.hostSets(resolvePanelPinValue(slider.plugin_, "Value In", "4"), 123);
    EXPECT_EQ(slider.toProcessor(), (std::vector<std::pair<int32_t, float>>{{0, 4.0f}}));
    // A drag on the panel sends the parameter's new values; each sets out in turn.
    slider.runner_.start(std::nullopt);
    slider.runner_.session().drag({30, 80}, {30, 20}, 4);
    slider.connection_.fromPanel(456);
    const auto sent = slider.toProcessor();
    ASSERT_FALSE(sent.empty());
    EXPECT_GT(sent.back().second, 4.0f);
    EXPECT_TRUE(slider.runner_.session().guiHost().transmits().empty());  // handled and let go of
    EXPECT_NE(slider.told_.str().find("panel Value In 0\nto processor S0 -1\n"), std::string::npos)
        << slider.told_.str();
}

TEST(PanelConnectionTest, CapturesReachTheirVoiceAndANewPanelGetsTheValuesTheOldOneHad) {
    Joined scope("ZU Scope3 XP");
    scope.connection_.start();
    scope.runner_.start(std::nullopt);
    const std::vector<uint8_t> capture(1600, 0x3F);  // every sample 0.747: a flat trace
    const int32_t captureB = findAudioPinByNameOrIndex(scope.plugin_, "Capture Data B").index;
    scope.connection_.fromProcessor({7, captureB, 0, 0}, capture);
    EXPECT_NE(scope.told_.str().find("processor Capture Data B 0\n"), std::string::npos);
    const auto shown = scope.runner_.picture();
    // A panel made later (a reloaded skin) is given the same values and shows the same.
    std::ostringstream warnings;
    PanelRunner again(
        std::make_shared<const PluginLibrary>(PluginLibrary::open(std::filesystem::absolute("libzu_modules.so"))),
        scope.plugin_, "skins/default", warnings, "test");
    scope.connection_.attach(again.session());
    again.start(std::nullopt);
    const auto shownAgain = again.picture();
    int yellow = 0, differing = 0;  // the B trace is yellow
    for (int32_t y = 0; y < shown->height(); ++y) {
        for (int32_t x = 0; x < shown->width(); ++x) {
            const uint32_t colour = shown->pixel(x, y);
            yellow += (colour >> 16 & 0xFF) > 80;  // nothing else on a scope has red in it
            differing += shown->pixel(x, y) != shownAgain->pixel(x, y);
        }
    }
    EXPECT_GT(yellow, 100);
    EXPECT_EQ(differing, 0);
}

}  // namespace
