#include "host/run/PinValueText.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "host/command/NumberText.h"
#include "host/command/UsageError.h"
#include "host/run/ValueBytes.h"

namespace zuhost {

namespace {

template <class T>
T valueOf(std::span<const uint8_t> bytes) {
    T value{};
    std::memcpy(&value, bytes.data(), sizeof(T));
    return value;
}

UsageError unfit(const PinDescription& pin, std::string_view text, std::string_view expected) {
    return UsageError("pin \"" + pin.name + "\" (" + pin.datatype + ") needs " + std::string(expected) + ", not '" +
                      std::string(text) + "'");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::vector<uint8_t> parseHex(const PinDescription& pin, std::string_view text) {
    if (text.size() % 2 != 0) throw unfit(pin, text, "hex digits, two per byte");
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0) throw unfit(pin, text, "hex digits, two per byte");
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::string hex(std::span<const uint8_t> bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    for (const uint8_t byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

}  // namespace

std::vector<uint8_t> parsePinValue(const PinDescription& pin, std::string_view text) {
    if (pin.datatype == "float") {
        const auto value = parseReal(text);
        if (!value || std::abs(*value) > std::numeric_limits<float>::max()) throw unfit(pin, text, "a finite number");
        return valueBytes(static_cast<float>(*value));
    }
    if (pin.datatype == "int" || pin.datatype == "enum") {
        const auto value = parseInteger<int32_t>(text);
        if (!value) throw unfit(pin, text, "a whole number in 32-bit range");
        return valueBytes(*value);
    }
    if (pin.datatype == "bool") {
        if (text == "1" || text == "true") return {1};
        if (text == "0" || text == "false") return {0};
        throw unfit(pin, text, "0, 1, true or false");
    }
    if (pin.datatype == "blob") return parseHex(pin, text);
    throw UsageError("pin \"" + pin.name + "\" has datatype " + pin.datatype + ", which zuhost cannot send");
}

std::string formatPinValue(const PinDescription& pin, std::span<const uint8_t> bytes) {
    if (pin.datatype == "blob") return "blob " + std::to_string(bytes.size()) + " bytes";
    if (pin.datatype == "float" && bytes.size() == sizeof(float)) return shortestText(valueOf<float>(bytes));
    if ((pin.datatype == "int" || pin.datatype == "enum") && bytes.size() == sizeof(int32_t))
        return std::to_string(valueOf<int32_t>(bytes));
    if (pin.datatype == "bool" && bytes.size() == 1) return bytes[0] != 0 ? "1" : "0";
    if (pin.datatype == "bool" && bytes.size() == sizeof(int32_t)) return valueOf<int32_t>(bytes) != 0 ? "1" : "0";
    return "0x" + hex(bytes);
}

}  // namespace zuhost
