#include "host/gui/cairo/CairoContext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/gui/pango/PangoText.h"

namespace zuhost::gui {

namespace {

bool finite(const gmpi_gui::MpRect& r) {
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) && std::isfinite(r.bottom);
}

bool finite(gmpi_gui::MpPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double unit(float value) { return std::isfinite(value) ? std::clamp(static_cast<double>(value), 0.0, 1.0) : 0.0; }

// Pixel bounds [first, last) that cover from..to inside 0..size.
std::pair<int32_t, int32_t> coveredPixels(float from, float to, int32_t size) {
    const float limit = static_cast<float>(size);
    return {static_cast<int32_t>(std::floor(std::clamp(std::min(from, to), 0.0f, limit))),
            static_cast<int32_t>(std::ceil(std::clamp(std::max(from, to), 0.0f, limit)))};
}

// Columns x0..x1 and rows y0..y1 of premultiplied pixels as a Cairo surface
// over the same memory (the same B, G, R, A byte order), without a copy.
cairo_surface_t* pixelWindow(const BgraImage& premultiplied, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
    auto* first = const_cast<uint8_t*>(premultiplied.pixels.data()) + size_t(y0) * size_t(premultiplied.bytesPerRow()) +
                  size_t(x0) * 4;
    return cairo_image_surface_create_for_data(first, CAIRO_FORMAT_ARGB32, x1 - x0, y1 - y0,
                                               premultiplied.bytesPerRow());
}

}  // namespace

CairoContext::CairoContext(int32_t width, int32_t height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::clamp(width, 0, largestSide),
                                          std::clamp(height, 0, largestSide))),
      cairo_(cairo_create(surface_.get())) {
    setUp();
}

CairoContext::CairoContext(cairo_surface_t* target, double scale)
    : surface_(cairo_surface_reference(target)), cairo_(cairo_create(surface_.get())) {
    setUp();
    if (std::isfinite(scale) && scale > 0) cairo_scale(cairo_.get(), scale, scale);
}

