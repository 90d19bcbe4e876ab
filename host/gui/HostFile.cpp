#include "host/gui/HostFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace zuhost::gui {

std::optional<std::vector<char>> HostFile::readWhole(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

HostFile::HostFile(std::shared_ptr<ObjectTally> tally, std::vector<char> bytes)
    : HostObject(std::move(tally), &gmpi::MP_IID_FILE), bytes_(std::move(bytes)) {}

int32_t HostFile::getFileSize(int64_t* size) {
    if (size == nullptr) return gmpi::MP_FAIL;
    *size = static_cast<int64_t>(bytes_.size());
    return gmpi::MP_OK;
}

int32_t HostFile::readFile(void* buffer, int64_t byteCount, int64_t position) {
    const auto size = static_cast<int64_t>(bytes_.size());
    if (byteCount < 0 || position < 0 || position > size) return gmpi::MP_FAIL;
    if (byteCount > 0 && buffer == nullptr) return gmpi::MP_FAIL;
    const int64_t available = std::min(byteCount, size - position);
    if (available > 0) std::memcpy(buffer, bytes_.data() + position, static_cast<size_t>(available));
    return available == byteCount ? gmpi::MP_OK : gmpi::MP_FAIL;
}

}  // namespace zuhost::gui
