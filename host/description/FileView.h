// Little-endian fields of a library file held in memory, read by offset.
//
// Contract: a read of anything that does not lie wholly inside the file
// throws DescriptionError ("NAME is damaged: ..."), so offsets and sizes
// taken from a damaged file are caught where they are used and never make
// the reader allocate or touch more than the file holds. Callers keep their
// offset arithmetic from overflowing: they add 16- and 32-bit fields, or
// offsets already checked against the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zuhost {

// A part of a file, as a file's own tables give it: not yet checked.
struct FileRange {
    uint64_t offset = 0;
    uint64_t size = 0;
};

class FileView {
public:
    FileView(std::span<const uint8_t> bytes, std::string name) : bytes_(bytes), name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    uint64_t size() const { return bytes_.size(); }
    bool contains(uint64_t offset, uint64_t length) const { return offset <= size() && length <= size() - offset; }

    uint8_t u8(uint64_t offset) const { return static_cast<uint8_t>(field(offset, 1)); }
    uint16_t u16(uint64_t offset) const { return static_cast<uint16_t>(field(offset, 2)); }
    uint32_t u32(uint64_t offset) const { return static_cast<uint32_t>(field(offset, 4)); }
    uint64_t u64(uint64_t offset) const { return field(offset, 8); }
    std::span<const uint8_t> bytes(uint64_t offset, uint64_t length) const;
    // The same name over a part of the file, so that reads stay inside that part.
    FileView part(const FileRange& range) const { return {bytes(range.offset, range.size), name_}; }
    // The NUL-terminated text at `offset`, without its NUL.
    std::string_view text(uint64_t offset) const;

    [[noreturn]] void damaged(const std::string& what) const;

private:
    uint64_t field(uint64_t offset, uint64_t width) const;

    std::span<const uint8_t> bytes_;
    std::string name_;
};

// The whole file; throws DescriptionError when it cannot be read.
std::vector<uint8_t> readFileBytes(const std::filesystem::path& path);

}  // namespace zuhost
