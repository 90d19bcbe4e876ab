#include "host/gui/SkinFolder.h"

#include <algorithm>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace zuhost::gui {

namespace {

bool staysInside(const std::filesystem::path& relative) {
    if (relative.empty() || relative.has_root_name() || relative.has_root_directory()) return false;
    return std::none_of(relative.begin(), relative.end(), [](const auto& part) { return part == ".."; });
}

std::filesystem::path withSuffix(std::string_view name, std::string_view suffix) {
    return pathFromUtf8(std::string(name) + std::string(suffix));
}

}  // namespace

std::optional<std::filesystem::path> SkinFolder::resolve(std::string_view shortName, std::string_view type) const {
    if (type == "ImageMeta") return existing(withSuffix(shortName, ".txt"));
    if (type != "Image") return std::nullopt;
    const std::filesystem::path given = pathFromUtf8(shortName);
    if (given.has_extension()) return existing(given);
    if (auto png = existing(withSuffix(shortName, ".png"))) return png;
    return existing(withSuffix(shortName, ".bmp"));
}

std::optional<std::filesystem::path> SkinFolder::existing(const std::filesystem::path& relative) const {
    if (!staysInside(relative)) return std::nullopt;
    const std::filesystem::path full = folder_ / relative;
    std::error_code error;
    if (!std::filesystem::is_regular_file(full, error)) return std::nullopt;
    return full;
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::filesystem::path pathFromUtf8(std::string_view text) { return std::u8string(text.begin(), text.end()); }

std::filesystem::path SkinFolder::besideExecutable() {
#if defined(_WIN32)
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    const std::filesystem::path executable(std::wstring(buffer, length));
#else
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
#endif
    return executable.parent_path() / "skins" / "default";
}

}  // namespace zuhost::gui
