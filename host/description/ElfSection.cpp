#include "host/description/ElfSection.h"

namespace zuhost {

// Where the fields this reader needs sit in the two classes of ELF file.
struct ElfLayout {
    bool wide;
    uint64_t tableOffsetField, entrySizeField, entryCountField, namesIndexField;
    uint64_t entrySize, sectionOffsetField, sectionSizeField, linkField, tableEntrySizeField;
};

namespace {

constexpr uint64_t classOffset = 4;
constexpr uint64_t dataOffset = 5;
constexpr uint8_t class64 = 2;
constexpr uint8_t littleEndianData = 1;
constexpr uint32_t sectionWithoutFileBytes = 8;  // SHT_NOBITS

constexpr ElfLayout elf32{false, 0x20, 0x2E, 0x30, 0x32, 0x28, 0x10, 0x14, 0x18, 0x24};
constexpr ElfLayout elf64{true, 0x28, 0x3A, 0x3C, 0x3E, 0x40, 0x18, 0x20, 0x28, 0x38};

}  // namespace

ElfSectionTable::ElfSectionTable(const FileView& file) : file_(file), layout_(&elf64) {
    if (file.u8(dataOffset) != littleEndianData) file.damaged("only little-endian ELF files are read");
    layout_ = file.u8(classOffset) == class64 ? &elf64 : &elf32;
    tableOffset_ = word(layout_->tableOffsetField);
    entrySize_ = file.u16(layout_->entrySizeField);
    count_ = file.u16(layout_->entryCountField);
    if (count_ > 0 && entrySize_ < layout_->entrySize) file.damaged("section headers are too small");
    if (!file.contains(tableOffset_, count_ * entrySize_)) file.damaged("the section table lies past the end");
}

bool ElfSectionTable::wide() const { return layout_->wide; }

uint64_t ElfSectionTable::word(uint64_t offset) const { return layout_->wide ? file_.u64(offset) : file_.u32(offset); }

ElfSectionHeader ElfSectionTable::section(uint32_t index) const {
    const uint64_t header = tableOffset_ + index * entrySize_;
    return {file_.u32(header),
            file_.u32(header + 4),
            file_.u32(header + layout_->linkField),
            word(header + layout_->tableEntrySizeField),
            {word(header + layout_->sectionOffsetField), word(header + layout_->sectionSizeField)}};
}

std::string_view ElfSectionTable::name(const ElfSectionHeader& section) const {
    const uint32_t namesIndex = file_.u16(layout_->namesIndexField);
    if (namesIndex >= count_) return {};
    const FileView names = file_.part(this->section(namesIndex).range);
    if (section.nameOffset >= names.size()) return {};
    const auto bytes = names.bytes(section.nameOffset, names.size() - section.nameOffset);
    const std::string_view rest(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return rest.substr(0, rest.find('\0'));
}

std::optional<FileRange> findElfSection(const FileView& file, std::string_view name) {
    const ElfSectionTable table(file);
    for (uint32_t index = 0; index < table.count(); ++index) {
        const ElfSectionHeader section = table.section(index);
        if (table.name(section) != name) continue;
        // A section that takes no room in the file has none of its bytes there.
        if (section.type == sectionWithoutFileBytes) return FileRange{section.range.offset, 0};
        return section.range;
    }
    return std::nullopt;
}

}  // namespace zuhost
