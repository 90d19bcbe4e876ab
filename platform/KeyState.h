// The keyboard's modifier keys as the GUI thread sees them.
#pragma once

#include <cstdint>

namespace platform {

enum VirtualKey : int32_t { VK_SHIFT_KEY = 0x10, VK_CONTROL_KEY = 0x11, VK_ALT_KEY = 0x12 };

// The key's state word: bit 15 set while the key is down.
int16_t getKeyState(int32_t virtualKey);

}  // namespace platform
