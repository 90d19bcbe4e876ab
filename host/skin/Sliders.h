// Faders: a slot with a scale, and the cap that slides along it. The cap's
// middle travels from 10 to 90 pixels along a 100-pixel slot.
#pragma once

#include <cairo.h>

namespace zuhost::skin {

struct FaderGeometry {
    static constexpr int length = 100;  // along the travel
    static constexpr int breadth = 30;  // across it
    static constexpr int capLength = 12;
    static constexpr int capBreadth = 22;
    static constexpr int travelStart = 4;  // the cap's leading edge at one end...
    static constexpr int travelEnd = 84;   // ...and at the other
};

// Drawn upright; a horizontal fader is the same picture turned a quarter.
void paintFaderSlot(cairo_t* cr);
void paintFaderCap(cairo_t* cr);
// Turns the context so that what paintFaderSlot or paintFaderCap draws
// upright in a region of `uprightHeight` comes out lying, with the bottom of
// the upright picture at the left.
void layDown(cairo_t* cr, double uprightHeight);

}  // namespace zuhost::skin
