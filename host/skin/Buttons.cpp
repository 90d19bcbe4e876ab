#include "host/skin/Buttons.h"

#include <algorithm>

#include "host/skin/Palette.h"
#include "host/skin/Shapes.h"

namespace zuhost::skin {

namespace {

constexpr Rgb pressedMetalTop = hexColour(0x262B32);
constexpr Rgb pressedMetalBottom = hexColour(0x363D46);
constexpr Rgb unlitLensCore = hexColour(0x3D7152);
constexpr Rgb unlitLensEdge = hexColour(0x15281D);
constexpr Rgb litLensEdge = hexColour(0x1F8A4C);

struct Rectangle {
    double left, top, width, height;
};

// A dark cap in a bezel; pressed, it sits lower and is lit from below.
// Answers the cap's face, where the button's mark goes.
Rectangle paintButtonBody(cairo_t* cr, double width, double height, bool pressed) {
    const double corner = std::min(width, height) * 0.18;
    roundedRectangle(cr, 0.5, 0.5, width - 1.0, height - 1.0, corner);
    setColour(cr, palette::well);
    cairo_fill(cr);

    const double sink = pressed ? 0.5 : 0.0;
    const Rectangle cap{1.5, 1.5 + sink, width - 3.0, height - 3.0 - sink};
    roundedRectangle(cr, cap.left, cap.top, cap.width, cap.height, corner - 0.8);
    if (pressed)
        fillLinear(cr, {0, cap.top}, pressedMetalTop, {0, cap.top + cap.height}, pressedMetalBottom);
    else
        fillLinear(cr, {0, cap.top}, palette::darkMetalTop, {0, cap.top + cap.height}, palette::darkMetalBottom);
    if (!pressed)
        line(cr, {cap.left + corner, cap.top + 0.5}, {cap.left + cap.width - corner, cap.top + 0.5}, 1.0,
             palette::white, 0.16);
    return cap;
}

void fillRoundedBar(cairo_t* cr, Rectangle bar, Rgb colour, double alpha) {
    roundedRectangle(cr, bar.left, bar.top, bar.width, bar.height, bar.height / 2);
    setColour(cr, colour, alpha);
    cairo_fill(cr);
}

}  // namespace

void paintButton(cairo_t* cr, double width, double height, bool on) {
    const Rectangle cap = paintButtonBody(cr, width, height, on);
    const double barHeight = std::max(2.0, height * 0.15);
    const Rectangle bar{cap.left + cap.width * 0.25, cap.top + (cap.height - barHeight) / 2, cap.width * 0.5,
                        barHeight};
    if (!on) {
        fillRoundedBar(cr, bar, palette::accentUnlit, 1.0);
        return;
    }
    fillRoundedBar(cr, {bar.left - 1.5, bar.top - 1.5, bar.width + 3.0, bar.height + 3.0}, palette::accent, 0.25);
    fillRoundedBar(cr, bar, palette::accent, 1.0);
    fillRoundedBar(cr, {bar.left + 1.0, bar.top, bar.width - 2.0, bar.height / 2}, palette::accentGlow, 0.6);
}

void paintArrowButton(cairo_t* cr, double size, ArrowDirection direction, bool on) {
    const Rectangle cap = paintButtonBody(cr, size, size, on);
    const double middleY = cap.top + cap.height / 2;
    const double reach = cap.width * 0.22;
    const double tipX = cap.left + cap.width / 2 + (direction == ArrowDirection::Right ? reach : -reach);
    const double baseX = cap.left + cap.width / 2 - (direction == ArrowDirection::Right ? reach : -reach) * 0.8;
    cairo_move_to(cr, tipX, middleY);
    cairo_line_to(cr, baseX, middleY - reach * 1.15);
    cairo_line_to(cr, baseX, middleY + reach * 1.15);
    cairo_close_path(cr);
    setColour(cr, on ? palette::accent : palette::engraving);
    cairo_fill(cr);
}

void paintLed(cairo_t* cr, double size, bool on) {
    const Point centre{size / 2, size / 2};
    circle(cr, centre, size / 2 - 0.3);
    setColour(cr, palette::well);
    cairo_fill(cr);
    const double lensRadius = size / 2 - 1.4;
    if (on)
        lens(cr, centre, lensRadius, palette::accentGlow, palette::accent, litLensEdge);
    else
        lens(cr, centre, lensRadius, unlitLensCore, palette::accentUnlit, unlitLensEdge);
    softDisc(cr, {centre.x - lensRadius * 0.35, centre.y - lensRadius * 0.4}, lensRadius * 0.45, palette::white,
             on ? 0.8 : 0.35);
}

}  // namespace zuhost::skin
