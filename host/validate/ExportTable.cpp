#include "host/validate/ExportTable.h"

#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "host/description/BinaryFormat.h"
#include "host/description/ElfSection.h"
#include "host/description/FileView.h"
#include "host/description/PeImage.h"

namespace zuhost {

namespace {

constexpr uint32_t dynamicSymbols = 11;  // SHT_DYNSYM
constexpr uint8_t globalBinding = 1, weakBinding = 2, uniqueBinding = 10;
constexpr uint8_t sectionSymbol = 3, fileSymbol = 4;
constexpr uint8_t defaultVisibility = 0, protectedVisibility = 3;
constexpr uint64_t exportNameCountField = 24, exportNameTableField = 32;

// Names may share bytes in the file (one name the tail of another), but a
// table whose entries all point at one long name would make copies many
// times the file's size; a linker never lays names out like that.
class NameList {
public:
    explicit NameList(const FileView& file) : file_(file), budget_(4 * file.size()) {}

    void add(std::string_view name) {
        if (name.size() > budget_) file_.damaged("its export names overlap far more than any linker lays them out");
        budget_ -= name.size();
        names_.emplace_back(name);
    }

    std::vector<std::string> take() { return std::move(names_); }

private:
    const FileView& file_;
    uint64_t budget_;
    std::vector<std::string> names_;
};

struct ElfSymbol {
    uint32_t nameOffset;
    uint8_t info, other;
    uint16_t sectionIndex;

    // Defined here, visible to other modules and naming code or data.
    bool exported() const {
        const uint8_t binding = info >> 4, type = info & 0xF, visibility = other & 0x3;
        const bool global = binding == globalBinding || binding == weakBinding || binding == uniqueBinding;
        const bool visible = visibility == defaultVisibility || visibility == protectedVisibility;
        return sectionIndex != 0 && global && visible && type != sectionSymbol && type != fileSymbol;
    }
};

ElfSymbol elfSymbol(const FileView& symbols, uint64_t at, bool wide) {
    if (wide) return {symbols.u32(at), symbols.u8(at + 4), symbols.u8(at + 5), symbols.u16(at + 6)};
    return {symbols.u32(at), symbols.u8(at + 12), symbols.u8(at + 13), symbols.u16(at + 14)};
}

std::optional<ElfSectionHeader> dynamicSymbolTable(const ElfSectionTable& sections) {
    for (uint32_t index = 0; index < sections.count(); ++index) {
        const ElfSectionHeader section = sections.section(index);
        if (section.type == dynamicSymbols) return section;
    }
    return std::nullopt;
}

void addElfExports(const FileView& file, NameList& names) {
    const ElfSectionTable sections(file);
    const auto table = dynamicSymbolTable(sections);
    // A file without dynamic symbols exports nothing.
    if (!table) return;
    if (table->entrySize < (sections.wide() ? 24u : 16u)) file.damaged("its dynamic symbols are too small");
    if (table->link >= sections.count()) file.damaged("its dynamic symbols have no string table");
    const FileView symbols = file.part(table->range);
    const FileView strings = file.part(sections.section(table->link).range);
    const uint64_t count = symbols.size() / table->entrySize;
    for (uint64_t i = 0; i < count; ++i) {
        const ElfSymbol symbol = elfSymbol(symbols, i * table->entrySize, sections.wide());
        if (!symbol.exported()) continue;
        const std::string_view name = strings.text(symbol.nameOffset);
        if (!name.empty()) names.add(name);
    }
}

void addPeExports(const FileView& file, NameList& names) {
    const PeImage image(file);
    const auto directory = image.directory(PeImage::exportDirectory);
    if (!directory) return;
    const uint64_t at = image.fileOffset(directory->address);
    const uint32_t count = file.u32(at + exportNameCountField);
    if (count == 0) return;
    const uint64_t table = image.fileOffset(file.u32(at + exportNameTableField));
    if (!file.contains(table, 4 * uint64_t{count})) file.damaged("its export name table lies past the end");
    for (uint64_t entry = table; entry < table + 4 * uint64_t{count}; entry += 4)
        names.add(file.text(image.fileOffset(file.u32(entry))));
}

}  // namespace

std::vector<std::string> exportedNames(std::span<const uint8_t> bytes, const std::string& name) {
    const FileView file(bytes, name);
    NameList names(file);
    switch (detectBinaryFormat(bytes)) {
        case BinaryFormat::Elf: addElfExports(file, names); return names.take();
        case BinaryFormat::Pe: addPeExports(file, names); return names.take();
        case BinaryFormat::Unknown: break;
    }
    throw std::runtime_error(name + " is neither an ELF shared library nor a Windows DLL");
}

std::vector<std::string> exportedNames(const std::filesystem::path& library) {
    if (!std::filesystem::is_regular_file(library)) throw std::runtime_error("cannot read " + library.string());
    return exportedNames(readFileBytes(library), library.string());
}

}  // namespace zuhost
