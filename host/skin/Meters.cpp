#include "host/skin/Meters.h"

#include "host/skin/Palette.h"
#include "host/skin/Shapes.h"

namespace zuhost::skin {

namespace {

Rgb segmentColour(int segment, int segments, bool lit) {
    if (segment == segments - 1) return lit ? palette::danger : palette::dangerUnlit;
    if (segment >= segments - 1 - segments / 4) return lit ? palette::warning : palette::warningUnlit;
    return lit ? palette::accent : palette::accentUnlit;
}

}  // namespace

void paintMeter(cairo_t* cr, double width, int segments, int pitch, bool lit) {
    const double height = double(segments) * pitch;
    for (int segment = 0; segment < segments; ++segment) {
        const double top = height - double(segment + 1) * pitch + 1.0;
        roundedRectangle(cr, 0.5, top, width - 1.0, pitch - 1.0, 0.8);
        setColour(cr, segmentColour(segment, segments, lit));
        cairo_fill(cr);
        if (lit) line(cr, {1.5, top + 0.5}, {width - 1.5, top + 0.5}, 1.0, palette::white, 0.3);
    }
}

}  // namespace zuhost::skin
