// Where a skin's resources live: maps a short name and a resource type to a
// file in one folder.
//
// Contract: type "Image" takes the name as given when it has an extension,
// otherwise fixtureName.png when that file exists, then fixtureName.bmp; type "ImageMeta"
// takes fixtureName.txt. A name may hold subfolders, but one that is absolute or
// climbs out with ".." resolves to nothing, as do other types and files that
// do not exist.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zuhost::gui {

class SkinFolder {
public:
    explicit SkinFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::optional<std::filesystem::path> resolve(std::string_view shortName, std::string_view type) const;
    const std::filesystem::path& folder() const { return folder_; }

    // skins/default beside the running executable.
    static std::filesystem::path besideExecutable();

private:
    std::optional<std::filesystem::path> existing(const std::filesystem::path& relative) const;

    std::filesystem::path folder_;
};

// Full names travel as UTF-8 bytes, whatever the platform's path encoding.
std::string pathToUtf8(const std::filesystem::path& path);
std::filesystem::path pathFromUtf8(std::string_view text);

}  // namespace zuhost::gui
