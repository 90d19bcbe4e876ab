#include "host/run/OutputFile.h"

#include <string>

#include "host/command/NumberText.h"

namespace zuhost {

OutputFile::OutputFile(std::filesystem::path path) : std::ofstream(path, std::ios::binary), path_(std::move(path)) {
    if (!is_open()) throw OutputError("cannot create " + path_.string());
}

void OutputFile::finish() {
    flush();
    close();
    if (fail()) throw OutputError("cannot write " + path_.string());
}

void requirePngSize(const std::filesystem::path& path, double width, double height) {
    if (width <= largestPngSide && height <= largestPngSide) return;
    throw OutputError("cannot write " + path.string() + ": it would be " + shortestText(width) + "x" +
                      shortestText(height) + " pixels, and a PNG is written at most " + std::to_string(largestPngSide) +
                      " a side");
}

void writePng(cairo_surface_t* picture, const std::filesystem::path& path) {
    requirePngSize(path, cairo_image_surface_get_width(picture), cairo_image_surface_get_height(picture));
    const cairo_status_t status = cairo_surface_status(picture) != CAIRO_STATUS_SUCCESS
                                      ? cairo_surface_status(picture)
                                      : cairo_surface_write_to_png(picture, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw OutputError("cannot write " + path.string() + ": " + cairo_status_to_string(status));
}

}  // namespace zuhost
