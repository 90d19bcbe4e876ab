#include "gui/ModifierKeys.h"

#include "platform/KeyState.h"

namespace gmpi_gui {

namespace {
bool isKeyDown(int32_t virtualKey) { return (platform::getKeyState(virtualKey) & 0x8000) != 0; }
}  // namespace

bool isShiftKeyDown() { return isKeyDown(platform::shiftKey); }
bool isControlKeyDown() { return isKeyDown(platform::controlKey); }
bool isAltKeyDown() { return isKeyDown(platform::altKey); }

}  // namespace gmpi_gui
