// How a GUI pin's value is stored from, and handed out as, raw host bytes.
//
// Contract: storeIfChanged(stored, size, data) compares the bytes with the
// stored value and, when they differ, replaces it and answers true. It never
// reads past size bytes; a negative size or null data count as no bytes, and
// a value shorter than its type is taken as the bytes given, zero-filled.
#pragma once

#include <algorithm>
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

template <class T>
struct GuiPinValue;

// int32 and float: changed unless exactly 4 bytes equal the stored ones (a
// bit comparison, so -0.0 differs from 0.0).
template <class T>
struct FourByteGuiPinValue {
    static int32_t size(const T&) { return 4; }
    static const void* data(const T& value) { return &value; }
    static bool storeIfChanged(T& stored, RawBytes bytes) {
        if (bytes.equals(&stored, 4)) return false;
        uint8_t copy[4] = {};
        if (bytes.size > 0) std::memcpy(copy, bytes.data, std::min<size_t>(static_cast<size_t>(bytes.size), 4));
        std::memcpy(&stored, copy, 4);
        return true;
    }
};

template <>
struct GuiPinValue<int32_t> : FourByteGuiPinValue<int32_t> {
    static constexpr int32_t datatype = MP_INT32;
};

template <>
struct GuiPinValue<float> : FourByteGuiPinValue<float> {
    static constexpr int32_t datatype = MP_FLOAT32;
};

// bool: one byte normally; a 4-byte value is read as an int32; any other
// size takes its first byte. Every non-zero value is true.
template <>
struct GuiPinValue<bool> {
    static constexpr int32_t datatype = MP_BOOL;
    static int32_t size(const bool&) { return 1; }
    static const void* data(const bool& value) { return &value; }
    static bool storeIfChanged(bool& stored, RawBytes bytes) {
        if (bytes.size == 1 && (bytes.data[0] != 0) == stored) return false;
        stored = bytes.size == 4 ? readInt32(bytes.data) != 0 : bytes.size > 0 && bytes.data[0] != 0;
        return true;
    }

private:
    static int32_t readInt32(const uint8_t* data) {
        int32_t value;
        std::memcpy(&value, data, 4);
        return value;
    }
};

// Wide string: the whole UTF-16 units of the bytes given (an odd last byte is dropped).
template <>
struct GuiPinValue<std::u16string> {
    static constexpr int32_t datatype = MP_STRING;
    static int32_t size(const std::u16string& value) { return static_cast<int32_t>(value.size() * 2); }
    static const void* data(const std::u16string& value) { return value.data(); }
    static bool storeIfChanged(std::u16string& stored, RawBytes bytes) {
        if (bytes.equals(stored.data(), size(stored))) return false;
        stored.resize(static_cast<size_t>(bytes.size / 2));
        if (!stored.empty()) std::memcpy(stored.data(), bytes.data, stored.size() * 2);
        return true;
    }
};

template <>
struct GuiPinValue<MpBlob> {
    static constexpr int32_t datatype = MP_BLOB;
    static int32_t size(const MpBlob& value) { return value.getSize(); }
    static const void* data(const MpBlob& value) { return value.getData(); }
    static bool storeIfChanged(MpBlob& stored, RawBytes bytes) {
        if (bytes.equals(stored.getData(), stored.getSize())) return false;
        stored.setValueRaw(bytes.size, bytes.data);
        return true;
    }
};

}  // namespace gmpi
