#include "host/description/FileView.h"

#include "host/description/PluginDescription.h"

namespace zuhost {

std::span<const uint8_t> FileView::bytes(uint64_t offset, uint64_t length) const {
    if (!contains(offset, length)) damaged("a part lies past the end of the file");
    return bytes_.subspan(static_cast<size_t>(offset), static_cast<size_t>(length));
}

void FileView::damaged(const std::string& what) const { throw DescriptionError(name_ + " is damaged: " + what); }

uint64_t FileView::field(uint64_t offset, uint64_t width) const {
    const std::span<const uint8_t> field = bytes(offset, width);
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;) value = value << 8 | field[i];
    return value;
}

}  // namespace zuhost
