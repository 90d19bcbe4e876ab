// Where each patch's window stood when its last run ended, so that the next
// run opens it there, at that size.
//
// Contract: one JSON file (by default zuhost/play-windows.json under
// $XDG_CONFIG_HOME, or ~/.config); a missing or unreadable file remembers
// nothing, and a file that cannot be written is left alone. Patches are known
// by a key of the caller's choosing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "host/play/PlayWindow.h"

namespace zuhost::play {

class WindowMemory {
public:
    explicit WindowMemory(std::filesystem::path file = defaultFile());

    std::optional<WindowPlace> recall(const std::string& key) const;
    void remember(const std::string& key, const WindowPlace& place) const;

    static std::filesystem::path defaultFile();

private:
    std::filesystem::path file_;
};

}  // namespace zuhost::play
