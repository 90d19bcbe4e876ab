#include "host/description/ElfSection.h"

#include <algorithm>

namespace zuhost {

namespace {

constexpr uint64_t CLASS_OFFSET = 4;
constexpr uint64_t DATA_OFFSET = 5;
constexpr uint8_t CLASS_64 = 2;
constexpr uint8_t LITTLE_ENDIAN_DATA = 1;
constexpr uint32_t SECTION_WITHOUT_FILE_BYTES = 8;  // SHT_NOBITS

// Where the fields this reader needs sit in the two classes of ELF file.
struct Layout {
    bool wide;  // 64-bit file: offsets and sizes are 8 bytes
    uint64_t tableOffsetField, entrySizeField, entryCountField, namesIndexField;
    uint64_t entrySize, sectionOffsetField, sectionSizeField;
};

constexpr Layout ELF32{false, 0x20, 0x2E, 0x30, 0x32, 0x28, 0x10, 0x14};
constexpr Layout ELF64{true, 0x28, 0x3A, 0x3C, 0x3E, 0x40, 0x18, 0x20};

struct Section {
    uint32_t nameOffset;
    uint32_t type;
    FileRange range;
};

class SectionTable {
public:
    explicit SectionTable(const FileView& file) : file_(file) {
        if (file.u8(DATA_OFFSET) != LITTLE_ENDIAN_DATA) file.damaged("only little-endian ELF files are read");
        layout_ = file.u8(CLASS_OFFSET) == CLASS_64 ? ELF64 : ELF32;
        tableOffset_ = word(layout_.tableOffsetField);
        entrySize_ = file.u16(layout_.entrySizeField);
        count_ = file.u16(layout_.entryCountField);
        if (count_ > 0 && entrySize_ < layout_.entrySize) file.damaged("section headers are too small");
        if (!file.contains(tableOffset_, count_ * entrySize_)) file.damaged("the section table lies past the end");
    }

    uint32_t count() const { return count_; }

    Section section(uint32_t index) const {
        const uint64_t header = tableOffset_ + index * entrySize_;
        return {file_.u32(header), file_.u32(header + 4),
                {word(header + layout_.sectionOffsetField), word(header + layout_.sectionSizeField)}};
    }

    // The section's name from the section name table; empty when it has none.
    std::string_view name(const Section& section) const {
        const uint32_t namesIndex = file_.u16(layout_.namesIndexField);
        if (namesIndex >= count_) return {};
        const FileRange names = this->section(namesIndex).range;
        const auto table = file_.bytes(names.offset, names.size);
        if (section.nameOffset >= table.size()) return {};
        const auto bytes = table.subspan(section.nameOffset);
        const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
        return {reinterpret_cast<const char*>(bytes.data()), static_cast<size_t>(end - bytes.begin())};
    }

private:
    uint64_t word(uint64_t offset) const { return layout_.wide ? file_.u64(offset) : file_.u32(offset); }

    const FileView& file_;
    Layout layout_ = ELF64;
    uint64_t tableOffset_ = 0;
    uint64_t entrySize_ = 0;
    uint32_t count_ = 0;
};

}  // namespace

std::optional<FileRange> findElfSection(const FileView& file, std::string_view name) {
    const SectionTable table(file);
    for (uint32_t index = 0; index < table.count(); ++index) {
        const Section section = table.section(index);
        if (table.name(section) != name) continue;
        // A section that takes no room in the file has none of its bytes there.
        if (section.type == SECTION_WITHOUT_FILE_BYTES) return FileRange{section.range.offset, 0};
        return section.range;
    }
    return std::nullopt;
}

}  // namespace zuhost
