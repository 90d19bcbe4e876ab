#include <gtest/gtest.h>

#include <fstream>

#include "PlayProcess.h"
#include "host/play/WindowMemory.h"

namespace {

using zuhost::play::WindowMemory;
using zuhost::play::WindowPlace;

TEST(WindowMemoryTest, EachPatchGetsBackWhereItsWindowWas) {
    const auto folder = freshFolder("window-memory");
    const WindowMemory memory(folder / "config" / "play-windows.json");
    EXPECT_FALSE(memory.recall("plugin ZU Slider").has_value());
    memory.remember("plugin ZU Slider", {10, 20, 300, 200});
    memory.remember("/patches/mine.json", {-5, 0, 640, 480});
    const auto slider = memory.recall("plugin ZU Slider");
    ASSERT_TRUE(slider.has_value());
    EXPECT_EQ(slider->x, 10);
    EXPECT_EQ(slider->height, 200);
    EXPECT_EQ(memory.recall("/patches/mine.json")->x, -5);
}

TEST(WindowMemoryTest, AFileThatIsNotItsOwnRemembersNothingAndPlacesAreKeptOnScreen) {
    const auto folder = freshFolder("window-memory-bad");
    const auto file = folder / "play-windows.json";
    std::ofstream(file) << "[not, json";
    const WindowMemory memory(file);
    EXPECT_FALSE(memory.recall("a").has_value());
    std::ofstream(file) << R"({"a": {"x": 1, "y": 2, "width": "wide", "height": 3},
                              "b": {"x": -99999999, "y": 2, "width": 99999999, "height": 0}})";
    EXPECT_FALSE(memory.recall("a").has_value());
    const auto b = memory.recall("b");
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->x, -16384);
    EXPECT_EQ(b->width, 16384);
    EXPECT_EQ(b->height, 1);
}

}  // namespace
