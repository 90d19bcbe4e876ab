#include "host/skin/Canvas.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace zuhost::skin {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot make a " + std::to_string(width) + " x " + std::to_string(height) + " image");
    }
}

Canvas::~Canvas() {
    if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

Canvas::Canvas(Canvas&& other) noexcept
    : width_(other.width_), height_(other.height_), surface_(std::exchange(other.surface_, nullptr)) {}

void Canvas::paintRegion(int left, int top, int width, int height, const std::function<void(cairo_t*)>& painter) {
    cairo_t* cr = cairo_create(surface_);
    cairo_translate(cr, left, top);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_clip(cr);
    painter(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface_);
}

StraightPixel Canvas::pixel(int x, int y) const {
    const unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    // Cairo keeps premultiplied 0xAARRGGBB words in native byte order.
    const uint32_t word = reinterpret_cast<const uint32_t*>(row)[x];
    const uint32_t alpha = word >> 24;
    if (alpha == 0) return {0, 0, 0, 0};
    const auto straight = [alpha](uint32_t premultiplied) {
        return static_cast<uint8_t>((premultiplied * 255 + alpha / 2) / alpha);
    };
    return {straight((word >> 16) & 0xFF), straight((word >> 8) & 0xFF), straight(word & 0xFF),
            static_cast<uint8_t>(alpha)};
}

}  // namespace zuhost::skin
