#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <string>

#include "host/description/ElfSection.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PeResource.h"
#include "tests/host/LibraryImage.h"

namespace {

using namespace zuhost;
using libraryimage::put;

constexpr uint64_t FAR = 0xFFFFFFF0;  // past the end, in 32- and 64-bit fields alike
const std::string XML = "<PluginList/>";

std::span<const uint8_t> bytesOf(const std::string& file) {
    return {reinterpret_cast<const uint8_t*>(file.data()), file.size()};
}

std::string read(const std::string& file) { return readEmbeddedDescription(bytesOf(file), "library"); }

TEST(ElfSection, FoundByNameInBoth32And64BitFiles) {
    for (const bool wide : {false, true}) {
        EXPECT_EQ(read(libraryimage::elfFile(wide, ".gmpxml", XML).bytes), XML) << wide;
        const auto other = libraryimage::elfFile(wide, ".data", XML).bytes;
        EXPECT_FALSE(findElfSection(FileView(bytesOf(other), "library"), ".gmpxml")) << wide;
    }
}

TEST(ElfSection, WithoutBytesInTheFileItIsEmpty) {
    const auto elf = libraryimage::elfFile(true, ".gmpxml", XML, 8);
    EXPECT_EQ(read(elf.bytes), "");
}

// Offsets and sizes a damaged file gives must neither be followed out of the
// file nor make the reader allocate what they ask for.
TEST(ElfSection, DamagedFilesGiveAnError) {
    using Damage = std::function<void(libraryimage::Elf&)>;
    const std::pair<const char*, Damage> cases[] = {
        {"big-endian", [](auto& e) { put(e.bytes, 5, 2, 1); }},
        {"table past the end", [](auto& e) { put(e.bytes, e.tableOffsetField, FAR, e.wordSize); }},
        {"too many sections", [](auto& e) { put(e.bytes, e.entryCountField, 0xFFFF, 2); }},
        {"headers too small", [](auto& e) { put(e.bytes, e.entrySizeField, 8, 2); }},
        {"no name table", [](auto& e) { put(e.bytes, e.namesIndexField, 9, 2); }},
        {"name table far away", [](auto& e) { put(e.bytes, e.namesHeader + e.sectionOffsetField, FAR, e.wordSize); }},
        {"section far away", [](auto& e) { put(e.bytes, e.sectionHeader + e.sectionOffsetField, FAR, e.wordSize); }},
        {"section of 4 GB", [](auto& e) { put(e.bytes, e.sectionHeader + e.sectionSizeField, 0xFFFFFFFF, e.wordSize); }},
        {"cut in the header", [](auto& e) { e.bytes.resize(20); }},
    };
    for (const bool wide : {false, true}) {
        for (const auto& [name, damage] : cases) {
            auto elf = libraryimage::elfFile(wide, ".gmpxml", XML);
            damage(elf);
            EXPECT_THROW(read(elf.bytes), DescriptionError) << name << (wide ? " (64-bit)" : " (32-bit)");
        }
    }
}

TEST(PeResource, FoundInPe32AndPe32PlusFiles) {
    for (const bool wide : {false, true}) {
        EXPECT_EQ(read(libraryimage::peFile(wide, u"GMPXML", 1, {{1033, XML}}).bytes), XML) << wide;
        const auto otherType = libraryimage::peFile(wide, u"GMPXMX", 1, {{1033, XML}}).bytes;
        EXPECT_FALSE(findPeResource(FileView(bytesOf(otherType), "library"), u"GMPXML", 1, 1033)) << wide;
        const auto otherId = libraryimage::peFile(wide, u"GMPXML", 2, {{1033, XML}}).bytes;
        EXPECT_FALSE(findPeResource(FileView(bytesOf(otherId), "library"), u"GMPXML", 1, 1033)) << wide;
    }
}

TEST(PeResource, UsEnglishIsPreferredOtherwiseTheFirstLanguage) {
    EXPECT_EQ(read(libraryimage::peFile(true, u"GMPXML", 1, {{1031, "de"}, {1033, "en"}}).bytes), "en");
    EXPECT_EQ(read(libraryimage::peFile(true, u"GMPXML", 1, {{1031, "de"}, {1036, "fr"}}).bytes), "de");
}

TEST(PeResource, DamagedFilesGiveAnError) {
    using Damage = std::function<void(libraryimage::Pe&)>;
    const std::pair<const char*, Damage> cases[] = {
        {"PE header past the end", [](auto& p) { put(p.bytes, p.newHeaderField, FAR, 4); }},
        {"no PE signature", [](auto& p) { put(p.bytes, p.signature, 0x4551, 4); }},
        {"unknown optional header", [](auto& p) { put(p.bytes, p.magic, 0x30B, 2); }},
        {"no resources", [](auto& p) { put(p.bytes, p.resourceSizeField, 0, 4); }},
        {"data in no section", [](auto& p) { put(p.bytes, p.firstData, 0x7FFFFFFF, 4); }},
        {"data of 4 GB", [](auto& p) { put(p.bytes, p.firstData + 4, 0xFFFFFFFF, 4); }},
        {"entries past the end", [](auto& p) { put(p.bytes, p.languageDirectory + 14, 0xFFFF, 2); }},
        {"cut before the data", [](auto& p) { p.bytes.resize(p.bytes.size() - 4); }},
    };
    for (const auto& [name, damage] : cases) {
        // Not in US English, so that the search for it reads every entry.
        auto pe = libraryimage::peFile(true, u"GMPXML", 1, {{1031, XML}});
        damage(pe);
        EXPECT_THROW(read(pe.bytes), DescriptionError) << name;
    }
}

}  // namespace
