#include "host/play/WindowMemory.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace zuhost::play {

namespace {

constexpr int64_t largest = 16384;

nlohmann::json readAll(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) return nlohmann::json::object();
    nlohmann::json all = nlohmann::json::parse(in, nullptr, false);
    return all.is_object() ? all : nlohmann::json::object();
}

}  // namespace

WindowMemory::WindowMemory(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path WindowMemory::defaultFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = config != nullptr && *config != '\0' ? std::filesystem::path(config)
                                       : home != nullptr                    ? std::filesystem::path(home) / ".config"
                                                                            : std::filesystem::temp_directory_path();
    return base / "zuhost" / "play-windows.json";
}

std::optional<WindowPlace> WindowMemory::recall(const std::string& key) const {
    const nlohmann::json all = readAll(file_);
    if (!all.contains(key)) return std::nullopt;
    const nlohmann::json& place = all[key];
    for (const char* field : {"x", "y", "width", "height"})
        if (!place.contains(field) || !place[field].is_number_integer()) return std::nullopt;
    // A hand-edited file must not ask for a window no screen holds.
    const auto within = [&](const char* field, int64_t low, int64_t high) {
        return static_cast<int32_t>(std::clamp<int64_t>(place[field].get<int64_t>(), low, high));
    };
    return WindowPlace{within("x", -largest, largest), within("y", -largest, largest), within("width", 1, largest),
                       within("height", 1, largest)};
}

void WindowMemory::remember(const std::string& key, const WindowPlace& place) const {
    nlohmann::json all = readAll(file_);
    all[key] = {{"x", place.x}, {"y", place.y}, {"width", place.width}, {"height", place.height}};
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    std::ofstream(file_) << all.dump(2) << "\n";
}

}  // namespace zuhost::play
