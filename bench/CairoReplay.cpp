#include "bench/CairoReplay.h"

#include <algorithm>

#include "host/gui/cairo/CairoContext.h"

namespace zubench {

using zuhost::gui::DrawCall;

namespace {

// The bitmap as a premultiplied Cairo surface, converted by the Cairo context itself.
cairo_surface_t* surfaceOf(const DrawCall& call) {
    const auto width = static_cast<int32_t>(call.bitmapSize.width);
    const auto height = static_cast<int32_t>(call.bitmapSize.height);
    zuhost::gui::CairoContext copy(width, height);
    const gmpi_gui::MpRect whole{0, 0, call.bitmapSize.width, call.bitmapSize.height};
    copy.drawBitmap(static_cast<gmpi_gui::IMpBitmap*>(const_cast<void*>(call.bitmap)), &whole, 1.0f, 0, &whole);
    return cairo_surface_reference(copy.surface());
}

}  // namespace

CairoReplay::CairoReplay(std::vector<DrawCall> calls, int32_t width, int32_t height)
    : calls_(std::move(calls)),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cairo_(cairo_create(surface_.get())) {
    cairo_set_antialias(cairo_.get(), CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_line_cap(cairo_.get(), CAIRO_LINE_CAP_BUTT);
    cairo_set_fill_rule(cairo_.get(), CAIRO_FILL_RULE_EVEN_ODD);
    for (const DrawCall& call : calls_) {
        if (call.kind == DrawCall::Kind::DrawBitmap && !bitmaps_.contains(call.bitmap))
            bitmaps_.emplace(call.bitmap, surfaceOf(call));
    }
}

int32_t CairoReplay::textCalls() const {
    return static_cast<int32_t>(std::ranges::count(calls_, DrawCall::Kind::DrawText, &DrawCall::kind));
}

void CairoReplay::draw() {
    for (const DrawCall& call : calls_) {
        switch (call.kind) {
            case DrawCall::Kind::FillRectangle: fillRectangle(call); break;
            case DrawCall::Kind::DrawLine: drawLine(call); break;
            case DrawCall::Kind::DrawGeometry: drawGeometry(call); break;
            case DrawCall::Kind::DrawBitmap: drawBitmap(call); break;
            case DrawCall::Kind::DrawText: break;
        }
    }
    cairo_surface_flush(surface_.get());
}

void CairoReplay::setSource(const DrawCall& call) {
    const gmpi_gui::MpColor color = call.color.value_or(gmpi_gui::MpColor{0, 0, 0, 1});
    cairo_set_source_rgba(cairo_.get(), color.r, color.g, color.b, color.a);
}

void CairoReplay::stroke(float width) {
    cairo_set_line_width(cairo_.get(), width);
    cairo_stroke(cairo_.get());
}

void CairoReplay::fillRectangle(const DrawCall& call) {
    const gmpi_gui::MpRect& r = call.rect;
    setSource(call);
    cairo_rectangle(cairo_.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cairo_.get());
}

void CairoReplay::drawLine(const DrawCall& call) {
    setSource(call);
    cairo_move_to(cairo_.get(), call.from.x, call.from.y);
    cairo_line_to(cairo_.get(), call.to.x, call.to.y);
    stroke(call.strokeWidth);
}

void CairoReplay::drawGeometry(const DrawCall& call) {
    setSource(call);
    for (const zuhost::gui::Figure& figure : call.figures) {
        cairo_move_to(cairo_.get(), figure.points.front().x, figure.points.front().y);
        for (size_t i = 1; i < figure.points.size(); ++i)
            cairo_line_to(cairo_.get(), figure.points[i].x, figure.points[i].y);
        if (figure.closed) cairo_close_path(cairo_.get());
        if (figure.hollow)
            stroke(call.strokeWidth);
        else
            cairo_fill(cairo_.get());
    }
}

void CairoReplay::drawBitmap(const DrawCall& call) {
    const gmpi_gui::MpRect& to = call.rect;
    const gmpi_gui::MpRect& from = call.source;
    cairo_t* cairo = cairo_.get();
    cairo_save(cairo);
    cairo_rectangle(cairo, to.left, to.top, to.right - to.left, to.bottom - to.top);
    cairo_clip(cairo);
    cairo_translate(cairo, to.left, to.top);
    cairo_scale(cairo, (to.right - to.left) / (from.right - from.left),
                (to.bottom - to.top) / (from.bottom - from.top));
    cairo_set_source_surface(cairo, bitmaps_.at(call.bitmap).get(), -from.left, -from.top);
    cairo_pattern_set_extend(cairo_get_source(cairo), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cairo),
                             call.interpolation == 0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_BILINEAR);
    cairo_paint_with_alpha(cairo, call.opacity);
    cairo_restore(cairo);
}

}  // namespace zubench
