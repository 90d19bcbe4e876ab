#include "host/play/SkinWatcher.h"

#include <system_error>

#include <unistd.h>

namespace zuhost::play {

SkinWatcher::SkinWatcher(std::filesystem::path folder, std::chrono::milliseconds pollEvery,
                         std::chrono::milliseconds settleFor)
    : folder_(std::move(folder)),
      pollEvery_(pollEvery),
      settleFor_(settleFor),
      copies_(std::filesystem::temp_directory_path() / ("zuhost-play-skin-" + std::to_string(getpid()))),
      seen_(read()) {}

SkinWatcher::~SkinWatcher() {
    std::error_code ignored;
    std::filesystem::remove_all(copies_, ignored);
}

SkinWatcher::Signature SkinWatcher::read() const {
    Signature signature;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator entry(folder_, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (!entry->is_regular_file(ignored)) continue;
        signature[entry->path().lexically_relative(folder_).string()] = {entry->file_size(ignored),
                                                                         entry->last_write_time(ignored)};
    }
    return signature;
}

bool SkinWatcher::changed(Clock::time_point now) {
    if (now - lastPoll_ < pollEvery_) return false;
    lastPoll_ = now;
    Signature current = read();
    if (current != (changing_ ? pending_ : seen_)) {
        pending_ = std::move(current);
        changing_ = pending_ != seen_;
        lastChange_ = now;
        return false;
    }
    if (!changing_ || now - lastChange_ < settleFor_) return false;
    seen_ = std::move(pending_);
    changing_ = false;
    return true;
}

std::filesystem::path SkinWatcher::takeCopy() {
    const auto copy = copies_ / std::to_string(copiesMade_++);
    std::filesystem::create_directories(copy);
    std::filesystem::copy(folder_, copy, std::filesystem::copy_options::recursive);
    return copy;
}

void SkinWatcher::dropCopy(const std::filesystem::path& copy) {
    std::error_code ignored;
    std::filesystem::remove_all(copy, ignored);
}

}  // namespace zuhost::play
