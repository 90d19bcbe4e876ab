// What the host draws around the panels: the background, each panel's title
// and the status line, with Pango text in the panels' background colours.
//
// Contract: GUI thread. Draws into any Cairo surface, in layout units scaled
// to its pixels.
#pragma once

#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "host/gui/TextMeasurer.h"
#include "host/play/WindowLayout.h"

namespace zuhost::play {

// Draws the host's own rectangles and text into a surface, in layout units.
class ChromePainter {
public:
    ChromePainter(cairo_surface_t* surface, double scale);
    ~ChromePainter();
    ChromePainter(const ChromePainter&) = delete;
    ChromePainter& operator=(const ChromePainter&) = delete;

    void fill(const gmpi_gui::MpRect& where, const gmpi_gui::MpColor& colour);
    void frame(const gmpi_gui::MpRect& where, const gmpi_gui::MpColor& colour);
    // Text at the left of `where`, centred up and down and clipped to it; answers how wide it is.
    float text(const gmpi_gui::MpRect& where, std::string_view text, const gui::TextFormatSettings& format,
               const gmpi_gui::MpColor& colour);

private:
    void setColour(const gmpi_gui::MpColor& colour);

    cairo_t* cairo_;
};

// The host's text in a size and weight.
gui::TextFormatSettings chromeText(float size, int32_t weight = 400);
float textWidth(std::string_view text, const gui::TextFormatSettings& format);

// How wide a title is drawn, in layout units.
float titleWidth(std::string_view title);

void drawBackground(cairo_surface_t* surface, double scale);
void drawTitle(cairo_surface_t* surface, double scale, const gmpi_gui::MpRect& where, std::string_view title);
// The status text, and a warning (a skin that failed, a device lost) after it in another colour.
void drawStatus(cairo_surface_t* surface, double scale, const gmpi_gui::MpRect& where, std::string_view status,
                std::string_view warning);

}  // namespace zuhost::play
