#include "host/gui/pango/PangoText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zuhost::gui {

namespace {

// Both keep lengths in Pango units (1/1024 pixel) inside an int.
constexpr float largestSize = 100000.0f;
constexpr float widestLayout = 1000000.0f;

std::unique_ptr<PangoFontDescription, void (*)(PangoFontDescription*)> fontDescription(
    const TextFormatSettings& format) {
    std::unique_ptr<PangoFontDescription, void (*)(PangoFontDescription*)> font(pango_font_description_new(),
                                                                                pango_font_description_free);
    pango_font_description_set_family(font.get(), format.family.empty() ? "sans-serif" : format.family.c_str());
    pango_font_description_set_weight(font.get(), static_cast<PangoWeight>(std::clamp(format.weight, 100, 1000)));
    pango_font_description_set_style(font.get(), format.style == 2   ? PANGO_STYLE_ITALIC
                                                 : format.style == 1 ? PANGO_STYLE_OBLIQUE
                                                                     : PANGO_STYLE_NORMAL);
    pango_font_description_set_stretch(font.get(), static_cast<PangoStretch>(std::clamp(format.stretch, 1, 9) - 1));
    const float size = std::isfinite(format.size) ? std::clamp(format.size, 1.0f, largestSize) : 12.0f;
    pango_font_description_set_absolute_size(font.get(), static_cast<double>(size) * PANGO_SCALE);
    return font;
}

PangoAlignment alignmentOf(int32_t textAlignment) {
    switch (textAlignment) {
        case gmpi_gui::MP_TEXT_ALIGN_TRAILING: return PANGO_ALIGN_RIGHT;
        case gmpi_gui::MP_TEXT_ALIGN_CENTER: return PANGO_ALIGN_CENTER;
        default: return PANGO_ALIGN_LEFT;
    }
}

std::string validUtf8(std::string_view text) {
    if (text.empty()) return {};
    std::unique_ptr<char, void (*)(void*)> valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())),
                                                 g_free);
    return valid.get();
}

}  // namespace

PangoContextPtr makePangoContext(cairo_t* cairo) {
    PangoContextPtr context(cairo != nullptr ? pango_cairo_create_context(cairo)
                                             : pango_font_map_create_context(pango_cairo_font_map_get_default()));
    std::unique_ptr<cairo_font_options_t, void (*)(cairo_font_options_t*)> options(cairo_font_options_create(),
                                                                                   cairo_font_options_destroy);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(context.get(), options.get());
    pango_context_set_round_glyph_positions(context.get(), FALSE);
    return context;
}

PangoLayoutPtr makePangoLayout(PangoContext* context, const TextFormatSettings& format, std::string_view text,
                               float width) {
    PangoLayoutPtr layout(pango_layout_new(context));
    const auto font = fontDescription(format);
    pango_layout_set_font_description(layout.get(), font.get());
    const std::string valid = validUtf8(text);
    pango_layout_set_text(layout.get(), valid.data(), static_cast<int>(valid.size()));
    pango_layout_set_alignment(layout.get(), alignmentOf(format.textAlignment));
    if (std::isfinite(width) && width > 0)
        pango_layout_set_width(layout.get(), static_cast<int>(std::min(width, widestLayout) * PANGO_SCALE));
    return layout;
}

gmpi_gui::MpSize logicalSize(PangoLayout* layout) {
    PangoRectangle logical{};
    pango_layout_get_extents(layout, nullptr, &logical);
    return {static_cast<float>(logical.width) / PANGO_SCALE, static_cast<float>(logical.height) / PANGO_SCALE};
}

gmpi_gui::MpSize PangoTextMeasurer::measure(const TextFormatSettings& format, std::string_view text) {
    return logicalSize(makePangoLayout(context_.get(), format, text).get());
}

std::shared_ptr<TextMeasurer> makePlatformTextMeasurer() { return std::make_shared<PangoTextMeasurer>(); }

}  // namespace zuhost::gui

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its caches to the end of the process without a pointer
// the leak checker can see; every executable that lays text out has them,
// so they are not reported. Nor is the D-Bus connection that SDL's video
// keeps the same way (zuhost play).
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

#if defined(__SANITIZE_THREAD__)
// Pango starts fontconfig on a thread of its own; fontconfig, built without
// ThreadSanitizer, hands its results over in ways the sanitizer cannot see.
extern "C" const char* __tsan_default_suppressions() { return "race:libfontconfig.so\n"; }
#endif
