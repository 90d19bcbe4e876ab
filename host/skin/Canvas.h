// An image being drawn: a Cairo ARGB surface, transparent to start with, and
// the straight-alpha pixels the skin files are written from.
//
// Contract: paintRegion hands the painter a context whose origin is the
// region's top-left corner and whose drawing is clipped to the region, so a
// frame of a strip never spills into its neighbours.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>

namespace zuhost::skin {

struct StraightPixel {
    uint8_t red, green, blue, alpha;
};

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&&) = delete;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    void paintRegion(int left, int top, int width, int height, const std::function<void(cairo_t*)>& painter);
    // Frame `index` of a vertical strip of frames `width` wide and `height` high.
    void paintFrame(int index, int width, int height, const std::function<void(cairo_t*)>& painter) {
        paintRegion(0, index * height, width, height, painter);
    }

    StraightPixel pixel(int x, int y) const;
    cairo_surface_t* surface() const { return surface_; }

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
};

}  // namespace zuhost::skin
