#include "host/skin/SkinImage.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "host/skin/BmpFile.h"
#include "host/skin/Palette.h"

namespace zuhost::skin {

namespace {

// Below this coverage a keyed image's pixel becomes the key colour; above it
// the pixel is blended over the panel colour, so its edges stay smooth on the
// panels it was made for.
constexpr uint8_t keyedCoverage = 48;

uint8_t byteOf(double unit) { return static_cast<uint8_t>(std::lround(unit * 255.0)); }

Rgb8 bytesOf(Rgb colour) { return {byteOf(colour.red), byteOf(colour.green), byteOf(colour.blue)}; }

uint8_t blend(uint8_t over, uint8_t under, uint8_t alpha) {
    return static_cast<uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

std::filesystem::path fileIn(const std::filesystem::path& folder, const std::string& name, const char* suffix) {
    return folder / (name + suffix);
}

void writePng(const std::filesystem::path& path, const Canvas& canvas) {
    if (cairo_surface_write_to_png(canvas.surface(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path.string());
}

// Colour where the image shows; the panel colour under transparent pixels, so
// a host that filters the image does not pull in a stray colour at the edges.
void writeMaskedBmp(const std::filesystem::path& folder, const std::string& name, const Canvas& canvas) {
    const Rgb8 matte = bytesOf(palette::panel);
    writeBmp24(fileIn(folder, name, ".bmp"), canvas.width(), canvas.height(), [&](int x, int y) {
        const StraightPixel pixel = canvas.pixel(x, y);
        return pixel.alpha == 0 ? matte : Rgb8{pixel.red, pixel.green, pixel.blue};
    });
    writeBmp24(fileIn(folder, name, "_mask.bmp"), canvas.width(), canvas.height(), [&](int x, int y) {
        const auto transparency = static_cast<uint8_t>(255 - canvas.pixel(x, y).alpha);
        return Rgb8{transparency, transparency, transparency};
    });
}

void writeKeyedBmp(const std::filesystem::path& folder, const std::string& name, const Canvas& canvas) {
    // The metadata names the top-left pixel as the key.
    if (canvas.pixel(0, 0).alpha >= keyedCoverage)
        throw std::runtime_error(name + ": the key pixel at 0, 0 is not transparent");
    const Rgb8 key = bytesOf(palette::key);
    const Rgb8 matte = bytesOf(palette::panel);
    writeBmp24(fileIn(folder, name, ".bmp"), canvas.width(), canvas.height(), [&](int x, int y) {
        const StraightPixel pixel = canvas.pixel(x, y);
        if (pixel.alpha < keyedCoverage) return key;
        return Rgb8{blend(pixel.red, matte.red, pixel.alpha), blend(pixel.green, matte.green, pixel.alpha),
                    blend(pixel.blue, matte.blue, pixel.alpha)};
    });
}

}  // namespace

void writeSkinImage(const std::filesystem::path& folder, const SkinImage& image) {
    switch (image.file) {
        case ImageFile::Png: writePng(fileIn(folder, image.name, ".png"), image.canvas); break;
        case ImageFile::MaskedBmp: writeMaskedBmp(folder, image.name, image.canvas); break;
        case ImageFile::KeyedBmp: writeKeyedBmp(folder, image.name, image.canvas); break;
    }
    writeTextFile(fileIn(folder, image.name, ".txt"), image.metadata);
}

void writeTextFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace zuhost::skin
