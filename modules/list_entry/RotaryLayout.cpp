#include "modules/list_entry/RotaryLayout.h"

#include <algorithm>
#include <cmath>

#include "modules/list_entry/RotaryGeometry.h"

namespace zu {

using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

namespace {

void include(MpRect& extent, const MpRect& r) {
    extent = {std::min(extent.left, r.left), std::min(extent.top, r.top), std::max(extent.right, r.right),
              std::max(extent.bottom, r.bottom)};
}

// The first column runs downward and the second, in two-column mode, upward.
float labelHeightAt(const RotaryGeometry& g, int32_t i, int32_t n) {
    return (i < g.perColumn ? float(i) - (g.perColumn - 1) * 0.5f : float(n - i - 1) - (g.perColumn - 1) * 0.5f) *
           g.pitch;
}

// From the knob's inner radius to the label circle along the item's angle;
// the line bends to run level into a label between its two ends.
std::vector<MpPoint> leaderLine(const RotaryGeometry& g, float angle, float innerRadius, MpPoint label,
                                MpPoint centre) {
    const float c = std::cos(angle), s = std::sin(angle);
    const MpPoint inner{innerRadius * c, innerRadius * s};
    MpPoint outer{g.radius * c, g.radius * s};
    const float y = label.y;
    const bool bends = (y - 0.8f > outer.y && inner.y > y) || (outer.y > y + 0.8f && y > inner.y);
    if (bends) outer = {g.radius * c * y / (g.radius * s), y};
    std::vector<MpPoint> line{{centre.x + inner.x, centre.y + inner.y}, {centre.x + outer.x, centre.y + outer.y}};
    if (bends && label.x != 0 && y != 0) line.push_back({centre.x + label.x, centre.y + y});
    return line;
}

// Labels above or below the knob are centred on their point; the others
// start beside it, vertically centred.
MpRect labelRect(MpPoint label, MpSize size, MpPoint centre) {
    const float x = label.x, y = label.y;
    float left, top;
    if (x > -1 && x < 1) {
        left = x - size.width * 0.5f;
        top = y > 0 ? y + 4 - size.height * 0.5f : y - size.height;
    } else {
        left = x >= 1 ? x + 4 : x - size.width - 4;
        top = y - size.height * 0.5f;
    }
    return {left + centre.x, top + centre.y, left + centre.x + size.width, top + centre.y + size.height};
}

}  // namespace

RotaryLayout RotaryLayout::of(MpSize knob, MpPoint offset, int32_t itemCount, const std::vector<SizedText>& texts) {
    RotaryLayout layout{{-offset.x, -offset.y, knob.width - offset.x, knob.height - offset.y}, {}};
    const MpPoint centre{knob.width * 0.5f - offset.x, knob.height * 0.5f - offset.y};
    const float innerRadius = 0.4f * knob.width;
    const int32_t n = itemCount;
    const RotaryGeometry g = RotaryGeometry::of(n);
    for (int32_t i = 0; i < n && size_t(i) < texts.size(); ++i) {
        const float y = labelHeightAt(g, i, n);
        float x = std::abs(y) < g.radius ? std::sqrt(g.radius * g.radius - y * y) : 0.0f;
        if (g.twoColumns && float(i) > float(n - 1) * 0.5f) x = -x;
        const MpRect rect = labelRect({x, y}, texts[i].size, centre);
        layout.labels.push_back(
            {texts[i].text, rect, leaderLine(g, g.startAngle + float(i) * g.angleStep, innerRadius, {x, y}, centre)});
        include(layout.extent, rect);
    }
    return layout;
}

}  // namespace zu
