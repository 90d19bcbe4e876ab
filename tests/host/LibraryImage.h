// Small library files built in memory for the tests of the library file
// readers: ELF files with a section name table and the sections given (such
// as a dynamic symbol table), and PE files whose one section holds a resource
// or export directory. Each builder tells where the fields a test may damage
// sit.
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
    size_t namesHeader;            // the section header of the name table
    std::vector<size_t> headers;   // the section headers of the sections given, in order
    std::vector<size_t> contents;  // where their contents lie
    size_t sectionOffsetField, sectionSizeField, linkField, tableEntrySizeField;
    size_t wordSize;
};

struct ElfSection {
    std::string_view name;
    std::string content;
    uint32_t type = 1;
    uint32_t link = 0;  // a section index: 0 null, 1 the name table, 2 the first section given
    uint64_t entrySize = 0;
};

// Sections: null, the name table, then those given.
inline Elf elfFile(bool wide, const std::vector<ElfSection>& sections) {
    const size_t word = wide ? 8 : 4, headerSize = wide ? 64 : 52, entrySize = wide ? 64 : 40;
    Elf elf{std::string("\x7f"
                        "ELF",
                        4),
            wide ? 40u : 32u,
            wide ? 58u : 46u,
            wide ? 60u : 48u,
            wide ? 62u : 50u,
            0,
            {},
            {},
            wide ? 24u : 16u,
            wide ? 32u : 20u,
            wide ? 40u : 24u,
            wide ? 56u : 36u,
            word};
    put(elf.bytes, 4, wide ? 2 : 1, 1);
    put(elf.bytes, 5, 1, 1);  // little-endian
    std::string names("\0.shstrtab\0", 11);
    std::vector<size_t> nameAt;
    for (const ElfSection& section : sections) {
        nameAt.push_back(names.size());
        names += std::string(section.name) + '\0';
    }
    elf.bytes.resize(headerSize);
    elf.bytes += names;
    for (const ElfSection& section : sections) {
        elf.contents.push_back(elf.bytes.size());
        elf.bytes += section.content;
    }
    const size_t table = elf.bytes.size();
    put(elf.bytes, elf.tableOffsetField, table, word);
    put(elf.bytes, elf.entrySizeField, entrySize, 2);
    put(elf.bytes, elf.entryCountField, 2 + sections.size(), 2);
    put(elf.bytes, elf.namesIndexField, 1, 2);
    const auto header = [&](size_t index, size_t name, const ElfSection& section, size_t at) {
        const size_t header = table + index * entrySize;
        put(elf.bytes, header + entrySize - 1, 0, 1);
        put(elf.bytes, header, name, 4);
        put(elf.bytes, header + 4, section.type, 4);
        put(elf.bytes, header + elf.sectionOffsetField, at, word);
        put(elf.bytes, header + elf.sectionSizeField, section.content.size(), word);
        put(elf.bytes, header + elf.linkField, section.link, 4);
        put(elf.bytes, header + elf.tableEntrySizeField, section.entrySize, word);
        return header;
    };
    header(0, 0, {.name = "", .content = "", .type = 0}, 0);
    elf.namesHeader = header(1, 1, {.name = "", .content = names, .type = 3}, headerSize);
    for (size_t i = 0; i < sections.size(); ++i)
        elf.headers.push_back(header(2 + i, nameAt[i], sections[i], elf.contents[i]));
    return elf;
}

inline Elf elfFile(bool wide, std::string_view name, std::string_view content, uint32_t type = 1) {
    return elfFile(wide, {{.name = name, .content = std::string(content), .type = type}});
}

struct ElfSymbol {
    std::string name;
    uint8_t info;   // binding << 4 | type
    uint8_t other;  // visibility
    uint16_t section;
};

