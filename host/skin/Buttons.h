// Pressed controls and lamps: push buttons with a lamp bar, arrow buttons
// and a round LED. Each comes released (off) and pressed (on).
#pragma once

#include <cairo.h>

namespace zuhost::skin {

enum class ArrowDirection { Left, Right };

void paintButton(cairo_t* cr, double width, double height, bool on);
void paintArrowButton(cairo_t* cr, double size, ArrowDirection direction, bool on);
void paintLed(cairo_t* cr, double size, bool on);

}  // namespace zuhost::skin
