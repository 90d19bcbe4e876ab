// Uncompressed 24-bit BMP files, the form every Windows image loader reads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

namespace zuhost::skin {

struct Rgb8 {
    uint8_t red, green, blue;
};

// `colourAt(x, y)` gives each pixel, rows counted from the top.
void writeBmp24(const std::filesystem::path& path, int width, int height,
                const std::function<Rgb8(int x, int y)>& colourAt);

}  // namespace zuhost::skin