void CairoContext::setUp() {
    cairo_set_antialias(cairo_.get(), CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_line_cap(cairo_.get(), CAIRO_LINE_CAP_BUTT);
    cairo_set_fill_rule(cairo_.get(), CAIRO_FILL_RULE_EVEN_ODD);
}

void CairoContext::setSource(const gmpi_gui::MpColor& color) {
    cairo_set_source_rgba(cairo_.get(), unit(color.r), unit(color.g), unit(color.b), unit(color.a));
}

void CairoContext::stroke(float width) {
    cairo_set_line_width(cairo_.get(), std::isfinite(width) ? std::max(width, 0.0f) : 0.0);
    cairo_stroke(cairo_.get());
}

void CairoContext::clear(const gmpi_gui::MpColor& color) {
    cairo_save(cairo_.get());
    cairo_set_operator(cairo_.get(), CAIRO_OPERATOR_SOURCE);
    setSource(color);
    cairo_paint(cairo_.get());
    cairo_restore(cairo_.get());
}

void CairoContext::fillRectangle(const gmpi_gui::MpRect* rect, gmpi_gui::IMpSolidColorBrush* brush) {
    const auto color = brushColor(brush);
    if (!checkRect(rect) || !color || !finite(*rect)) return;
    setSource(*color);
    cairo_rectangle(cairo_.get(), rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    cairo_fill(cairo_.get());
}

void CairoContext::drawLine(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, gmpi_gui::IMpSolidColorBrush* brush,
                            float width, gmpi::IMpUnknown*) {
    const auto color = brushColor(brush);
    if (!color || !finite(from) || !finite(to)) return;
    setSource(*color);
    cairo_move_to(cairo_.get(), from.x, from.y);
    cairo_line_to(cairo_.get(), to.x, to.y);
    stroke(width);
}

void CairoContext::drawGeometry(gmpi_gui::IMpPathGeometry* geometry, gmpi_gui::IMpSolidColorBrush* brush, float width,
                                gmpi::IMpUnknown*) {
    const auto color = brushColor(brush);
    const HostPathGeometry* known = findGeometry(geometry);
    if (!color || known == nullptr) return;
    setSource(*color);
    for (const Figure& figure : known->figures()) {
        if (!std::all_of(figure.points.begin(), figure.points.end(), [](auto p) { return finite(p); })) continue;
        cairo_move_to(cairo_.get(), figure.points.front().x, figure.points.front().y);
        for (auto point = figure.points.begin() + 1; point != figure.points.end(); ++point)
            cairo_line_to(cairo_.get(), point->x, point->y);
        if (figure.closed) cairo_close_path(cairo_.get());
        if (!figure.hollow)
            cairo_fill(cairo_.get());
        else if (figure.points.size() > longPolyline)
            strokeLongPolyline(width);
        else
            stroke(width);
    }
}

// A scope trace has hundreds of points and a busy scope hundreds of traces.
// Cairo's coarser anti-aliasing strokes them more than twice as fast, and on
// lines this long the two cannot be told apart.
void CairoContext::strokeLongPolyline(float width) {
    cairo_set_antialias(cairo_.get(), CAIRO_ANTIALIAS_FAST);
    stroke(width);
    cairo_set_antialias(cairo_.get(), CAIRO_ANTIALIAS_DEFAULT);
}

void CairoContext::drawText(const char* text, int32_t length, gmpi_gui::IMpTextFormat* format,
                            const gmpi_gui::MpRect* layout, gmpi_gui::IMpSolidColorBrush* brush, int32_t) {
    const auto color = brushColor(brush);
    const HostTextFormat* known = findTextFormat(format);
    if (!checkRect(layout) || !color || known == nullptr || !finite(*layout)) return;
    const auto context = makePangoContext(cairo_.get());
    const auto lines =
        makePangoLayout(context.get(), known->settings(), textOfLength(text, length), layout->right - layout->left);
    const float textHeight = logicalSize(lines.get()).height;
    float top = layout->top;
    if (known->settings().paragraphAlignment == gmpi_gui::MP_PARAGRAPH_ALIGN_FAR)
        top = layout->bottom - textHeight;
    else if (known->settings().paragraphAlignment == gmpi_gui::MP_PARAGRAPH_ALIGN_CENTER)
        top = (layout->top + layout->bottom - textHeight) / 2;
    setSource(*color);
    cairo_move_to(cairo_.get(), layout->left, top);
    pango_cairo_show_layout(cairo_.get(), lines.get());
}

void CairoContext::drawBitmap(gmpi_gui::IMpBitmap* bitmap, const gmpi_gui::MpRect* destination, float opacity,
                              int32_t interpolation, const gmpi_gui::MpRect* source) {
    const HostBitmap* known = findBitmap(bitmap);
    if (known == nullptr) return;
    const gmpi_gui::MpRect to = rectOrWhole(destination, known);
    const gmpi_gui::MpRect from = rectOrWhole(source, known);
    const float sourceWidth = from.right - from.left, sourceHeight = from.bottom - from.top;
    if (!finite(to) || !finite(from) || !std::isfinite(opacity) || sourceWidth == 0 || sourceHeight == 0) return;
    const BgraImage& image = known->premultiplied();
    const auto [x0, x1] = coveredPixels(from.left, from.right, image.width);
    const auto [y0, y1] = coveredPixels(from.top, from.bottom, image.height);
    if (x1 <= x0 || y1 <= y0) return;

    const std::unique_ptr<cairo_surface_t, SurfaceDestroy> pixels(pixelWindow(image, x0, x1, y0, y1));
    cairo_t* cairo = cairo_.get();
    cairo_save(cairo);
    cairo_rectangle(cairo, to.left, to.top, to.right - to.left, to.bottom - to.top);
    cairo_clip(cairo);
    cairo_translate(cairo, to.left, to.top);
    cairo_scale(cairo, (to.right - to.left) / sourceWidth, (to.bottom - to.top) / sourceHeight);
    cairo_set_source_surface(cairo, pixels.get(), x0 - from.left, y0 - from.top);
    cairo_pattern_set_extend(cairo_get_source(cairo), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cairo),
                             interpolation == 0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_BILINEAR);
    cairo_paint_with_alpha(cairo, unit(opacity));
    cairo_restore(cairo);
}

bool CairoContext::writePng(const std::filesystem::path& path) const {
    return cairo_surface_write_to_png(surface_.get(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

uint32_t CairoContext::pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    cairo_surface_flush(surface_.get());
    const uint8_t* row = cairo_image_surface_get_data(surface_.get()) +
                         size_t(y) * size_t(cairo_image_surface_get_stride(surface_.get()));
    uint32_t word = 0;
    std::memcpy(&word, row + size_t(x) * 4, sizeof(word));
    return word;
}

}  // namespace zuhost::gui
