// Drawing helpers shared by the skin's controls: paths, metal fills, glows.
// Angles are in degrees, measured like Cairo's: from the +x axis, clockwise
// on screen.
#pragma once

#include <cairo.h>

#include "host/skin/Palette.h"

namespace zuhost::skin {

struct Point {
    double x, y;
};

constexpr double pi = 3.14159265358979323846;
double radians(double degrees);
// The point `radius` from `centre` in the direction `degrees`.
Point polar(Point centre, double radius, double degrees);

void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
void roundedRectangle(cairo_t* cr, double left, double top, double width, double height, double radius);
void circle(cairo_t* cr, Point centre, double radius);
void line(cairo_t* cr, Point from, Point to, double width, Rgb colour, double alpha = 1.0);

// Fills the current path with a gradient along the line from `from` to `to`.
void fillLinear(cairo_t* cr, Point from, Rgb fromColour, Point to, Rgb toColour);
// A soft disc of `colour` fading out towards `radius`, for shadows and glows.
void softDisc(cairo_t* cr, Point centre, double radius, Rgb colour, double alpha);
// A lit lens: bright in its middle, `colour` towards its edge.
void lens(cairo_t* cr, Point centre, double radius, Rgb core, Rgb colour, Rgb edge);

}  // namespace zuhost::skin
