#include "host/command/OutputPaths.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include "host/command/UsageError.h"

namespace zuhost {

namespace {

namespace fs = std::filesystem;

void requireDirectory(const fs::path& directory, MissingDirectory missing) {
    std::error_code error;
    if (fs::is_directory(directory, error)) return;
    if (fs::exists(directory, error)) throw UsageError(directory.string() + " is not a directory");
    if (missing == MissingDirectory::Refuse)
        throw UsageError("the directory " + directory.string() + " does not exist");
    if (!fs::create_directories(directory, error) && error)
        throw UsageError("cannot make the directory " + directory.string() + ": " + error.message());
}

}  // namespace

void requireWritableFile(const fs::path& file, MissingDirectory missing) {
    if (file.empty()) throw UsageError("an empty path names no file");
    std::error_code error;
    if (fs::is_directory(file, error)) throw UsageError(file.string() + " is a directory");
    requireDirectory(file.has_parent_path() ? file.parent_path() : fs::path("."), missing);
    const bool existed = fs::exists(file, error);
    if (!std::ofstream(file, std::ios::app)) throw UsageError("cannot write " + file.string());
    if (!existed) fs::remove(file, error);
}

void requireWritableDirectory(const fs::path& directory) {
    if (directory.empty()) throw UsageError("an empty path names no directory");
    requireDirectory(directory, MissingDirectory::Make);
    std::string probe = (directory / ".zuhost-XXXXXX").string();
    const int descriptor = mkstemp(probe.data());
    if (descriptor < 0)
        throw UsageError("cannot write into " + directory.string() + ": " +
                         std::error_code(errno, std::generic_category()).message());
    close(descriptor);
    unlink(probe.c_str());
}

}  // namespace zuhost
