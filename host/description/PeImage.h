// The headers of a PE32 or PE32+ file that lead to its tables: the data
// directories, and the section table that maps relative virtual addresses to
// file offsets. Every read is bounds-checked.
//
// Contract: a file without a PE header, with an unknown optional header, or
// with its section table outside the file throws DescriptionError, and so
// does an address that no section maps. Directory sizes and offsets within a
// section are returned unchecked.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/description/FileView.h"

namespace zuhost {

class PeImage {
public:
    static constexpr uint32_t exportDirectory = 0;
    static constexpr uint32_t resourceDirectory = 2;

    explicit PeImage(const FileView& file);

    struct Directory {
        uint32_t address;  // relative virtual address
        uint32_t size;
    };
    // The data directory at `index`; nothing when the file has none there or it is empty.
    std::optional<Directory> directory(uint32_t index) const;

    // Where the byte at a relative virtual address lies in the file.
    uint64_t fileOffset(uint32_t address) const;

private:
    struct Section {
        uint32_t address, rawSize, rawOffset;
    };

    const FileView& file_;
    uint64_t directories_ = 0;
    uint32_t directoryCount_ = 0;
    std::vector<Section> sections_;  // by address
};

}  // namespace zuhost
