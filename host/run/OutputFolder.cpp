#include "host/run/OutputFolder.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "host/run/OutputFile.h"

namespace zuhost {

namespace {

bool staysInside(const std::filesystem::path& name) {
    return !name.empty() && name.is_relative() && !name.has_root_name() &&
           std::none_of(name.begin(), name.end(), [](const std::filesystem::path& part) { return part == ".."; });
}

// A listed file's folder, links resolved, lies within the output folder.
bool liesWithin(const std::filesystem::path& directory, const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path outer = std::filesystem::canonical(directory, error);
    const std::filesystem::path inner = std::filesystem::weakly_canonical(path.parent_path(), error);
    return !error && std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first == outer.end();
}

void removeListed(const std::filesystem::path& directory, const std::filesystem::path& name) {
    const std::filesystem::path path = directory / name;
    if (!liesWithin(directory, path)) return;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return;
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path, error))) return;
    if (!std::filesystem::remove(path, error) && error)
        throw OutputError("cannot remove " + path.string() + " of an earlier run: " + error.message());
    // An emptied subfolder goes too; one still holding files stays.
    for (std::filesystem::path parent = name.parent_path(); !parent.empty(); parent = parent.parent_path())
        if (!std::filesystem::remove(directory / parent, error)) break;
}

}  // namespace

OutputFolder::OutputFolder(std::filesystem::path directory) : directory_(std::move(directory)) {
    std::error_code error;
    std::filesystem::create_directories(directory_, error);
    if (error) throw OutputError("cannot create the folder " + directory_.string() + ": " + error.message());
    removePreviousRun();
    list_.open(directory_ / listName, std::ios::binary | std::ios::trunc);
    if (!list_) throw OutputError("cannot create " + (directory_ / listName).string());
}

void OutputFolder::removePreviousRun() const {
    std::ifstream list(directory_ / listName, std::ios::binary);
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::filesystem::path name(line);
        if (staysInside(name)) removeListed(directory_, name);
    }
}

std::filesystem::path OutputFolder::file(const std::filesystem::path& name) {
    const std::filesystem::path path = directory_ / name;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) throw OutputError("cannot create the folder " + path.parent_path().string() + ": " + error.message());
    list_ << name.generic_string() << '\n' << std::flush;
    if (!list_) throw OutputError("cannot write " + (directory_ / listName).string());
    return path;
}

}  // namespace zuhost
