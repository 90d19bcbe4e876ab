#include "host/skin/BmpFile.h"

#include <fstream>
#include <stdexcept>
#include <vector>

namespace zuhost::skin {

namespace {

void putLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

void writeBmp24(const std::filesystem::path& path, int width, int height,
                const std::function<Rgb8(int x, int y)>& colourAt) {
    constexpr uint32_t headerSize = 14 + 40;
    const uint32_t rowSize = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowSize * static_cast<uint32_t>(height);

    std::vector<uint8_t> bytes{'B', 'M'};
    putLittleEndian(bytes, headerSize + pixelBytes, 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, headerSize, 4);
    putLittleEndian(bytes, 40, 4);
    putLittleEndian(bytes, static_cast<uint32_t>(width), 4);
    putLittleEndian(bytes, static_cast<uint32_t>(height), 4);  // positive: rows stored bottom-up
    putLittleEndian(bytes, 1, 2);                              // planes
    putLittleEndian(bytes, 24, 2);                             // bits per pixel
    putLittleEndian(bytes, 0, 4);                              // uncompressed
    putLittleEndian(bytes, pixelBytes, 4);
    putLittleEndian(bytes, 2835, 4);  // 72 dpi
    putLittleEndian(bytes, 2835, 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, 0, 4);

    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb8 colour = colourAt(x, y);
            bytes.insert(bytes.end(), {colour.blue, colour.green, colour.red});
        }
        bytes.resize(bytes.size() + (rowSize - static_cast<uint32_t>(width) * 3), 0);
    }

    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace zuhost::skin
