#include "host/play/WindowChrome.h"

#include "host/gui/pango/PangoText.h"
#include "host/run/PanelRunner.h"

namespace zuhost::play {

namespace {

constexpr float titleSize = 12.0f;
constexpr float statusSize = 11.0f;
constexpr gmpi_gui::MpColor titleColour{0.80f, 0.82f, 0.86f, 1.0f};
constexpr gmpi_gui::MpColor statusColour{0.62f, 0.66f, 0.72f, 1.0f};
constexpr gmpi_gui::MpColor warningColour{1.0f, 0.62f, 0.30f, 1.0f};
constexpr gmpi_gui::MpColor statusBackground{0.07f, 0.08f, 0.10f, 1.0f};

}  // namespace

ChromePainter::ChromePainter(cairo_surface_t* surface, double scale) : cairo_(cairo_create(surface)) {
    cairo_scale(cairo_, scale, scale);
}

ChromePainter::~ChromePainter() { cairo_destroy(cairo_); }

void ChromePainter::setColour(const gmpi_gui::MpColor& colour) {
    cairo_set_source_rgba(cairo_, colour.r, colour.g, colour.b, colour.a);
}

void ChromePainter::fill(const gmpi_gui::MpRect& where, const gmpi_gui::MpColor& colour) {
    setColour(colour);
    cairo_rectangle(cairo_, where.left, where.top, where.right - where.left, where.bottom - where.top);
    cairo_fill(cairo_);
}

void ChromePainter::frame(const gmpi_gui::MpRect& where, const gmpi_gui::MpColor& colour) {
    setColour(colour);
    cairo_set_line_width(cairo_, 1.0);
    cairo_rectangle(cairo_, where.left + 0.5, where.top + 0.5, where.right - where.left - 1,
                    where.bottom - where.top - 1);
    cairo_stroke(cairo_);
}

float ChromePainter::text(const gmpi_gui::MpRect& where, std::string_view text, const gui::TextFormatSettings& format,
                          const gmpi_gui::MpColor& colour) {
    const auto context = gui::makePangoContext(cairo_);
    const auto layout = gui::makePangoLayout(context.get(), format, text);
    const gmpi_gui::MpSize size = gui::logicalSize(layout.get());
    cairo_save(cairo_);
    cairo_rectangle(cairo_, where.left, where.top, where.right - where.left, where.bottom - where.top);
    cairo_clip(cairo_);
    setColour(colour);
    cairo_move_to(cairo_, where.left, (where.top + where.bottom - size.height) / 2);
    pango_cairo_show_layout(cairo_, layout.get());
    cairo_restore(cairo_);
    return size.width;
}

gui::TextFormatSettings chromeText(float size, int32_t weight) {
    gui::TextFormatSettings format;
    format.family = "Arial";
    format.size = size;
    format.weight = weight;
    return format;
}

float textWidth(std::string_view text, const gui::TextFormatSettings& format) {
    const auto context = gui::makePangoContext();
    return gui::logicalSize(gui::makePangoLayout(context.get(), format, text).get()).width;
}

float titleWidth(std::string_view title) { return textWidth(title, chromeText(titleSize, 700)); }

void drawBackground(cairo_surface_t* surface, double scale) {
    ChromePainter painter(surface, scale);
    painter.fill({0, 0, 1e6f, 1e6f}, panelBackground);
}

void drawTitle(cairo_surface_t* surface, double scale, const gmpi_gui::MpRect& where, std::string_view title) {
    ChromePainter painter(surface, scale);
    painter.fill(where, panelBackground);
    painter.text(where, title, chromeText(titleSize, 700), titleColour);
}

void drawStatus(cairo_surface_t* surface, double scale, const gmpi_gui::MpRect& where, std::string_view status,
                std::string_view warning) {
    ChromePainter painter(surface, scale);
    painter.fill(where, statusBackground);
    const gmpi_gui::MpRect inset{where.left + windowMargin, where.top, where.right - windowMargin, where.bottom};
    const float width = painter.text(inset, status, chromeText(statusSize), statusColour);
    if (warning.empty()) return;
    const gmpi_gui::MpRect after{inset.left + width + 16, where.top, inset.right, where.bottom};
    painter.text(after, warning, chromeText(statusSize, 700), warningColour);
}

}  // namespace zuhost::play
