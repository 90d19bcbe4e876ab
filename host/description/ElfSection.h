// The section header table of an ELF file, and finding a section by name,
// reading only the header, the section table and the section name table, all
// bounds-checked.
//
// Contract: 32- and 64-bit little-endian files are read. A header or table
// outside the file, or a big-endian file, throws DescriptionError. Ranges and
// indexes that the headers give are returned unchecked.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/description/FileView.h"

namespace zuhost {

struct ElfLayout;

struct ElfSectionHeader {
    uint32_t nameOffset;
    uint32_t type;
    uint32_t link;       // the index of the section this one refers to, such as its string table
    uint64_t entrySize;  // of a table's entries; 0 when the section is no table
    FileRange range;
};

class ElfSectionTable {
public:
    explicit ElfSectionTable(const FileView& file);

    // A 64-bit file: its offsets and sizes are 8 bytes.
    bool wide() const;
    uint32_t count() const { return count_; }
    // The header at `index`, below count().
    ElfSectionHeader section(uint32_t index) const;
    // The section's name from the section name table; empty when it has none.
    std::string_view name(const ElfSectionHeader& section) const;

private:
    uint64_t word(uint64_t offset) const;

    const FileView& file_;
    const ElfLayout* layout_;
    uint64_t tableOffset_ = 0;
    uint64_t entrySize_ = 0;
    uint32_t count_ = 0;
};

// Where the first section named `name` lies in the file, or nothing when no
// section has that name. A section that takes no room in the file is empty.
std::optional<FileRange> findElfSection(const FileView& file, std::string_view name);

}  // namespace zuhost
