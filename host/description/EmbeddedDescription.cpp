#include "host/description/EmbeddedDescription.h"

#include <cstdint>

#include "host/description/BinaryFormat.h"
#include "host/description/DescriptionParser.h"
#include "host/description/ElfSection.h"
#include "host/description/FileView.h"
#include "host/description/PeResource.h"

namespace zuhost {

namespace {

constexpr const char* ELF_SECTION = ".gmpxml";
constexpr std::u16string_view RESOURCE_TYPE = u"GMPXML";
constexpr uint32_t RESOURCE_ID = 1;
constexpr uint32_t US_ENGLISH = 1033;

std::string content(const FileView& file, const FileRange& range, const std::string& what) {
    if (!file.contains(range.offset, range.size)) throw DescriptionError(file.name() + ": " + what + " is cut short");
    const auto bytes = file.bytes(range.offset, range.size);
    return {bytes.begin(), bytes.end()};
}

std::string fromElf(const FileView& file) {
    const auto section = findElfSection(file, ELF_SECTION);
    if (!section) throw DescriptionError(file.name() + " has no " + ELF_SECTION + " section");
    return content(file, *section, std::string("the ") + ELF_SECTION + " section");
}

std::string fromPe(const FileView& file) {
    const auto resource = findPeResource(file, RESOURCE_TYPE, RESOURCE_ID, US_ENGLISH);
    if (!resource) throw DescriptionError(file.name() + " has no GMPXML resource with id 1");
    return content(file, *resource, "the GMPXML resource");
}

}  // namespace

std::string readEmbeddedDescription(const std::filesystem::path& library) {
    return readEmbeddedDescription(readFileBytes(library), library.string());
}

std::string readEmbeddedDescription(std::span<const uint8_t> bytes, const std::string& name) {
    const FileView file(bytes, name);
    switch (detectBinaryFormat(bytes)) {
        case BinaryFormat::Elf: return fromElf(file);
        case BinaryFormat::Pe: return fromPe(file);
        case BinaryFormat::Unknown: break;
    }
    throw DescriptionError(name + " is neither an ELF shared library nor a Windows DLL");
}

LibraryDescription loadDescription(const std::filesystem::path& library) {
    return parseDescription(readEmbeddedDescription(library));
}

}  // namespace zuhost
