// A segmented level meter: green, then amber, then one red segment at the
// top, each segment `pitch` pixels high including a one-pixel gap above it.
#pragma once

#include <cairo.h>

namespace zuhost::skin {

void paintMeter(cairo_t* cr, double width, int segments, int pitch, bool lit);

}  // namespace zuhost::skin
