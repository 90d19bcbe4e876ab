// The keyboard's modifier keys as the GUI thread sees them.
#pragma once

#include <cstdint>

namespace platform {

enum VirtualKey : int32_t { shiftKey = 0x10, controlKey = 0x11, altKey = 0x12 };

// The key's state word: bit 15 set while the key is down.
int16_t getKeyState(int32_t virtualKey);

}  // namespace platform
