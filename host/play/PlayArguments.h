// What `zuhost play` is asked to do, as its command line gives it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "host/command/SampleTime.h"

namespace zuhost::play {

struct PlayArguments {
    std::string plugin;
    std::filesystem::path library;
    std::optional<std::filesystem::path> patch;
    int32_t scale = 1;
    std::optional<SampleTime> duration;
    std::optional<std::filesystem::path> script;
    std::optional<std::filesystem::path> screenshot;
    std::optional<std::filesystem::path> stats;
    std::optional<std::filesystem::path> record;
    std::filesystem::path skin;
    bool watchSkin = false;  // --skin was given: reload it when it changes
    std::string audioDriver;
    std::optional<std::filesystem::path> audioOut;
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
    std::string windowKey;  // how the window's place is remembered: the patch file, or the plug-in
};

}  // namespace zuhost::play
