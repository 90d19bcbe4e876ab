// A drawing context that draws into an image surface with Cairo,
// anti-aliased, and writes it as PNG. Text goes through Pango (see
// PangoText.h), laid out inside the layout rectangle by the format's text
// and paragraph alignments.
//
// Contract: a surface of its own starts fully transparent; a context may
// instead draw into a surface it is given (a window's pixels), with panel
// units scaled to pixels. Filled figures of a
// geometry are filled (even-odd rule) and hollow ones stroked. Bitmaps are
// read at draw time, so pixel edits made through lockPixels show. A call
// with a missing or unrecognised object, or with a coordinate that is not a
// finite number, draws nothing. pixel() answers Cairo's premultiplied ARGB
// word, 0 outside the surface. Hollow figures of more than longPolyline
// points are stroked with Cairo's fast anti-aliasing, the rest with its
// default.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>

#include "host/gui/DrawingContextBase.h"

namespace zuhost::gui {

class CairoContext final : public DrawingContextBase {
public:
    static constexpr int32_t largestSide = 32767;
    static constexpr size_t longPolyline = 64;

    // Sides are clamped to 0..largestSide.
    CairoContext(int32_t width, int32_t height);
    // Draws into `target`, keeping a reference to it; one unit is `scale` pixels.
    CairoContext(cairo_surface_t* target, double scale);

    void fillRectangle(const gmpi_gui::MpRect* rect, gmpi_gui::IMpSolidColorBrush* brush) override;
    void drawLine(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, gmpi_gui::IMpSolidColorBrush* brush, float width,
                  gmpi::IMpUnknown* strokeStyle) override;
    void drawGeometry(gmpi_gui::IMpPathGeometry* geometry, gmpi_gui::IMpSolidColorBrush* brush, float width,
                      gmpi::IMpUnknown* strokeStyle) override;
    void drawText(const char* text, int32_t length, gmpi_gui::IMpTextFormat* format, const gmpi_gui::MpRect* layout,
                  gmpi_gui::IMpSolidColorBrush* brush, int32_t options) override;
    void drawBitmap(gmpi_gui::IMpBitmap* bitmap, const gmpi_gui::MpRect* destination, float opacity,
                    int32_t interpolation, const gmpi_gui::MpRect* source) override;

    void clear(const gmpi_gui::MpColor& color);
    [[nodiscard]] bool writePng(const std::filesystem::path& path) const;
    uint32_t pixel(int32_t x, int32_t y) const;
    int32_t width() const { return cairo_image_surface_get_width(surface_.get()); }
    int32_t height() const { return cairo_image_surface_get_height(surface_.get()); }
    // The drawn image, for composing it into another (flushed before use by Cairo).
    cairo_surface_t* surface() const { return surface_.get(); }

private:
    struct SurfaceDestroy {
        void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    };
    struct CairoDestroy {
        void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
    };

    void setUp();
    void strokeLongPolyline(float width);
    void setSource(const gmpi_gui::MpColor& color);
    void stroke(float width);

    std::unique_ptr<cairo_surface_t, SurfaceDestroy> surface_;
    std::unique_ptr<cairo_t, CairoDestroy> cairo_;
};

}  // namespace zuhost::gui
