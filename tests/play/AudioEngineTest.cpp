#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "host/description/EmbeddedDescription.h"
#include "host/play/AudioEngine.h"
#include "host/play/DefaultPatches.h"
#include "host/run/OffendingSites.h"
#include "tests/support/BuiltDescription.h"

namespace {

using namespace zuhost::play;

constexpr float rate = 48000.0f;
constexpr int32_t block = 64;

// A default patch playing through an engine, as the device's thread would.
class Playing {
public:
    explicit Playing(const std::string& plugin)
        : plan_(planPatch(defaultPatch(*builtDescription().findPlugin(plugin)), builtDescription())),
          pluginLibrary_(zuhost::PluginLibrary::open(std::filesystem::absolute("libzu_modules.so"))),
          graph_(plan_, pluginLibrary_, rate, block),
          engine_(graph_, plan_, {rate, block, true}) {}

    // The loudest sample of `frames` more frames, in a device-sized piece that is not a whole block.
    float play(int32_t frames) {
        std::vector<float> out(static_cast<size_t>(frames) * 2);
        for (int32_t done = 0; done < frames; done += 96)
            engine_.fill(out.data() + done * 2, std::min(96, frames - done));
        float peak = 0.0f;
        for (const float sample : out) peak = std::max(peak, std::fabs(sample));
        return peak;
    }

    void sendFloat(int32_t node, int32_t pin, float value) {
        uint8_t bytes[4];
        std::memcpy(bytes, &value, 4);
        engine_.toProcessors().send({node, pin, -1, 0}, bytes);
    }

    AudioEngine& engine() { return engine_; }
    const PatchPlan& plan() const { return plan_; }

private:
    PatchPlan plan_;
    zuhost::PluginLibrary pluginLibrary_;
    AudioGraph graph_;
    AudioEngine engine_;
};

TEST(AudioEngineTest, APanelValueSetsTheSliderAndSoTheSineFromTheNextBlockOn) {
    Playing playing("ZU Slider2");
    EXPECT_EQ(playing.play(960), 0.0f);  // the slider starts at 0: silence
    playing.sendFloat(0, 0, 10.0f);      // S0 = 10: the sine's level glides to 0.5
    playing.play(9600);
    EXPECT_NEAR(playing.play(4800), 0.5f, 0.01f);
    playing.sendFloat(0, 0, 4.0f);
    playing.play(9600);
    EXPECT_NEAR(playing.play(4800), 0.2f, 0.01f);
    // What was played went to the recording whole: two channels of every frame.
    float sample;
    size_t heard = 0;
    while (playing.engine().heard().pop(sample)) ++heard;
    EXPECT_EQ(heard % (2 * block), 0u);
    EXPECT_GE(heard, 2u * (960 + 9600 * 2 + 4800 * 2) - 2 * block);
}

// Rising zero crossings per second on the left channel, over `frames` frames.
double pitchOf(AudioEngine& engine, int32_t frames) {
    std::vector<float> out(static_cast<size_t>(frames) * 2);
    engine.fill(out.data(), frames);
    int crossings = 0;
    for (size_t i = 2; i < out.size(); i += 2) crossings += out[i - 2] <= 0.0f && out[i] > 0.0f;
    return crossings * rate / frames;
}

TEST(AudioEngineTest, AListEntrysItemDrivesTheSinesPitchThroughItsValueOutput) {
    Playing playing("ZU List Entry");
    const int32_t item = 3;
    uint8_t bytes[4];
    std::memcpy(bytes, &item, 4);
    playing.engine().toProcessors().send({0, 0, -1, 0}, bytes);  // the list's Value In
    playing.play(480);
    EXPECT_NEAR(pitchOf(playing.engine(), 48000), 220 + 110 * item, 2);
}

TEST(AudioEngineTest, TheAudioThreadNeitherAllocatesNorLocksWhileCapturesCrossToThePanels) {
    Playing playing("ZU Scope3 XP");
    const auto& nodes = playing.plan().patch.nodes;
    const auto knob = static_cast<int32_t>(
        std::find_if(nodes.begin(), nodes.end(), [](const PatchNode& node) { return node.id == "knob"; }) -
        nodes.begin());
    int32_t captures = 0;
    for (int i = 0; i < 20; ++i) {
        playing.sendFloat(knob, 0, static_cast<float>(i % 10));  // as a drag moves it
        playing.play(2400);
        playing.engine().toPanels().receive([&](const Crossing& crossing, std::span<const uint8_t> bytes) {
            if (crossing.node == 0 && bytes.size() > 16) ++captures;
        });
    }
    EXPECT_GT(captures, 10);
    const zuhost::CallCounts calls = playing.engine().realTimeCalls();
    EXPECT_EQ(calls.allocations, 0) << zuhost::describeOffendingSites();
    EXPECT_EQ(calls.deallocations, 0);
    EXPECT_EQ(calls.locks, 0);
    EXPECT_EQ(playing.engine().toPanels().dropped(), 0u);
}

}  // namespace
