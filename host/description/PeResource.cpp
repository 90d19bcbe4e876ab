#include "host/description/PeResource.h"

namespace zuhost {

namespace {

constexpr uint64_t NEW_HEADER_FIELD = 0x3C;
constexpr uint32_t PE_SIGNATURE = 0x00004550;  // "PE\0\0"
constexpr uint64_t COFF_HEADER_SIZE = 20;
constexpr uint16_t PE32_MAGIC = 0x10B;
constexpr uint16_t PE32_PLUS_MAGIC = 0x20B;
constexpr uint32_t RESOURCE_DIRECTORY = 2;
constexpr uint64_t SECTION_HEADER_SIZE = 40;
constexpr uint32_t HIGH_BIT = 0x80000000;

struct Entry {
    bool named;
    uint32_t nameOrId;   // an id, or with `named` the offset of the name in the resource directory
    bool directory;
    uint32_t child;      // offset of the subdirectory or data entry in the resource directory
};

class ResourceDirectory {
public:
    explicit ResourceDirectory(const FileView& file) : file_(file) {
        const uint64_t header = file.u32(NEW_HEADER_FIELD);
        if (file.u32(header) != PE_SIGNATURE) file.damaged("no PE header");
        const uint64_t coff = header + 4;
        sectionCount_ = file.u16(coff + 2);
        const uint64_t optional = coff + COFF_HEADER_SIZE;
        sectionTable_ = optional + file.u16(coff + 16);
        const uint16_t magic = file.u16(optional);
        if (magic != PE32_MAGIC && magic != PE32_PLUS_MAGIC) file.damaged("unknown optional header");
        const uint64_t directories = optional + (magic == PE32_MAGIC ? 96 : 112);
        const uint32_t directoryCount = file.u32(directories - 4);
        if (directoryCount <= RESOURCE_DIRECTORY) return;
        const uint32_t address = file.u32(directories + 8 * RESOURCE_DIRECTORY);
        if (address == 0 || file.u32(directories + 8 * RESOURCE_DIRECTORY + 4) == 0) return;
        root_ = fileOffset(address);
    }

    bool exists() const { return root_.has_value(); }

    // The directory at `offset` (0: the root): the first entry that `matches`.
    template <class Match>
    std::optional<Entry> findEntry(uint32_t offset, Match matches) const {
        const uint64_t directory = *root_ + offset;
        const uint32_t count = uint32_t{file_.u16(directory + 12)} + file_.u16(directory + 14);
        for (uint32_t i = 0; i < count; ++i) {
            const uint64_t at = directory + 16 + 8 * uint64_t{i};
            const uint32_t name = file_.u32(at), child = file_.u32(at + 4);
            const Entry entry{(name & HIGH_BIT) != 0, name & ~HIGH_BIT, (child & HIGH_BIT) != 0, child & ~HIGH_BIT};
            if (matches(entry)) return entry;
        }
        return std::nullopt;
    }

    bool nameIs(const Entry& entry, std::u16string_view name) const {
        if (!entry.named) return false;
        const uint64_t at = *root_ + entry.nameOrId;
        if (file_.u16(at) != name.size()) return false;
        for (size_t i = 0; i < name.size(); ++i)
            if (file_.u16(at + 2 + 2 * i) != name[i]) return false;
        return true;
    }

    FileRange data(const Entry& entry) const {
        const uint64_t at = *root_ + entry.child;
        return {fileOffset(file_.u32(at)), file_.u32(at + 4)};
    }

private:
    // Where the byte at a relative virtual address lies in the file.
    uint64_t fileOffset(uint32_t address) const {
        for (uint32_t i = 0; i < sectionCount_; ++i) {
            const uint64_t header = sectionTable_ + SECTION_HEADER_SIZE * i;
            const uint32_t start = file_.u32(header + 12), rawSize = file_.u32(header + 16);
            if (address >= start && address - start < rawSize) return file_.u32(header + 20) + uint64_t{address - start};
        }
        file_.damaged("an address lies in no section");
    }

    const FileView& file_;
    uint32_t sectionCount_ = 0;
    uint64_t sectionTable_ = 0;
    std::optional<uint64_t> root_;
};

}  // namespace

std::optional<FileRange> findPeResource(const FileView& file, std::u16string_view type, uint32_t id,
                                        uint32_t preferredLanguage) {
    const ResourceDirectory resources(file);
    if (!resources.exists()) return std::nullopt;
    const auto typeEntry = resources.findEntry(0, [&](const Entry& e) { return e.directory && resources.nameIs(e, type); });
    if (!typeEntry) return std::nullopt;
    const auto idEntry =
        resources.findEntry(typeEntry->child, [&](const Entry& e) { return e.directory && !e.named && e.nameOrId == id; });
    if (!idEntry) return std::nullopt;
    auto language = resources.findEntry(idEntry->child, [&](const Entry& e) { return !e.named && e.nameOrId == preferredLanguage; });
    if (!language) language = resources.findEntry(idEntry->child, [](const Entry&) { return true; });
    if (!language || language->directory) return std::nullopt;
    return resources.data(*language);
}

}  // namespace zuhost
