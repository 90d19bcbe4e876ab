#include "host/description/PeResource.h"

#include "host/description/PeImage.h"

namespace zuhost {

namespace {

constexpr uint32_t highBit = 0x80000000;

struct Entry {
    bool named;
    uint32_t nameOrId;  // an id, or with `named` the offset of the name in the resource directory
    bool directory;
    uint32_t child;  // offset of the subdirectory or data entry in the resource directory
};

class ResourceDirectory {
public:
    explicit ResourceDirectory(const FileView& file) : file_(file), image_(file) {
        if (const auto directory = image_.directory(PeImage::resourceDirectory))
            root_ = image_.fileOffset(directory->address);
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
            const Entry entry{(name & highBit) != 0, name & ~highBit, (child & highBit) != 0, child & ~highBit};
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
        return {image_.fileOffset(file_.u32(at)), file_.u32(at + 4)};
    }

private:
    const FileView& file_;
    const PeImage image_;
    std::optional<uint64_t> root_;
};

}  // namespace

std::optional<FileRange> findPeResource(const FileView& file, std::u16string_view type, uint32_t id,
                                        uint32_t preferredLanguage) {
    const ResourceDirectory resources(file);
    if (!resources.exists()) return std::nullopt;
    const auto typeEntry =
        resources.findEntry(0, [&](const Entry& e) { return e.directory && resources.nameIs(e, type); });
    if (!typeEntry) return std::nullopt;
    const auto idEntry = resources.findEntry(
        typeEntry->child, [&](const Entry& e) { return e.directory && !e.named && e.nameOrId == id; });
    if (!idEntry) return std::nullopt;
    auto language = resources.findEntry(idEntry->child,
                                        [&](const Entry& e) { return !e.named && e.nameOrId == preferredLanguage; });
    if (!language) language = resources.findEntry(idEntry->child, [](const Entry&) { return true; });
    if (!language || language->directory) return std::nullopt;
    return resources.data(*language);
}

}  // namespace zuhost
