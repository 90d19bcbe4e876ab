#include "host/validate/ExportTable.h"

#include <LIEF/ELF.hpp>
#include <LIEF/PE.hpp>
#include <LIEF/exception.hpp>

#include <stdexcept>

#include "host/description/BinaryFormat.h"

namespace zuhost {

namespace {

// Defined here, visible to other modules and naming code or data.
bool isExported(const LIEF::ELF::Symbol& symbol) {
    using LIEF::ELF::ELF_SYMBOL_TYPES;
    using LIEF::ELF::ELF_SYMBOL_VISIBILITY;
    using LIEF::ELF::SYMBOL_BINDINGS;
    const bool defined = symbol.shndx() != 0;
    const bool global = symbol.binding() == SYMBOL_BINDINGS::STB_GLOBAL ||
                        symbol.binding() == SYMBOL_BINDINGS::STB_WEAK ||
                        symbol.binding() == SYMBOL_BINDINGS::STB_GNU_UNIQUE;
    const bool visible = symbol.visibility() == ELF_SYMBOL_VISIBILITY::STV_DEFAULT ||
                         symbol.visibility() == ELF_SYMBOL_VISIBILITY::STV_PROTECTED;
    const bool named = !symbol.name().empty() && symbol.type() != ELF_SYMBOL_TYPES::STT_SECTION &&
                       symbol.type() != ELF_SYMBOL_TYPES::STT_FILE;
    return defined && global && visible && named;
}

std::vector<std::string> elfExports(const std::string& path) {
    const auto binary = LIEF::ELF::Parser::parse(path);
    if (!binary) throw std::runtime_error("cannot parse " + path);
    std::vector<std::string> names;
    for (const LIEF::ELF::Symbol& symbol : binary->dynamic_symbols())
        if (isExported(symbol)) names.push_back(symbol.name());
    return names;
}

std::vector<std::string> peExports(const std::string& path) {
    const auto binary = LIEF::PE::Parser::parse(path);
    if (!binary) throw std::runtime_error("cannot parse " + path);
    std::vector<std::string> names;
    if (!binary->has_exports()) return names;
    for (const LIEF::PE::ExportEntry& entry : binary->get_export().entries()) names.push_back(entry.name());
    return names;
}

}  // namespace

std::vector<std::string> exportedNames(const std::filesystem::path& library) {
    const std::string path = library.string();
    if (!std::filesystem::is_regular_file(library)) throw std::runtime_error("cannot read " + path);
    try {
        switch (detectBinaryFormat(library)) {
            case BinaryFormat::Elf: return elfExports(path);
            case BinaryFormat::Pe: return peExports(path);
            case BinaryFormat::Unknown: break;
        }
    } catch (const LIEF::exception& error) {
        throw std::runtime_error(path + " is damaged: " + error.what());
    }
    throw std::runtime_error(path + " is neither an ELF shared library nor a Windows DLL");
}

}  // namespace zuhost
