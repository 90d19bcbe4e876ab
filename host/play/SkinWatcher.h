// A skin folder as `zuhost play --skin DIR` follows it while someone edits
// it: the panels always load from a copy of the folder as it stood when it
// was last read, so that a skin that fails can be put back. Editors save by
// writing a new file and renaming it over the old one, sometimes several in
// a row, so a change counts once the folder has held still for a moment.
//
// Contract: GUI thread. changed() compares the folder's files (names, sizes,
// modification times) with those last seen, polling at most every
// `pollEvery`, and answers true once a change has settled for `settleFor`.
// takeCopy() copies the folder as it is now into a fresh folder under a
// temporary one that lives as long as the watcher.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace zuhost::play {

class SkinWatcher {
public:
    using Clock = std::chrono::steady_clock;

    explicit SkinWatcher(std::filesystem::path folder,
                         std::chrono::milliseconds pollEvery = std::chrono::milliseconds(200),
                         std::chrono::milliseconds settleFor = std::chrono::milliseconds(400));
    ~SkinWatcher();
    SkinWatcher(const SkinWatcher&) = delete;
    SkinWatcher& operator=(const SkinWatcher&) = delete;

    bool changed(Clock::time_point now);
    std::filesystem::path takeCopy();
    void dropCopy(const std::filesystem::path& copy);
    const std::filesystem::path& folder() const { return folder_; }

private:
    using Signature = std::map<std::string, std::pair<uintmax_t, std::filesystem::file_time_type>>;
    Signature read() const;

    std::filesystem::path folder_;
    std::chrono::milliseconds pollEvery_;
    std::chrono::milliseconds settleFor_;
    std::filesystem::path copies_;
    int32_t copiesMade_ = 0;
    Signature seen_;
    Signature pending_;
    bool changing_ = false;
    Clock::time_point lastPoll_{};
    Clock::time_point lastChange_{};
};

}  // namespace zuhost::play
