#include "host/skin/Knobs.h"

#include "host/skin/Palette.h"
#include "host/skin/Shapes.h"

namespace zuhost::skin {

namespace {

constexpr double travelStart = 135.0;
constexpr double travelSpan = 270.0;

// A light metal cap: a rim lit from the upper left around a face lit from above.
void paintMetalCap(cairo_t* cr, Point centre, double radius, double bevel) {
    softDisc(cr, {centre.x, centre.y + bevel}, radius + 2.0 * bevel, palette::well, 0.9);
    circle(cr, centre, radius);
    fillLinear(cr, {centre.x - radius, centre.y - radius}, palette::lightMetalTop,
               {centre.x + radius, centre.y + radius}, palette::metalEdge);
    circle(cr, centre, radius - bevel);
    fillLinear(cr, {centre.x, centre.y - radius}, palette::lightMetalTop, {centre.x, centre.y + radius},
               palette::lightMetalBottom);
}

void strokeArc(cairo_t* cr, Point centre, double radius, double fromDegrees, double toDegrees, double width,
               Rgb colour) {
    cairo_save(cr);
    cairo_set_line_width(cr, width);
    setColour(cr, colour);
    cairo_arc(cr, centre.x, centre.y, radius, radians(fromDegrees), radians(toDegrees));
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void paintKnob(cairo_t* cr, double size, double fraction) {
    const double scale = size / 40.0;
    const Point centre{size / 2, size / 2};
    const double trackRadius = size / 2 - 2.5 * scale;
    const double trackWidth = 3.0 * scale;
    const double capRadius = size / 2 - 6.0 * scale;
    const double angle = travelStart + travelSpan * fraction;

    strokeArc(cr, centre, trackRadius, travelStart, travelStart + travelSpan, trackWidth, palette::well);
    if (fraction > 0) strokeArc(cr, centre, trackRadius, travelStart, angle, trackWidth, palette::accent);

    paintMetalCap(cr, centre, capRadius, 1.2 * scale);
    line(cr, polar(centre, capRadius * 0.3, angle), polar(centre, capRadius - 2.2 * scale, angle), 2.4 * scale,
         palette::ink);
}

void paintRotarySwitch(cairo_t* cr, double size, double degrees) {
    const double scale = size / 40.0;
    const Point centre{size / 2, size / 2};
    const double skirtRadius = 14.5 * scale;
    const double capRadius = 9.0 * scale;

    softDisc(cr, {centre.x, centre.y + scale}, skirtRadius + 2.5 * scale, palette::well, 0.9);
    circle(cr, centre, skirtRadius);
    fillLinear(cr, {centre.x, centre.y - skirtRadius}, palette::darkMetalTop, {centre.x, centre.y + skirtRadius},
               palette::darkMetalBottom);
    // Grip ridges turn with the switch, so each step is seen to move.
    for (int ridge = 0; ridge < 18; ++ridge) {
        const double at = degrees + 10.0 + ridge * 20.0;
        line(cr, polar(centre, capRadius + 2.0 * scale, at), polar(centre, skirtRadius - 1.2 * scale, at), 1.0 * scale,
             palette::engraving, 0.22);
    }
    line(cr, polar(centre, capRadius + 1.0 * scale, degrees), polar(centre, 0.4 * size, degrees), 2.4 * scale,
         palette::white);

    paintMetalCap(cr, centre, capRadius, 1.0 * scale);
    line(cr, polar(centre, 2.0 * scale, degrees), polar(centre, capRadius - 1.8 * scale, degrees), 1.8 * scale,
         palette::ink);
}

}  // namespace zuhost::skin
