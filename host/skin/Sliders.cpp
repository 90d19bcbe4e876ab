#include "host/skin/Sliders.h"

#include <initializer_list>

#include "host/skin/Palette.h"
#include "host/skin/Shapes.h"

namespace zuhost::skin {

namespace {

constexpr double slotWidth = 5.0;
constexpr int scaleSteps = 10;

double capMiddle(int step) {
    return FaderGeometry::travelStart + FaderGeometry::capLength / 2.0 +
           (FaderGeometry::travelEnd - FaderGeometry::travelStart) * step / double(scaleSteps);
}

}  // namespace

void paintFaderSlot(cairo_t* cr) {
    const double middle = FaderGeometry::breadth / 2.0;
    const double slotTop = capMiddle(0) - 3.0;
    const double slotLength = capMiddle(scaleSteps) - capMiddle(0) + 6.0;

    for (int step = 0; step <= scaleSteps; ++step) {
        const double y = capMiddle(step) + 0.5;
        const bool major = step % 5 == 0;
        const double reach = major ? 6.0 : 4.0;
        const double alpha = major ? 0.75 : 0.45;
        line(cr, {middle - 5.5 - reach, y}, {middle - 5.5, y}, 1.0, palette::engraving, alpha);
        line(cr, {middle + 5.5, y}, {middle + 5.5 + reach, y}, 1.0, palette::engraving, alpha);
    }

    roundedRectangle(cr, middle - slotWidth / 2, slotTop, slotWidth, slotLength, slotWidth / 2);
    fillLinear(cr, {middle - slotWidth / 2, 0}, palette::well, {middle + slotWidth / 2, 0}, palette::panel);
    // A lit lower lip makes the slot read as cut into the panel.
    roundedRectangle(cr, middle - slotWidth / 2 + 0.5, slotTop + 0.5, slotWidth - 1.0, slotLength - 1.0,
                     slotWidth / 2 - 0.5);
    cairo_set_line_width(cr, 1.0);
    cairo_pattern_t* lip = cairo_pattern_create_linear(0, slotTop, 0, slotTop + slotLength);
    cairo_pattern_add_color_stop_rgba(lip, 0, 0, 0, 0, 0.8);
    cairo_pattern_add_color_stop_rgba(lip, 1, 1, 1, 1, 0.18);
    cairo_set_source(cr, lip);
    cairo_stroke(cr);
    cairo_pattern_destroy(lip);
}

void paintFaderCap(cairo_t* cr) {
    constexpr double width = FaderGeometry::capBreadth, height = FaderGeometry::capLength;
    roundedRectangle(cr, 0, 0, width, height, 2.5);
    setColour(cr, palette::well);
    cairo_fill(cr);
    roundedRectangle(cr, 0.8, 0.8, width - 1.6, height - 1.6, 2.0);
    fillLinear(cr, {0, 0}, palette::lightMetalTop, {0, height}, palette::lightMetalBottom);
    // Grip grooves either side of the value line.
    for (double y : {2.5, 9.5}) line(cr, {3.5, y}, {width - 3.5, y}, 1.0, palette::metalEdge, 0.55);
    line(cr, {2.0, height / 2}, {width - 2.0, height / 2}, 2.0, palette::accent);
}

void layDown(cairo_t* cr, double uprightHeight) {
    cairo_translate(cr, uprightHeight, 0);
    cairo_rotate(cr, pi / 2);
}

}  // namespace zuhost::skin
