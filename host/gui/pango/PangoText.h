// Text laid out with Pango the same way for measuring and for drawing, so
// that getTextExtent agrees with what a CairoContext draws. Fonts come
// through fontconfig: "Arial" maps to Liberation Sans, other families to
// their nearest match.
//
// Contract: layouts are unhinted (metrics not rounded to pixels), so
// extents and drawing do not depend on the surface. Invalid UTF-8 is drawn
// and measured with U+FFFD in place of each bad sequence. GUI thread.
#pragma once

#include <pango/pangocairo.h>

#include <memory>
#include <string_view>

#include "host/gui/TextMeasurer.h"

namespace zuhost::gui {

struct GObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
using PangoLayoutPtr = std::unique_ptr<PangoLayout, GObjectUnref>;
using PangoContextPtr = std::unique_ptr<PangoContext, GObjectUnref>;

// A Pango context for measuring, or for drawing into `cairo` when given.
PangoContextPtr makePangoContext(cairo_t* cairo = nullptr);

// One layout of text in the format; a width of 0 or less, or not finite,
// lays the text out without wrapping.
PangoLayoutPtr makePangoLayout(PangoContext* context, const TextFormatSettings& format, std::string_view text,
                               float width = 0);

// The layout's logical size in pixels, unrounded.
gmpi_gui::MpSize logicalSize(PangoLayout* layout);

class PangoTextMeasurer final : public TextMeasurer {
public:
    PangoTextMeasurer() : context_(makePangoContext()) {}
    gmpi_gui::MpSize measure(const TextFormatSettings& format, std::string_view text) override;

private:
    PangoContextPtr context_;
};

}  // namespace zuhost::gui
