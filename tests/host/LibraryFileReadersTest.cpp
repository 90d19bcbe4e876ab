#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "host/description/ElfSection.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PeResource.h"
#include "host/validate/ExportTable.h"
#include "tests/host/LibraryImage.h"

namespace {

using namespace zuhost;
using libraryimage::put;

constexpr uint64_t farOffset = 0xFFFFFFF0;  // past the end, in 32- and 64-bit fields alike
const std::string xmlText = "<PluginList/>";

std::span<const uint8_t> bytesOf(const std::string& file) {
    return {reinterpret_cast<const uint8_t*>(file.data()), file.size()};
}

std::string read(const std::string& file) { return readEmbeddedDescription(bytesOf(file), "library"); }
std::vector<std::string> exports(const std::string& file) { return exportedNames(bytesOf(file), "library"); }

TEST(ElfSection, FoundByNameInBoth32And64BitFiles) {
    for (const bool wide : {false, true}) {
        EXPECT_EQ(read(libraryimage::elfFile(wide, ".gmpxml", xmlText).bytes), xmlText) << wide;
        const auto other = libraryimage::elfFile(wide, ".data", xmlText).bytes;
        EXPECT_FALSE(findElfSection(FileView(bytesOf(other), "library"), ".gmpxml")) << wide;
    }
}

TEST(ElfSection, WithoutBytesInTheFileItIsEmpty) {
    const auto elf = libraryimage::elfFile(true, ".gmpxml", xmlText, 8);
    EXPECT_EQ(read(elf.bytes), "");
}

// Offsets and sizes a damaged file gives must neither be followed out of the
// file nor make the reader allocate what they ask for.
TEST(ElfSection, DamagedFilesGiveAnError) {
    using Damage = std::function<void(libraryimage::Elf&)>;
    const std::pair<const char*, Damage> cases[] = {
        {"big-endian", [](auto& e) { put(e.bytes, 5, 2, 1); }},
        {"table past the end", [](auto& e) { put(e.bytes, e.tableOffsetField, farOffset, e.wordSize); }},
        {"too many sections", [](auto& e) { put(e.bytes, e.entryCountField, 0xFFFF, 2); }},
        {"headers too small", [](auto& e) { put(e.bytes, e.entrySizeField, 8, 2); }},
        {"no name table", [](auto& e) { put(e.bytes, e.namesIndexField, 9, 2); }},
        {"name table far away",
         [](auto& e) { put(e.bytes, e.namesHeader + e.sectionOffsetField, farOffset, e.wordSize); }},
        {"section far away", [](auto& e) { put(e.bytes, e.headers[0] + e.sectionOffsetField, farOffset, e.wordSize); }},
        {"section of 4 GB", [](auto& e) { put(e.bytes, e.headers[0] + e.sectionSizeField, 0xFFFFFFFF, e.wordSize); }},
        {"cut in the header", [](auto& e) { e.bytes.resize(20); }},
    };
    for (const bool wide : {false, true}) {
        for (const auto& [name, damage] : cases) {
            auto elf = libraryimage::elfFile(wide, ".gmpxml", xmlText);
            damage(elf);
            EXPECT_THROW(read(elf.bytes), DescriptionError) << name << (wide ? " (64-bit)" : " (32-bit)");
        }
    }
}

TEST(PeResource, FoundInPe32AndPe32PlusFiles) {
    for (const bool wide : {false, true}) {
        EXPECT_EQ(read(libraryimage::peFile(wide, u"GMPXML", 1, {{1033, xmlText}}).bytes), xmlText) << wide;
        const auto otherType = libraryimage::peFile(wide, u"GMPXMX", 1, {{1033, xmlText}}).bytes;
        EXPECT_FALSE(findPeResource(FileView(bytesOf(otherType), "library"), u"GMPXML", 1, 1033)) << wide;
        const auto otherId = libraryimage::peFile(wide, u"GMPXML", 2, {{1033, xmlText}}).bytes;
        EXPECT_FALSE(findPeResource(FileView(bytesOf(otherId), "library"), u"GMPXML", 1, 1033)) << wide;
    }
}

TEST(PeResource, UsEnglishIsPreferredOtherwiseTheFirstLanguage) {
    EXPECT_EQ(read(libraryimage::peFile(true, u"GMPXML", 1, {{1031, "de"}, {1033, "en"}}).bytes), "en");
    EXPECT_EQ(read(libraryimage::peFile(true, u"GMPXML", 1, {{1031, "de"}, {1036, "fr"}}).bytes), "de");
}

TEST(PeResource, DamagedFilesGiveAnError) {
    using Damage = std::function<void(libraryimage::PeResources&)>;
    const std::pair<const char*, Damage> cases[] = {
        {"PE header past the end", [](auto& p) { put(p.bytes, p.newHeaderField, farOffset, 4); }},
        {"no PE signature", [](auto& p) { put(p.bytes, p.signature, 0x4551, 4); }},
        {"unknown optional header", [](auto& p) { put(p.bytes, p.magic, 0x30B, 2); }},
        {"no resources", [](auto& p) { put(p.bytes, p.directorySizeField, 0, 4); }},
        {"data in no section", [](auto& p) { put(p.bytes, p.firstData, 0x7FFFFFFF, 4); }},
        {"data of 4 GB", [](auto& p) { put(p.bytes, p.firstData + 4, 0xFFFFFFFF, 4); }},
        {"entries past the end", [](auto& p) { put(p.bytes, p.languageDirectory + 14, 0xFFFF, 2); }},
        {"cut before the data", [](auto& p) { p.bytes.resize(p.bytes.size() - 4); }},
    };
    for (const auto& [name, damage] : cases) {
        // Not in US English, so that the search for it reads every entry.
        auto pe = libraryimage::peFile(true, u"GMPXML", 1, {{1031, xmlText}});
        damage(pe);
        EXPECT_THROW(read(pe.bytes), DescriptionError) << name;
    }
}

TEST(ExportTable, BuiltLibrariesExportOnlyTheFactory) {
    const std::vector<std::string> factory{"MP_GetFactory"};
    EXPECT_EQ(exportedNames("libzu_modules.so"), factory);
    const auto dll = std::filesystem::path(ZU_SOURCE_DIR) / "build/windows/bin/zu_modules.dll";
    if (!std::filesystem::exists(dll)) GTEST_SKIP() << "no Windows build at " << dll;
    EXPECT_EQ(exportedNames(dll), factory);
}

TEST(ExportTable, ElfExportsAreDefinedVisibleNamedGlobalSymbols) {
    constexpr uint8_t globalBinding = 1 << 4, weakBinding = 2 << 4, uniqueBinding = 10 << 4, localBinding = 0;
    constexpr uint8_t objectType = 1, functionType = 2, sectionType = 3, fileType = 4;
    const std::vector<libraryimage::ElfSymbol> symbols = {
        {"global", globalBinding | functionType, 0, 1},
        {"weak", weakBinding | objectType, 0, 1},
        {"unique", uniqueBinding | objectType, 0, 1},
        {"protected", globalBinding | functionType, 3, 1},
        {"absolute", globalBinding | objectType, 0, 0xFFF1},
        {"imported", globalBinding | functionType, 0, 0},
        {"local", localBinding | functionType, 0, 1},
        {"hidden", globalBinding | functionType, 2, 1},
        {"internal", globalBinding | functionType, 1, 1},
        {"section", globalBinding | sectionType, 0, 1},
        {"file", globalBinding | fileType, 0, 1},
        {"", globalBinding | functionType, 0, 1},
    };
    const std::vector<std::string> exported{"global", "weak", "unique", "protected", "absolute"};
    for (const bool wide : {false, true})
        EXPECT_EQ(exports(libraryimage::elfSymbolFile(wide, symbols).bytes), exported) << wide;
}

TEST(ExportTable, DllNameTableIsReadAndFilesWithoutATableExportNothing) {
    const std::vector<std::string> names{"MP_GetFactory", "Other"};
    for (const bool wide : {false, true}) {
        EXPECT_EQ(exports(libraryimage::peExportFile(wide, names).bytes), names) << wide;
        EXPECT_EQ(exports(libraryimage::peFile(wide, u"GMPXML", 1, {{1033, xmlText}}).bytes),
                  std::vector<std::string>{});
        EXPECT_EQ(exports(libraryimage::elfFile(wide, ".gmpxml", xmlText).bytes), std::vector<std::string>{});
    }
}

TEST(ExportTable, UnreadableOrForeignFilesGiveAnError) {
    EXPECT_THROW(exportedNames("no such file"), std::runtime_error);
    EXPECT_THROW(exportedNames("."), std::runtime_error);
    EXPECT_THROW(exports(xmlText), std::runtime_error);
    const std::vector<uint8_t> library = readFileBytes("libzu_modules.so");
    for (const size_t size : {size_t{4}, size_t{64}, library.size() / 3, library.size() - 1})
        EXPECT_THROW(exportedNames(std::span(library).first(size), "library"), DescriptionError) << size << " bytes";
}

// Tables whose entries all point at one long name would copy it without end.
constexpr size_t longName = 1000, shortNames = 63;

TEST(ExportTable, DamagedElfFilesGiveAnError) {
    using Damage = std::function<void(libraryimage::Elf&)>;
    const auto symbolSize = [](const auto& e) { return e.wordSize == 8 ? 24 : 16; };
    const std::pair<const char*, Damage> cases[] = {
        {"symbols of size 0", [](auto& e) { put(e.bytes, e.headers[0] + e.tableEntrySizeField, 0, e.wordSize); }},
        {"symbols too small", [](auto& e) { put(e.bytes, e.headers[0] + e.tableEntrySizeField, 8, e.wordSize); }},
        {"no string table", [](auto& e) { put(e.bytes, e.headers[0] + e.linkField, 9, 4); }},
        {"symbols far away", [](auto& e) { put(e.bytes, e.headers[0] + e.sectionOffsetField, farOffset, e.wordSize); }},
        {"4 GB of symbols", [](auto& e) { put(e.bytes, e.headers[0] + e.sectionSizeField, 0xFFFFFFFF, e.wordSize); }},
        {"strings far away", [](auto& e) { put(e.bytes, e.headers[1] + e.sectionOffsetField, farOffset, e.wordSize); }},
        {"name past its table", [&](auto& e) { put(e.bytes, e.contents[0] + symbolSize(e), farOffset, 4); }},
        {"name without its end", [](auto& e) { put(e.bytes, e.headers[1] + e.sectionSizeField, 5, e.wordSize); }},
        {"symbols share one long name",
         [&](auto& e) {
             for (size_t i = 2; i <= shortNames + 1; ++i) put(e.bytes, e.contents[0] + i * symbolSize(e), 1, 4);
         }},
    };
    std::vector<libraryimage::ElfSymbol> symbols{{std::string(longName, 'x'), 1 << 4, 0, 1}};
    symbols.insert(symbols.end(), shortNames, {"a", 1 << 4, 0, 1});
    for (const bool wide : {false, true}) {
        for (const auto& [name, damage] : cases) {
            auto elf = libraryimage::elfSymbolFile(wide, symbols);
            damage(elf);
            EXPECT_THROW(exports(elf.bytes), DescriptionError) << name << (wide ? " (64-bit)" : " (32-bit)");
        }
    }
}

TEST(ExportTable, DamagedDllsGiveAnError) {
    using Damage = std::function<void(libraryimage::PeExports&)>;
    const std::pair<const char*, Damage> cases[] = {
        {"section table past the end", [](auto& p) { put(p.bytes, p.signature + 6, 0xFFFF, 2); }},
        {"directory in no section", [](auto& p) { put(p.bytes, p.directorySizeField - 4, 0x7FFFFFFF, 4); }},
        {"huge name count", [](auto& p) { put(p.bytes, p.directory + 24, 0xFFFFFFFF, 4); }},
        {"name table in no section", [](auto& p) { put(p.bytes, p.directory + 32, 0x7FFFFFFF, 4); }},
        {"name in no section", [](auto& p) { put(p.bytes, p.nameTable, 0x7FFFFFFF, 4); }},
        {"cut in the last name", [](auto& p) { p.bytes.pop_back(); }},
        {"names share one long name",
         [](auto& p) {
             for (size_t i = 1; i <= shortNames; ++i)
                 put(p.bytes, p.nameTable + 4 * i, 0x1000 + 40 + 4 * (shortNames + 1), 4);
         }},
    };
    std::vector<std::string> names{std::string(longName, 'x')};
    names.insert(names.end(), shortNames, "a");
    for (const bool wide : {false, true}) {
        for (const auto& [name, damage] : cases) {
            auto pe = libraryimage::peExportFile(wide, names);
            damage(pe);
            EXPECT_THROW(exports(pe.bytes), DescriptionError) << name << (wide ? " (PE32+)" : " (PE32)");
        }
    }
}

}  // namespace
