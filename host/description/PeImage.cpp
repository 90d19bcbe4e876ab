#include "host/description/PeImage.h"

#include <algorithm>

namespace zuhost {

namespace {

constexpr uint64_t newHeaderField = 0x3C;
constexpr uint32_t peSignature = 0x00004550;  // "PE\0\0"
constexpr uint64_t coffHeaderSize = 20;
constexpr uint16_t pe32Magic = 0x10B;
constexpr uint16_t pe32PlusMagic = 0x20B;
constexpr uint64_t sectionHeaderSize = 40;
constexpr uint64_t directorySize = 8;

}  // namespace

PeImage::PeImage(const FileView& file) : file_(file) {
    const uint64_t header = file.u32(newHeaderField);
    if (file.u32(header) != peSignature) file.damaged("no PE header");
    const uint64_t coff = header + 4;
    const uint16_t sectionCount = file.u16(coff + 2);
    const uint64_t optional = coff + coffHeaderSize;
    const uint64_t sectionTable = optional + file.u16(coff + 16);
    const uint16_t magic = file.u16(optional);
    if (magic != pe32Magic && magic != pe32PlusMagic) file.damaged("unknown optional header");
    directories_ = optional + (magic == pe32Magic ? 96 : 112);
    directoryCount_ = file.u32(directories_ - 4);
    // Read once, so that each address a table gives costs a search, not a walk of the table.
    if (!file.contains(sectionTable, sectionHeaderSize * sectionCount))
        file.damaged("the section table lies past the end");
    sections_.reserve(sectionCount);
    for (uint64_t at = sectionTable; at < sectionTable + sectionHeaderSize * sectionCount; at += sectionHeaderSize)
        sections_.push_back({file.u32(at + 12), file.u32(at + 16), file.u32(at + 20)});
    std::stable_sort(sections_.begin(), sections_.end(),
                     [](const Section& a, const Section& b) { return a.address < b.address; });
}

std::optional<PeImage::Directory> PeImage::directory(uint32_t index) const {
    if (index >= directoryCount_) return std::nullopt;
    const uint64_t at = directories_ + directorySize * index;
    const Directory directory{file_.u32(at), file_.u32(at + 4)};
    if (directory.address == 0 || directory.size == 0) return std::nullopt;
    return directory;
}

uint64_t PeImage::fileOffset(uint32_t address) const {
    const auto after = std::upper_bound(sections_.begin(), sections_.end(), address,
                                        [](uint32_t a, const Section& section) { return a < section.address; });
    if (after != sections_.begin()) {
        const Section& section = *std::prev(after);
        if (address - section.address < section.rawSize) return section.rawOffset + uint64_t{address - section.address};
    }
    file_.damaged("an address lies in no section");
}

}  // namespace zuhost
