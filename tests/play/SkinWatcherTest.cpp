#include <gtest/gtest.h>

#include <fstream>

#include "PlayProcess.h"
#include "host/play/SkinWatcher.h"

namespace {

using namespace std::chrono_literals;
using zuhost::play::SkinWatcher;

TEST(SkinWatcherTest, AChangeCountsOnceTheFolderHasHeldStill) {
    const auto folder = freshFolder("skin-watcher");
    std::ofstream(folder / "knob.txt") << "type knob\n";
    SkinWatcher watcher(folder, 100ms, 400ms);
    auto now = SkinWatcher::Clock::now();
    EXPECT_FALSE(watcher.changed(now));
    std::ofstream(folder / "knob.txt.tmp") << "type knob\nframe_size 40 40\n";
    EXPECT_FALSE(watcher.changed(now += 200ms));  // seen, not settled
    std::filesystem::rename(folder / "knob.txt.tmp", folder / "knob.txt");
    EXPECT_FALSE(watcher.changed(now += 200ms));  // still changing: the rename
    EXPECT_FALSE(watcher.changed(now += 200ms));
    EXPECT_TRUE(watcher.changed(now += 300ms));  // held still for 500 ms
    EXPECT_FALSE(watcher.changed(now += 1s));    // and counted once

    const auto copy = watcher.takeCopy();
    EXPECT_EQ(readText(copy / "knob.txt"), "type knob\nframe_size 40 40\n");
    EXPECT_NE(copy, watcher.takeCopy());
    watcher.dropCopy(copy);
    EXPECT_FALSE(std::filesystem::exists(copy));
}

}  // namespace
