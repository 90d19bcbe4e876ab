// Running zuhost's panel commands in the test process and reading the
// pictures they write.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "host/zuhost/Zuhost.h"

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

// The library built beside the tests.
inline std::string builtLibrary() { return std::filesystem::absolute("libzu_modules.so").string(); }

// zuhost ARGS...
inline CommandResult runZuhostWith(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    const int status = zuhost::runZuhost(views, out, err);
    return {status, out.str(), err.str()};
}

// A PNG as Cairo reads it: premultiplied ARGB words, rows top to bottom.
class Picture {
public:
    explicit Picture(const std::filesystem::path& path) : surface_(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(surface_); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool valid() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface_); }
    int height() const { return cairo_image_surface_get_height(surface_); }
    uint32_t pixel(int x, int y) const {
        const auto* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
        return reinterpret_cast<const uint32_t*>(row)[x];
    }
    // Pixels in the rectangle that differ from the panel background.
    int drawnPixels(int left, int top, int right, int bottom) const {
        cairo_surface_flush(surface_);
        int count = 0;
        for (int y = top; y < bottom && y < height(); ++y)
            for (int x = left; x < right && x < width(); ++x) count += (pixel(x, y) & 0xFFFFFF) != 0x1C2026;
        return count;
    }
    int drawnPixels() const { return drawnPixels(0, 0, width(), height()); }

private:
    cairo_surface_t* surface_;
};

// Pixels of rows top..bottom that two pictures of one size draw differently.
inline int differingPixels(const Picture& a, const Picture& b, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom && y < a.height() && y < b.height(); ++y)
        for (int x = 0; x < a.width() && x < b.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}
