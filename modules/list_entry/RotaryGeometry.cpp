#include "modules/list_entry/RotaryGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zu {

RotaryGeometry RotaryGeometry::of(int32_t itemCount) {
    const float n = static_cast<float>(std::max(itemCount, 1));
    RotaryGeometry g{35, 8, n, false, 0, 0};
    float halfHeight = (n - 1) * g.pitch * 0.5f;
    if (halfHeight > g.radius) {
        g.twoColumns = true;
        g.perColumn = std::floor(n * 0.5f);
        halfHeight = (g.perColumn - 1) * g.pitch * 0.5f;
        if (halfHeight > g.radius - g.pitch) g.radius = g.pitch * 0.5f + halfHeight;
    }
    // Few labels spread over the whole height of the circle.
    if (2 * g.radius / g.perColumn > g.pitch) {
        g.pitch = 2 * g.radius / g.perColumn;
        halfHeight = (g.perColumn - 1) * g.pitch * 0.5f;
    }
    if (g.twoColumns) {
        const float divisions = g.perColumn + (2 * g.perColumn != n ? 1.0f : 0.0f);
        g.angleStep = std::numbers::pi_v<float> / divisions;
        g.startAngle = -(g.perColumn - 1) * g.angleStep * 0.5f;
    } else if (g.perColumn > 1) {
        const float a = std::asin(std::min(halfHeight / g.radius, 1.0f));
        g.startAngle = -a;
        g.angleStep = 2 * a / (g.perColumn - 1);
    }
    return g;
}

}  // namespace zu
