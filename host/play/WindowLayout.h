// Where things stand in the play window, in layout units: the panels side by
// side, each under its title, and a status line along the bottom.
#pragma once

#include <vector>

#include "gui/GuiInterfaces.h"

namespace zuhost::play {

inline constexpr float windowMargin = 8.0f;
inline constexpr float titleHeight = 18.0f;
inline constexpr float panelGap = 12.0f;
inline constexpr float statusHeight = 20.0f;

struct PanelPlace {
    gmpi_gui::MpRect title;
    gmpi_gui::MpRect panel;
};

struct WindowLayout {
    std::vector<PanelPlace> places;
    gmpi_gui::MpRect status;
    gmpi_gui::MpSize size;  // what the window needs

    // The panel under a point, or -1.
    int32_t panelAt(gmpi_gui::MpPoint point) const;
};

// Each panel at its size, its column as wide as the wider of the panel and
// its title; the status line spans the window, however wide it is made.
WindowLayout layOutWindow(const std::vector<gmpi_gui::MpSize>& panels, const std::vector<float>& titleWidths,
                          gmpi_gui::MpSize window = {0, 0});

}  // namespace zuhost::play
