#include "host/description/EmbeddedDescription.h"

#include <cstdint>

#include "host/description/BinaryFormat.h"
#include "host/description/DescriptionParser.h"
#include "host/description/ElfSection.h"
#include "host/description/FileView.h"
#include "host/description/PeResource.h"

namespace zuhost {

namespace {

constexpr const char* elfSection = ".gmpxml";
constexpr std::u16string_view resourceType = u"GMPXML";
constexpr uint32_t resourceId = 1;
constexpr uint32_t usEnglish = 1033;

std::string content(const FileView& file, const FileRange& range, const std::string& what) {
    if (!file.contains(range.offset, range.size)) throw DescriptionError(file.name() + ": " + what + " is cut short");
    const auto bytes = file.bytes(range.offset, range.size);
    return {bytes.begin(), bytes.end()};
}

std::string fromElf(const FileView& file) {
    const auto section = findElfSection(file, elfSection);
    if (!section) throw DescriptionError(file.name() + " has no " + elfSection + " section");
    return content(file, *section, std::string("the ") + elfSection + " section");
}

std::string fromPe(const FileView& file) {
    const auto resource = findPeResource(file, resourceType, resourceId, usEnglish);
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
