#include "host/description/PeImage.h"

#include <algorithm>

namespace zuhost {

namespace {

constexpr uint64_t NEW_HEADER_FIELD = 0x3C;
constexpr uint32_t PE_SIGNATURE = 0x00004550;  // "PE\0\0"
constexpr uint64_t COFF_HEADER_SIZE = 20;
constexpr uint16_t PE32_MAGIC = 0x10B;
constexpr uint16_t PE32_PLUS_MAGIC = 0x20B;
constexpr uint64_t SECTION_HEADER_SIZE = 40;
constexpr uint64_t DIRECTORY_SIZE = 8;

}  // namespace

PeImage::PeImage(const FileView& file) : file_(file) {
    const uint64_t header = file.u32(NEW_HEADER_FIELD);
    if (file.u32(header) != PE_SIGNATURE) file.damaged("no PE header");
    const uint64_t coff = header + 4;
    const uint16_t sectionCount = file.u16(coff + 2);
    const uint64_t optional = coff + COFF_HEADER_SIZE;
    const uint64_t sectionTable = optional + file.u16(coff + 16);
    const uint16_t magic = file.u16(optional);
    if (magic != PE32_MAGIC && magic != PE32_PLUS_MAGIC) file.damaged("unknown optional header");
    directories_ = optional + (magic == PE32_MAGIC ? 96 : 112);
    directoryCount_ = file.u32(directories_ - 4);
    // Read once, so that each address a table gives costs a search, not a walk of the table.
    if (!file.contains(sectionTable, SECTION_HEADER_SIZE * sectionCount))
        file.damaged("the section table lies past the end");
    sections_.reserve(sectionCount);
    for (uint64_t at = sectionTable; at < sectionTable + SECTION_HEADER_SIZE * sectionCount; at += SECTION_HEADER_SIZE)
        sections_.push_back({file.u32(at + 12), file.u32(at + 16), file.u32(at + 20)});
    std::stable_sort(sections_.begin(), sections_.end(),
                     [](const Section& a, const Section& b) { return a.address < b.address; });
}

std::optional<PeImage::Directory> PeImage::directory(uint32_t index) const {
    if (index >= directoryCount_) return std::nullopt;
    const uint64_t at = directories_ + DIRECTORY_SIZE * index;
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
