// Where a rotary switch of n items puts its labels and leader lines: labels
// in one column right of the knob, or two columns on both sides when one
// would be taller than the circle, spread evenly over its height.
#pragma once

#include <cstdint>

namespace zu {

struct RotaryGeometry {
    float radius;     // of the circle the labels sit on
    float pitch;      // vertical distance between labels
    float perColumn;  // labels in a column
    bool twoColumns;
    float startAngle;  // of the first item's leader line; radians from +x, clockwise on screen
    float angleStep;   // between consecutive items

    static RotaryGeometry of(int32_t itemCount);  // a count below 1 is laid out as 1
};

}  // namespace zu
