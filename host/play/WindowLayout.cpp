#include "host/play/WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace zuhost::play {

namespace {
// Room for the status line.
constexpr float minimumWidth = 440.0f;
}  // namespace

int32_t WindowLayout::panelAt(gmpi_gui::MpPoint point) const {
    for (size_t i = 0; i < places.size(); ++i) {
        const gmpi_gui::MpRect& r = places[i].panel;
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
            return static_cast<int32_t>(i);
    }
    return -1;
}

WindowLayout layOutWindow(const std::vector<gmpi_gui::MpSize>& panels, const std::vector<float>& titleWidths,
                          gmpi_gui::MpSize window) {
    WindowLayout layout;
    float x = windowMargin, tallest = 0.0f;
    const float panelTop = windowMargin + titleHeight;
    for (size_t i = 0; i < panels.size(); ++i) {
        const float title = i < titleWidths.size() ? std::ceil(titleWidths[i]) : 0.0f;
        const float column = std::max(panels[i].width, title);
        layout.places.push_back(
            {{x, windowMargin, x + column, panelTop}, {x, panelTop, x + panels[i].width, panelTop + panels[i].height}});
        tallest = std::max(tallest, panels[i].height);
        x += column + panelGap;
    }
    const float contentWidth = panels.empty() ? 2 * windowMargin : x - panelGap + windowMargin;
    layout.size = {std::max(contentWidth, minimumWidth), panelTop + tallest + windowMargin + statusHeight};
    const float width = std::max(layout.size.width, window.width);
    const float height = std::max(layout.size.height, window.height);
    layout.status = {0, height - statusHeight, width, height};
    return layout;
}

}  // namespace zuhost::play
