#include "host/description/FileView.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "host/description/PluginDescription.h"

namespace zuhost {

std::span<const uint8_t> FileView::bytes(uint64_t offset, uint64_t length) const {
    if (!contains(offset, length)) damaged("a part lies past the end of the file");
    return bytes_.subspan(static_cast<size_t>(offset), static_cast<size_t>(length));
}

std::string_view FileView::text(uint64_t offset) const {
    if (offset > size()) damaged("a name lies past the end of the file");
    const std::span<const uint8_t> rest = bytes(offset, size() - offset);
    const auto end = std::find(rest.begin(), rest.end(), uint8_t{0});
    if (end == rest.end()) damaged("a name runs past the end of its table");
    return {reinterpret_cast<const char*>(rest.data()), static_cast<size_t>(end - rest.begin())};
}

void FileView::damaged(const std::string& what) const { throw DescriptionError(name_ + " is damaged: " + what); }

uint64_t FileView::field(uint64_t offset, uint64_t width) const {
    const std::span<const uint8_t> field = bytes(offset, width);
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;) value = value << 8 | field[i];
    return value;
}

std::vector<uint8_t> readFileBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) throw DescriptionError("cannot read " + path.string());
    // In blocks: a byte at a time takes seconds for a library of megabytes in a sanitizer build.
    std::vector<uint8_t> bytes;
    std::array<char, 1 << 16> block;
    while (stream.read(block.data(), block.size()) || stream.gcount() > 0)
        bytes.insert(bytes.end(), block.begin(), block.begin() + stream.gcount());
    return bytes;
}

}  // namespace zuhost
