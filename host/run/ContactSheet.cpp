#include "host/run/ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "host/run/OutputFile.h"

namespace zuhost {

namespace {

constexpr double margin = 10;
constexpr double lineHeight = 14;
constexpr double captionHeight = 2 * lineHeight + 4;

struct SurfaceHandle {
    cairo_surface_t* surface;
    ~SurfaceHandle() { cairo_surface_destroy(surface); }
};
struct CairoHandle {
    cairo_t* cairo;
    ~CairoHandle() { cairo_destroy(cairo); }
};

double widthOf(cairo_surface_t* surface) { return cairo_image_surface_get_width(surface); }
double heightOf(cairo_surface_t* surface) { return cairo_image_surface_get_height(surface); }

// Two lines, split after the first ": ", each cut off at the cell's edge.
void drawCaption(cairo_t* cairo, const std::string& caption, double left, double top, double width) {
    const size_t split = caption.find(": ");
    const std::string lines[] = {caption.substr(0, split), split == std::string::npos ? "" : caption.substr(split + 2)};
    cairo_save(cairo);
    cairo_rectangle(cairo, left, top, width, captionHeight);
    cairo_clip(cairo);
    cairo_set_source_rgb(cairo, 0.85, 0.87, 0.9);
    for (int line = 0; line < 2; ++line) {
        cairo_move_to(cairo, left, top + lineHeight * (line + 1));
        cairo_show_text(cairo, lines[line].c_str());
    }
    cairo_restore(cairo);
}

}  // namespace

ContactSheet::~ContactSheet() {
    for (const Cell& cell : cells_) cairo_surface_destroy(cell.picture);
}

void ContactSheet::add(const gui::CairoContext& picture, std::string caption) {
    cairo_surface_t* source = picture.surface();
    cairo_surface_flush(source);
    const double scale = std::min({1.0, largestPicture / static_cast<double>(std::max(1, picture.width())),
                                   largestPicture / static_cast<double>(std::max(1, picture.height()))});
    const auto scaled = [scale](int32_t side) { return std::max(1, static_cast<int>(std::lround(side * scale))); };
    cairo_surface_t* copy =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, scaled(picture.width()), scaled(picture.height()));
    const CairoHandle cairo{cairo_create(copy)};
    cairo_scale(cairo.cairo, scale, scale);
    cairo_set_source_surface(cairo.cairo, source, 0, 0);
    cairo_paint(cairo.cairo);
    cells_.push_back({copy, std::move(caption)});
}

void ContactSheet::write(const std::filesystem::path& path) const {
    double cellWidth = 0;
    for (const Cell& cell : cells_) cellWidth = std::max(cellWidth, widthOf(cell.picture));
    std::vector<double> rowHeights;
    for (size_t i = 0; i < cells_.size(); ++i) {
        if (i % static_cast<size_t>(columns_) == 0) rowHeights.push_back(0);
        rowHeights.back() = std::max(rowHeights.back(), heightOf(cells_[i].picture) + captionHeight);
    }
    const auto columns = std::min(cells_.size(), static_cast<size_t>(columns_));
    double height = margin;
    for (const double row : rowHeights) height += row + margin;
    const double width = margin + static_cast<double>(columns) * (cellWidth + margin);
    requirePngSize(path, width, height);
    const SurfaceHandle sheet{
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(width), static_cast<int>(height))};
    const CairoHandle cairo{cairo_create(sheet.surface)};
    cairo_set_source_rgb(cairo.cairo, 0.06, 0.07, 0.08);
    cairo_paint(cairo.cairo);
    cairo_select_font_face(cairo.cairo, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo.cairo, 11);
    double top = margin;
    for (size_t i = 0; i < cells_.size(); ++i) {
        const size_t row = i / static_cast<size_t>(columns_);
        const double left = margin + static_cast<double>(i % static_cast<size_t>(columns_)) * (cellWidth + margin);
        if (i > 0 && i % static_cast<size_t>(columns_) == 0) top += rowHeights[row - 1] + margin;
        cairo_set_source_surface(cairo.cairo, cells_[i].picture, left, top);
        cairo_paint(cairo.cairo);
        drawCaption(cairo.cairo, cells_[i].caption, left, top + heightOf(cells_[i].picture), cellWidth);
    }
    writePng(sheet.surface, path);
}

}  // namespace zuhost
