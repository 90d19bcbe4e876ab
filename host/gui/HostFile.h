// A skin resource opened for reading (IMpFile), read whole when opened.
//
// Contract: readFile(buffer, count, position) refuses a null buffer, a
// negative count or position, and a position past the end (-1, nothing
// written). A read that runs past the end copies the bytes that exist, leaves
// the rest of the buffer untouched and answers -1, since fewer bytes came
// than were asked for; a read that is fully met answers 0.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "host/gui/HostObject.h"

namespace zuhost::gui {

class HostFile final : public HostObject<gmpi::IMpFile> {
public:
    // The file's bytes, or nothing when it is not a readable regular file.
    static std::optional<std::vector<char>> readWhole(const std::filesystem::path& path);

    HostFile(std::shared_ptr<ObjectTally> tally, std::vector<char> bytes);

    int32_t getFileSize(int64_t* size) override;
    int32_t readFile(void* buffer, int64_t byteCount, int64_t position) override;

private:
    std::vector<char> bytes_;
};

}  // namespace zuhost::gui
