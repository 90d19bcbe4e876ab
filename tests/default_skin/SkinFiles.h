// Reading the default skin as a host sees it: its pictures decoded (PNG with
// Cairo, 24-bit BMP by hand) with mask and key colour applied, and values
// looked up in its metadata texts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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
// NAME.png, or NAME.bmp made transparent by NAME_mask.bmp or by the key
// pixel that its metadata names.
std::optional<Picture> readSkinImage(const std::string& name);

std::string readText(const std::filesystem::path& path);
// The values of the last line of `text` whose first word is `key`: words are
// apart by blanks or a comma, and quotes hold a word together.
std::vector<std::string> valuesOf(const std::string& text, const std::string& key);
std::vector<int> numbersOf(const std::string& text, const std::string& key);

}  // namespace skintest
