// Pixels as bitmaps hand them to panels: 32 bits each, bytes B, G, R, A with
// straight alpha, rows top to bottom without padding.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace zuhost::gui {

struct BgraImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // width * height * 4 bytes

    int32_t bytesPerRow() const { return width * 4; }
};

// Decodes a PNG or BMP file; nothing when the file is missing or not an image.
std::optional<BgraImage> decodeImageFile(const std::filesystem::path& path);

}  // namespace zuhost::gui
