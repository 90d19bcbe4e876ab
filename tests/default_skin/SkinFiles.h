// Reading the default skin as a host and the library see it: its pictures
// decoded (PNG with Cairo, 24-bit BMP by hand) with mask and key colour
// applied, its metadata texts and style sheet through the library's parsers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "skin/FontMetadata.h"
#include "skin/ImageMetadata.h"

namespace skintest {

inline const std::filesystem::path skinFolder = "skins/default";

struct Pixel {
    uint8_t red, green, blue, alpha;
    bool operator==(const Pixel&) const = default;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Pixel> pixels;  // straight alpha, rows from the top
    const Pixel& at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

std::optional<Picture> readPng(const std::filesystem::path& path);
// Uncompressed 24-bit BMP only, which is what the skin writes.
std::optional<Picture> readBmp(const std::filesystem::path& path);
std::string readText(const std::filesystem::path& path);

// The names of the skin's images: those with a metadata text.
std::vector<std::string> imageNames();
skin::ImageMetadata metadataOf(const std::string& name);
skin::FontStyleSheet styleSheet();
// fixtureName.png, or fixtureName.bmp made transparent by NAME_mask.bmp or by the key
// pixel that its metadata names.
std::optional<Picture> readSkinImage(const std::string& name);

}  // namespace skintest
