// The keyboard's modifier keys, true while held down.
#pragma once

namespace gmpi_gui {

bool isShiftKeyDown();
bool isControlKeyDown();
bool isAltKeyDown();

}  // namespace gmpi_gui
