// Turning controls: a knob with a value arc, and a selector switch.
#pragma once

#include <cairo.h>

namespace zuhost::skin {

// A knob `size` pixels across turned to `fraction` (0 to 1) of its travel,
// which runs clockwise from the lower left to the lower right.
void paintKnob(cairo_t* cr, double size, double fraction);

// A selector switch `size` pixels across whose pointer points at `degrees`
// (from the +x axis, clockwise on screen). The pointer's white tip ends at
// 0.4 x size from the middle, where the leader lines of its labels start.
void paintRotarySwitch(cairo_t* cr, double size, double degrees);

}  // namespace zuhost::skin
