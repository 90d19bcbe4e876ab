// Small library files built in memory for the tests of the description
// reader: an ELF file with a section name table and one named section, and a
// PE file whose one section holds a resource directory. Each builder tells
// where the fields a test may damage sit.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace libraryimage {

inline void put(std::string& bytes, size_t offset, uint64_t value, size_t width) {
    if (bytes.size() < offset + width) bytes.resize(offset + width);
    for (size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

struct Elf {
    std::string bytes;
    size_t tableOffsetField, entrySizeField, entryCountField, namesIndexField;
    size_t namesHeader;    // the section header of the name table
    size_t sectionHeader;  // the section header of the named section
    size_t sectionOffsetField, sectionSizeField;
    size_t wordSize;
};

// Sections: null, the name table, then `name` holding `content` with `type`.
inline Elf elfFile(bool wide, std::string_view name, std::string_view content, uint32_t type = 1) {
    const size_t word = wide ? 8 : 4, headerSize = wide ? 64 : 52, entrySize = wide ? 64 : 40;
    Elf elf{std::string("\x7f" "ELF", 4), wide ? 40u : 32u, wide ? 58u : 46u, wide ? 60u : 48u, wide ? 62u : 50u,
            0, 0, wide ? 24u : 16u, wide ? 32u : 20u, word};
    put(elf.bytes, 4, wide ? 2 : 1, 1);
    put(elf.bytes, 5, 1, 1);  // little-endian
    const std::string names = std::string("\0.shstrtab\0", 11) + std::string(name) + '\0';
    const size_t namesAt = headerSize, contentAt = namesAt + names.size(), table = contentAt + content.size();
    elf.bytes.resize(headerSize);
    elf.bytes += names;
    elf.bytes += content;
    put(elf.bytes, elf.tableOffsetField, table, word);
    put(elf.bytes, elf.entrySizeField, entrySize, 2);
    put(elf.bytes, elf.entryCountField, 3, 2);
    put(elf.bytes, elf.namesIndexField, 1, 2);
    const auto section = [&](size_t index, uint32_t nameAt, uint32_t sectionType, size_t at, size_t size) {
        const size_t header = table + index * entrySize;
        put(elf.bytes, header + entrySize - 1, 0, 1);
        put(elf.bytes, header, nameAt, 4);
        put(elf.bytes, header + 4, sectionType, 4);
        put(elf.bytes, header + elf.sectionOffsetField, at, word);
        put(elf.bytes, header + elf.sectionSizeField, size, word);
        return header;
    };
    section(0, 0, 0, 0, 0);
    elf.namesHeader = section(1, 1, 3, namesAt, names.size());
    elf.sectionHeader = section(2, 11, type, contentAt, content.size());
    return elf;
}

struct Pe {
    std::string bytes;
    size_t newHeaderField = 0x3C, signature = 64, magic = 88;
    size_t resourceSizeField;  // the resource directory's size among the data directories
    size_t firstData;          // the first language's data entry: address, then size
    size_t languageDirectory;  // the language directory; its entry count at +14
};

// One section at address 0x1000, file offset 0x200, holding the directory for
// `type` / `id` with a data entry per language, and the data after it.
inline Pe peFile(bool wide, std::u16string_view type, uint32_t id,
                 const std::vector<std::pair<uint32_t, std::string>>& languages) {
    constexpr size_t sectionAddress = 0x1000, raw = 0x200;
    Pe pe{"MZ", 0x3C, 64, 88, 0, 0, 0};
    put(pe.bytes, pe.newHeaderField, pe.signature, 4);
    put(pe.bytes, pe.signature, 0x4550, 4);
    put(pe.bytes, pe.signature + 6, 1, 2);  // one section
    const size_t directories = pe.magic + (wide ? 112 : 96), optionalSize = directories + 16 * 8 - pe.magic;
    put(pe.bytes, pe.signature + 20, optionalSize, 2);
    put(pe.bytes, pe.magic, wide ? 0x20B : 0x10B, 2);
    put(pe.bytes, directories - 4, 16, 4);
    put(pe.bytes, directories + 16, sectionAddress, 4);
    pe.resourceSizeField = directories + 20;
    const size_t sectionHeader = pe.magic + optionalSize;

    // Root (one named entry) at 0, type directory (one id entry) at 24, id
    // directory (one entry per language) at 48, then data entries, name, data.
    std::string r;
    const size_t languageDirectory = 48, dataEntries = languageDirectory + 16 + 8 * languages.size();
    const size_t nameAt = dataEntries + 16 * languages.size();
    put(r, 12, 1, 2);
    put(r, 16, 0x80000000u | nameAt, 4);
    put(r, 20, 0x80000000u | 24, 4);
    put(r, 24 + 14, 1, 2);
    put(r, 24 + 16, id, 4);
    put(r, 24 + 20, 0x80000000u | languageDirectory, 4);
    put(r, languageDirectory + 14, languages.size(), 2);
    put(r, nameAt, type.size(), 2);
    for (size_t i = 0; i < type.size(); ++i) put(r, nameAt + 2 + 2 * i, type[i], 2);
    size_t dataAt = nameAt + 2 + 2 * type.size();
    for (size_t i = 0; i < languages.size(); ++i) {
        put(r, languageDirectory + 16 + 8 * i, languages[i].first, 4);
        put(r, languageDirectory + 20 + 8 * i, dataEntries + 16 * i, 4);
        put(r, dataEntries + 16 * i, sectionAddress + dataAt, 4);
        put(r, dataEntries + 16 * i + 4, languages[i].second.size(), 4);
        r.resize(dataAt);
        r += languages[i].second;
        dataAt = r.size();
    }
    pe.firstData = raw + dataEntries;
    pe.languageDirectory = raw + languageDirectory;
    put(pe.bytes, pe.resourceSizeField, r.size(), 4);
    put(pe.bytes, sectionHeader + 8, r.size(), 4);
    put(pe.bytes, sectionHeader + 12, sectionAddress, 4);
    put(pe.bytes, sectionHeader + 16, r.size(), 4);
    put(pe.bytes, sectionHeader + 20, raw, 4);
    pe.bytes.resize(raw);
    pe.bytes += r;
    return pe;
}

}  // namespace libraryimage
