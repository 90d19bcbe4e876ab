// Where a command writes, checked while its command line is read, so that a
// long run does not end in failing to save its results.
//
// Contract: each function returns when the path can be written, making the
// directories a command would make anyway, and otherwise throws UsageError
// saying why. Nothing is left behind by the check itself: a file that did
// not exist does not exist afterwards.
#pragma once

#include <filesystem>

namespace zuhost {

enum class MissingDirectory { Refuse, Make };

// A file the command writes whole (a picture, a report).
void requireWritableFile(const std::filesystem::path& file, MissingDirectory missing);

// A directory the command writes its files into; made when missing.
void requireWritableDirectory(const std::filesystem::path& directory);

}  // namespace zuhost
