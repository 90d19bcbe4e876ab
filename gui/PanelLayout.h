// Layout answers shared by the first-generation panels: the size they ask for
// is whatever they are offered kept within 15 to 100 pixels each way, and the
// rectangle they are given is kept as it is.
#pragma once

#include <algorithm>

#include "gui/GuiInterfaces.h"

namespace gmpi_gui {

inline int32_t measurePanel(MpSizeI available, MpSizeI* desired) {
    constexpr int32_t smallest = 15;
    constexpr int32_t largest = 100;
    if (desired == nullptr) return gmpi::MP_FAIL;
    *desired = {std::clamp(available.width, smallest, largest), std::clamp(available.height, smallest, largest)};
    return gmpi::MP_OK;
}

inline int32_t arrangePanel(const MpRectI* given, MpRectI& kept) {
    if (given == nullptr) return gmpi::MP_FAIL;
    kept = *given;
    return gmpi::MP_OK;
}

}  // namespace gmpi_gui