// A dynamic symbol table (after the null symbol, the symbols given) and its
// string table: headers[0] and headers[1].
inline Elf elfSymbolFile(bool wide, const std::vector<ElfSymbol>& symbols) {
    const size_t size = wide ? 24 : 16;
    std::string table(size, '\0'), strings(1, '\0');
    for (const ElfSymbol& symbol : symbols) {
        std::string entry(size, '\0');
        put(entry, 0, symbol.name.empty() ? 0 : strings.size(), 4);
        put(entry, wide ? 4 : 12, symbol.info, 1);
        put(entry, wide ? 5 : 13, symbol.other, 1);
        put(entry, wide ? 6 : 14, symbol.section, 2);
        table += entry;
        if (!symbol.name.empty()) strings += symbol.name + '\0';
    }
    return elfFile(wide, {{.name = ".dynsym", .content = table, .type = 11, .link = 3, .entrySize = size},
                          {.name = ".dynstr", .content = strings, .type = 3}});
}

struct Pe {
    std::string bytes;
    size_t newHeaderField = 0x3C, signature = 64, magic = 88;
    size_t directorySizeField = 0;  // the size of the data directory that covers the section
    size_t section = 0x200;         // where the one section lies in the file
};

// One section at address 0x1000, file offset 0x200, holding `content`, which
// the data directory at `directory` covers whole.
inline Pe peFile(bool wide, size_t directory, const std::string& content) {
    constexpr size_t sectionAddress = 0x1000;
    Pe pe;
    put(pe.bytes, 0, 0x5A4D, 2);  // "MZ"
    put(pe.bytes, pe.newHeaderField, pe.signature, 4);
    put(pe.bytes, pe.signature, 0x4550, 4);
    put(pe.bytes, pe.signature + 6, 1, 2);  // one section
    const size_t directories = pe.magic + (wide ? 112 : 96), optionalSize = directories + 16 * 8 - pe.magic;
    put(pe.bytes, pe.signature + 20, optionalSize, 2);
    put(pe.bytes, pe.magic, wide ? 0x20B : 0x10B, 2);
    put(pe.bytes, directories - 4, 16, 4);
    put(pe.bytes, directories + 8 * directory, sectionAddress, 4);
    pe.directorySizeField = directories + 8 * directory + 4;
    put(pe.bytes, pe.directorySizeField, content.size(), 4);
    const size_t sectionHeader = pe.magic + optionalSize;
    put(pe.bytes, sectionHeader + 8, content.size(), 4);
    put(pe.bytes, sectionHeader + 12, sectionAddress, 4);
    put(pe.bytes, sectionHeader + 16, content.size(), 4);
    put(pe.bytes, sectionHeader + 20, pe.section, 4);
    pe.bytes.resize(pe.section);
    pe.bytes += content;
    return pe;
}

struct PeResources : Pe {
    size_t firstData;          // the first language's data entry: address, then size
    size_t languageDirectory;  // the language directory; its entry count at +14
};

// The section holds the resource directory for `type` / `id` with a data entry
// per language, and the data after it.
inline PeResources peFile(bool wide, std::u16string_view type, uint32_t id,
                          const std::vector<std::pair<uint32_t, std::string>>& languages) {
    constexpr size_t sectionAddress = 0x1000;
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
    PeResources pe{peFile(wide, 2, r), 0, 0};
    pe.firstData = pe.section + dataEntries;
    pe.languageDirectory = pe.section + languageDirectory;
    return pe;
}

struct PeExports : Pe {
    size_t directory = 0x200;  // the export directory: name count at +24, name table address at +32
    size_t nameTable = 0x228;  // one address per name
};

// The section holds the export directory, its name table and the names.
inline PeExports peExportFile(bool wide, const std::vector<std::string>& names) {
    constexpr size_t sectionAddress = 0x1000, nameTable = 40;
    std::string e(nameTable + 4 * names.size(), '\0');
    put(e, 24, names.size(), 4);
    put(e, 32, sectionAddress + nameTable, 4);
    for (size_t i = 0; i < names.size(); ++i) {
        put(e, nameTable + 4 * i, sectionAddress + e.size(), 4);
        e += names[i] + '\0';
    }
    return {peFile(wide, 0, e)};
}

}  // namespace libraryimage
