// One image of a skin with its metadata text, and how it is written: a PNG
// with its alpha, a BMP whose alpha travels in a NAME_mask.bmp beside it, or
// a BMP whose transparent pixels carry a key colour that the metadata names.
#pragma once

#include <filesystem>
#include <string>

#include "host/skin/Canvas.h"

namespace zuhost::skin {

enum class ImageFile { Png, MaskedBmp, KeyedBmp };

struct SkinImage {
    std::string name;
    ImageFile file;
    Canvas canvas;
    std::string metadata;
};

// Writes the image file(s) and fixtureName.txt into `folder`.
void writeSkinImage(const std::filesystem::path& folder, const SkinImage& image);
void writeTextFile(const std::filesystem::path& path, const std::string& text);

}  // namespace zuhost::skin
