// Whether a rectangle from a host can be laid out and drawn: every edge, the
// width and the height are finite numbers. A host may arrange a panel with
// anything, and what a panel computes from such a rectangle goes back to the
// host as coordinates, so a panel lays out and draws only within one that is.
#pragma once

#include <cmath>

#include "gui/GuiInterfaces.h"

namespace gmpi_gui {

inline bool isFiniteRect(const MpRect& r) {
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) && std::isfinite(r.bottom) &&
           std::isfinite(r.right - r.left) && std::isfinite(r.bottom - r.top);
}

}  // namespace gmpi_gui
