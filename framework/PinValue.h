// How a pin's value is taken from raw bytes and handed out as raw bytes: one
// piece for the control pins of audio plug-ins and for the pins of panels.
//
// Contract: nothing here reads past the bytes given; a negative size or null
// data count as no bytes. int32 and float take at most their 4 bytes, bit for
// bit. bool reads a 4-byte value as an int32 and any other size by its first
// byte, true when non-zero, so that a bool never holds another bit pattern. A
// wide string is the whole UTF-16 units given (an odd last byte is dropped),
// a blob all the bytes. The two kinds of pin differ only where int32, float
// or bool get fewer bytes than their width, and each says which it wants:
//  - MissingBytes::kept (audio pins): the bytes given replace the value's
//    first bytes and the rest stay, so no bytes leave the value as it was;
//  - MissingBytes::zeroed (panel pins): the value is the bytes given,
//    zero-filled, so no bytes give 0, 0.0 or false.
// holds(value, bytes) is the panels' change test: the bytes are the value's
// own (for bool, one byte of the same truth).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/MpBlob.h"
#include "framework/MpInterfaces.h"

namespace gmpi {

struct RawBytes {
    int32_t size;
    const uint8_t* data;

    RawBytes(int32_t byteCount, const void* bytes)
        : size(bytes != nullptr && byteCount > 0 ? byteCount : 0), data(static_cast<const uint8_t*>(bytes)) {}

    bool equals(const void* other, int32_t otherSize) const {
        return size == otherSize && (size == 0 || std::memcmp(data, other, static_cast<size_t>(size)) == 0);
    }
};

enum class MissingBytes { kept, zeroed };

template <class T>
struct PinValue;

template <class T>
struct FourBytePinValue {
    static int32_t size(const T&) { return 4; }
    static const void* data(const T& value) { return &value; }
    static bool holds(const T& value, RawBytes bytes) { return bytes.equals(&value, 4); }
    static void take(T& value, RawBytes bytes, MissingBytes missing) {
        if (bytes.size >= 4) {
            std::memcpy(&value, bytes.data, 4);
            return;
        }
        uint8_t word[4] = {};
        if (missing == MissingBytes::kept) std::memcpy(word, &value, 4);
        if (bytes.size > 0) std::memcpy(word, bytes.data, static_cast<size_t>(bytes.size));
        std::memcpy(&value, word, 4);
    }
};

template <>
struct PinValue<int32_t> : FourBytePinValue<int32_t> {
    static constexpr int32_t datatype = MP_INT32;
};

template <>
struct PinValue<float> : FourBytePinValue<float> {
    static constexpr int32_t datatype = MP_FLOAT32;
};

template <>
struct PinValue<bool> {
    static constexpr int32_t datatype = MP_BOOL;
    static int32_t size(const bool&) { return 1; }
    static const void* data(const bool& value) { return &value; }
    static bool holds(bool value, RawBytes bytes) { return bytes.size == 1 && (bytes.data[0] != 0) == value; }
    static void take(bool& value, RawBytes bytes, MissingBytes missing) {
        if (bytes.size == 4) {
            int32_t word;
            std::memcpy(&word, bytes.data, 4);
            value = word != 0;
        } else if (bytes.size > 0) {
            value = bytes.data[0] != 0;
        } else if (missing == MissingBytes::zeroed) {
            value = false;
        }
    }
};

template <>
struct PinValue<std::u16string> {
    static constexpr int32_t datatype = MP_STRING;
    static int32_t size(const std::u16string& value) { return static_cast<int32_t>(value.size() * 2); }
    static const void* data(const std::u16string& value) { return value.data(); }
    static bool holds(const std::u16string& value, RawBytes bytes) { return bytes.equals(value.data(), size(value)); }
    static void take(std::u16string& value, RawBytes bytes, MissingBytes) {
        value.resize(static_cast<size_t>(bytes.size / 2));
        if (!value.empty()) std::memcpy(value.data(), bytes.data, value.size() * 2);
    }
};

template <>
struct PinValue<MpBlob> {
    static constexpr int32_t datatype = MP_BLOB;
    static int32_t size(const MpBlob& value) { return value.getSize(); }
    static const void* data(const MpBlob& value) { return value.getData(); }
    static bool holds(const MpBlob& value, RawBytes bytes) { return bytes.equals(value.getData(), value.getSize()); }
    static void take(MpBlob& value, RawBytes bytes, MissingBytes) { value.setValueRaw(bytes.size, bytes.data); }
};

}  // namespace gmpi
