#include "gui/ModifierKeys.h"

#include "platform/KeyState.h"

namespace gmpi_gui {

namespace {
bool isKeyDown(int32_t virtualKey) { return (platform::getKeyState(virtualKey) & 0x8000) != 0; }
}  // namespace

bool isShiftKeyDown() { return isKeyDown(platform::VK_SHIFT_KEY); }
bool isControlKeyDown() { return isKeyDown(platform::VK_CONTROL_KEY); }
bool isAltKeyDown() { return isKeyDown(platform::VK_ALT_KEY); }

}  // namespace gmpi_gui
