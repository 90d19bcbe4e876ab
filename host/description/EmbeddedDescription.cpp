#include "host/description/EmbeddedDescription.h"

#include <LIEF/ELF.hpp>
#include <LIEF/PE.hpp>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "host/description/BinaryFormat.h"
#include "host/description/DescriptionParser.h"

namespace zuhost {

namespace {

constexpr const char* ELF_SECTION = ".gmpxml";
constexpr std::u16string_view RESOURCE_TYPE = u"GMPXML";
constexpr uint32_t RESOURCE_ID = 1;
constexpr uint32_t US_ENGLISH = 1033;

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) throw DescriptionError("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::string fromElf(const std::vector<uint8_t>& bytes, const std::string& name) {
    const auto binary = LIEF::ELF::Parser::parse(bytes, name);
    if (!binary || !binary->has_section(ELF_SECTION)) {
        throw DescriptionError(name + " has no " + ELF_SECTION + " section");
    }
    const LIEF::ELF::Section& section = binary->get_section(ELF_SECTION);
    const std::vector<uint8_t> content = section.content();
    if (content.size() != section.size()) throw DescriptionError(name + ": the " + ELF_SECTION + " section is cut short");
    return {content.begin(), content.end()};
}

// Resource directories are laid out type / id / language.
const LIEF::PE::ResourceNode* childNamed(const LIEF::PE::ResourceNode& node, std::u16string_view name) {
    for (const LIEF::PE::ResourceNode& child : node.childs()) {
        if (child.has_name() && child.name() == name) return &child;
    }
    return nullptr;
}

const LIEF::PE::ResourceNode* childWithId(const LIEF::PE::ResourceNode& node, uint32_t id) {
    for (const LIEF::PE::ResourceNode& child : node.childs()) {
        if (!child.has_name() && child.id() == id) return &child;
    }
    return nullptr;
}

const LIEF::PE::ResourceNode* preferredLanguage(const LIEF::PE::ResourceNode& node) {
    if (const auto* english = childWithId(node, US_ENGLISH)) return english;
    for (const LIEF::PE::ResourceNode& child : node.childs()) return &child;
    return nullptr;
}

std::string fromPe(const std::vector<uint8_t>& bytes, const std::string& name) {
    const auto binary = LIEF::PE::Parser::parse(bytes, name);
    if (!binary || !binary->has_resources()) throw DescriptionError(name + " has no resources");
    const LIEF::PE::ResourceNode* type = childNamed(binary->resources(), RESOURCE_TYPE);
    const LIEF::PE::ResourceNode* entry = type ? childWithId(*type, RESOURCE_ID) : nullptr;
    const LIEF::PE::ResourceNode* language = entry ? preferredLanguage(*entry) : nullptr;
    if (!language || !language->is_data()) throw DescriptionError(name + " has no GMPXML resource with id 1");
    const auto& content = static_cast<const LIEF::PE::ResourceData*>(language)->content();
    return {content.begin(), content.end()};
}

}  // namespace

std::string readEmbeddedDescription(const std::filesystem::path& library) {
    const std::vector<uint8_t> bytes = fileBytes(library);
    const std::string name = library.string();
    try {
        switch (detectBinaryFormat(bytes)) {
            case BinaryFormat::Elf: return fromElf(bytes, name);
            case BinaryFormat::Pe: return fromPe(bytes, name);
            case BinaryFormat::Unknown: break;
        }
    } catch (const DescriptionError&) {
        throw;
    } catch (const std::exception& error) {  // LIEF's own errors, and allocations that damaged sizes ask for
        throw DescriptionError(name + " is damaged: " + error.what());
    }
    throw DescriptionError(name + " is neither an ELF shared library nor a Windows DLL");
}

LibraryDescription loadDescription(const std::filesystem::path& library) {
    return parseDescription(readEmbeddedDescription(library));
}

}  // namespace zuhost
