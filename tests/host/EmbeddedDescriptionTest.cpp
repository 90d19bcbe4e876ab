#include "host/description/EmbeddedDescription.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host/description/BinaryFormat.h"
#include "tests/support/TestTempPath.h"

namespace {

using namespace zuhost;

const std::filesystem::path windowsDll = std::filesystem::path(ZU_SOURCE_DIR) / "build/windows/bin/zu_modules.dll";

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A file in the test's temporary directory holding `bytes`.
std::filesystem::path writeFile(const std::string& name, const std::string& bytes) {
    const auto path = testTempPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(EmbeddedDescription, LinuxLibraryCarriesTheDescriptionByteForByte) {
    const std::string source = fileBytes("plugins.xml");
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(readEmbeddedDescription("libzu_modules.so"), source);
}

TEST(EmbeddedDescription, WindowsDllCarriesTheDescriptionByteForByte) {
    if (!std::filesystem::exists(windowsDll)) GTEST_SKIP() << "no Windows build at " << windowsDll;
    EXPECT_EQ(detectBinaryFormat(windowsDll), BinaryFormat::Pe);
    EXPECT_EQ(readEmbeddedDescription(windowsDll), fileBytes("plugins.xml"));
}

TEST(EmbeddedDescription, FormatComesFromTheMagicBytesNotTheName) {
    EXPECT_EQ(detectBinaryFormat("libzu_modules.so"), BinaryFormat::Elf);
    EXPECT_EQ(detectBinaryFormat(writeFile("elf.dll",
                                           "\x7f"
                                           "ELF rest")),
              BinaryFormat::Elf);
    EXPECT_EQ(detectBinaryFormat(writeFile("pe.so", "MZ rest")), BinaryFormat::Pe);
    EXPECT_EQ(detectBinaryFormat(writeFile("short.so", "M")), BinaryFormat::Unknown);
    EXPECT_EQ(detectBinaryFormat("no such file"), BinaryFormat::Unknown);
}

TEST(EmbeddedDescription, FilesWithoutADescriptionGiveAnError) {
    const std::string library = fileBytes("libzu_modules.so");
    const std::filesystem::path cases[] = {
        "no such file",
        writeFile("empty.so", ""),
        writeFile("text.so", "<PluginList/>"),
        writeFile("bare-elf.so",
                  "\x7f"
                  "ELF"),
        writeFile("bare-pe.dll", "MZ"),
        writeFile("truncated.so", library.substr(0, library.size() / 3)),
        "/proc/self/exe",  // an ELF file without the section
    };
    for (const auto& path : cases) {
        EXPECT_THROW(readEmbeddedDescription(path), DescriptionError) << path;
    }
}

TEST(EmbeddedDescription, DamagedWindowsDllGivesAnError) {
    if (!std::filesystem::exists(windowsDll)) GTEST_SKIP() << "no Windows build at " << windowsDll;
    const std::string dll = fileBytes(windowsDll);
    const size_t resource = dll.find("<?xml");
    ASSERT_NE(resource, std::string::npos);
    for (const size_t size : {size_t{64}, size_t{512}, resource - 50, resource + 100}) {
        const auto path = writeFile("truncated.dll", dll.substr(0, size));
        EXPECT_THROW(readEmbeddedDescription(path), DescriptionError) << size << " bytes";
    }
}

}  // namespace
