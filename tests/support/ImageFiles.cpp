#include "tests/support/ImageFiles.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace {

void appendLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string pngBytes(int32_t width, int32_t height, const std::vector<uint8_t>& rgba) {
    std::string out;
    stbi_write_png_to_func([](void* context, void* data,
                              int size) { static_cast<std::string*>(context)->append(static_cast<char*>(data), size); },
                           &out, width, height, 4, rgba.data(), width * 4);
    return out;
}

std::string bmpBytes(int32_t width, int32_t height, const std::vector<uint8_t>& rgb) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height);
    std::string out = "BM";
    appendLittleEndian(out, 54 + pixelBytes, 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, 54, 4);
    appendLittleEndian(out, 40, 4);  // BITMAPINFOHEADER
    appendLittleEndian(out, static_cast<uint32_t>(width), 4);
    appendLittleEndian(out, static_cast<uint32_t>(height), 4);
    appendLittleEndian(out, 1, 2);
    appendLittleEndian(out, 24, 2);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, pixelBytes, 4);
    appendLittleEndian(out, 2835, 4);
    appendLittleEndian(out, 2835, 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, 0, 4);
    for (int32_t y = height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
            out.push_back(static_cast<char>(rgb[at + 2]));
            out.push_back(static_cast<char>(rgb[at + 1]));
            out.push_back(static_cast<char>(rgb[at]));
        }
        out.append(rowBytes - static_cast<uint32_t>(width) * 3, '\0');
    }
    return out;
}
