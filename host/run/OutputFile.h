// Files a command writes, failing loudly: a file that cannot be made or
// written is an OutputError naming it, never a quiet gap among the outputs.
//
// Contract: OutputFile throws when it cannot create its file, and finish()
// flushes and closes it, throwing if any write to it failed. A picture is
// written whole or throws; one larger than the PNG writer takes is refused
// before anything is written.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace zuhost {

class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OutputFile : public std::ofstream {
public:
    explicit OutputFile(std::filesystem::path path);

    void finish();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline constexpr int32_t largestPngSide = 32767;

// Throws OutputError when a picture of these sides cannot be written as PNG.
void requirePngSize(const std::filesystem::path& path, double width, double height);

void writePng(cairo_surface_t* picture, const std::filesystem::path& path);

}  // namespace zuhost
