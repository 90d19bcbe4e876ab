#include "host/skin/Shapes.h"

#include <cmath>

namespace zuhost::skin {

double radians(double degrees) { return degrees * pi / 180.0; }

Point polar(Point centre, double radius, double degrees) {
    return {centre.x + radius * std::cos(radians(degrees)), centre.y + radius * std::sin(radians(degrees))};
}

void setColour(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.red, colour.green, colour.blue, alpha);
}

void roundedRectangle(cairo_t* cr, double left, double top, double width, double height, double radius) {
    const double right = left + width, bottom = top + height;
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - radius, top + radius, radius, radians(-90), 0);
    cairo_arc(cr, right - radius, bottom - radius, radius, 0, radians(90));
    cairo_arc(cr, left + radius, bottom - radius, radius, radians(90), radians(180));
    cairo_arc(cr, left + radius, top + radius, radius, radians(180), radians(270));
    cairo_close_path(cr);
}

void circle(cairo_t* cr, Point centre, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * pi);
    cairo_close_path(cr);
}

void line(cairo_t* cr, Point from, Point to, double width, Rgb colour, double alpha) {
    cairo_save(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, colour, alpha);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void fillLinear(cairo_t* cr, Point from, Rgb fromColour, Point to, Rgb toColour) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(from.x, from.y, to.x, to.y);
    cairo_pattern_add_color_stop_rgb(gradient, 0, fromColour.red, fromColour.green, fromColour.blue);
    cairo_pattern_add_color_stop_rgb(gradient, 1, toColour.red, toColour.green, toColour.blue);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

void softDisc(cairo_t* cr, Point centre, double radius, Rgb colour, double alpha) {
    cairo_pattern_t* fade = cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius);
    cairo_pattern_add_color_stop_rgba(fade, 0, colour.red, colour.green, colour.blue, alpha);
    cairo_pattern_add_color_stop_rgba(fade, 0.5, colour.red, colour.green, colour.blue, alpha * 0.6);
    cairo_pattern_add_color_stop_rgba(fade, 1, colour.red, colour.green, colour.blue, 0);
    cairo_set_source(cr, fade);
    circle(cr, centre, radius);
    cairo_fill(cr);
    cairo_pattern_destroy(fade);
}

void lens(cairo_t* cr, Point centre, double radius, Rgb core, Rgb colour, Rgb edge) {
    // The light sits a little above the middle, as if lit from above.
    const Point light{centre.x - radius * 0.2, centre.y - radius * 0.3};
    cairo_pattern_t* shine = cairo_pattern_create_radial(light.x, light.y, 0, centre.x, centre.y, radius);
    cairo_pattern_add_color_stop_rgb(shine, 0, core.red, core.green, core.blue);
    cairo_pattern_add_color_stop_rgb(shine, 0.45, colour.red, colour.green, colour.blue);
    cairo_pattern_add_color_stop_rgb(shine, 1, edge.red, edge.green, edge.blue);
    cairo_set_source(cr, shine);
    circle(cr, centre, radius);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
}

}  // namespace zuhost::skin
