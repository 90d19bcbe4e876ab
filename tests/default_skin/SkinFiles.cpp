#include "tests/default_skin/SkinFiles.h"

#include <cairo.h>

#include <fstream>
#include <iterator>

namespace skintest {

namespace {

uint32_t littleEndian(const std::string& bytes, size_t offset, int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

void applyMask(Picture& picture, const Picture& mask) {
    if (mask.width != picture.width || mask.height != picture.height) return;
    for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i].alpha = uint8_t(255 - mask.pixels[i].blue);
}

void applyKey(Picture& picture, int keyX, int keyY) {
    if (keyX < 0 || keyY < 0 || keyX >= picture.width || keyY >= picture.height) return;
    const Pixel key = picture.at(keyX, keyY);
    for (Pixel& pixel : picture.pixels)
        if (pixel == key) pixel.alpha = 0;
}

}  // namespace

std::optional<Picture> readPng(const std::filesystem::path& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return std::nullopt;
    }
    cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface),
                                                       cairo_image_surface_get_height(surface));
    cairo_t* cr = cairo_create(argb);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(argb);

    Picture picture{cairo_image_surface_get_width(argb), cairo_image_surface_get_height(argb), {}};
    const int stride = cairo_image_surface_get_stride(argb);
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(argb) + y * stride);
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t alpha = row[x] >> 24;
            const auto straight = [alpha](uint32_t value) {
                return uint8_t(alpha ? (value * 255 + alpha / 2) / alpha : 0);
            };
            picture.pixels.push_back({straight((row[x] >> 16) & 0xFF), straight((row[x] >> 8) & 0xFF),
                                      straight(row[x] & 0xFF), uint8_t(alpha)});
        }
    }
    cairo_surface_destroy(argb);
    cairo_surface_destroy(surface);
    return picture;
}

std::optional<Picture> readBmp(const std::filesystem::path& path) {
    const std::string bytes = readText(path);
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return std::nullopt;
    const auto width = int32_t(littleEndian(bytes, 18, 4)), height = int32_t(littleEndian(bytes, 22, 4));
    const uint32_t pixelsAt = littleEndian(bytes, 10, 4);
    if (littleEndian(bytes, 28, 2) != 24 || littleEndian(bytes, 30, 4) != 0 || width <= 0 || height <= 0)
        return std::nullopt;
    const size_t rowSize = (size_t(width) * 3 + 3) & ~size_t(3);
    if (bytes.size() < pixelsAt + rowSize * size_t(height)) return std::nullopt;

    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        const size_t row = pixelsAt + rowSize * size_t(height - 1 - y);  // stored bottom-up
        for (int x = 0; x < width; ++x) {
            const size_t at = row + size_t(x) * 3;
            picture.pixels.push_back({uint8_t(bytes[at + 2]), uint8_t(bytes[at + 1]), uint8_t(bytes[at]), 255});
        }
    }
    return picture;
}

std::optional<Picture> readSkinImage(const std::string& name) {
    if (std::filesystem::exists(skinFolder / (name + ".png"))) return readPng(skinFolder / (name + ".png"));
    std::optional<Picture> picture = readBmp(skinFolder / (name + ".bmp"));
    if (!picture) return std::nullopt;
    if (const std::optional<Picture> mask = readBmp(skinFolder / (name + "_mask.bmp"))) applyMask(*picture, *mask);
    const skin::ImageMetadata metadata = metadataOf(name);
    applyKey(*picture, metadata.transparentPixelX, metadata.transparentPixelY);
    return picture;
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::vector<std::string> imageNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(skinFolder))
        if (entry.path().extension() == ".txt" && entry.path().stem() != "global")
            names.push_back(entry.path().stem().string());
    return names;
}

skin::ImageMetadata metadataOf(const std::string& name) {
    skin::ImageMetadata metadata;
    skin::applyImageMetadata(metadata, readText(skinFolder / (name + ".txt")));
    return metadata;
}

skin::FontStyleSheet styleSheet() {
    skin::FontStyleSheet sheet;
    skin::applyStyleSheet(sheet, readText(skinFolder / "global.txt"));
    return sheet;
}

}  // namespace skintest
