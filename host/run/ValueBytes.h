// The bytes of a value as a value event carries them.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace zuhost {

template <class T>
requires std::is_trivially_copyable_v<T> std::vector<uint8_t> valueBytes(T value) {
    std::vector<uint8_t> bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

}  // namespace zuhost
