#include "modules/slider/TypedNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace zu {

namespace {

// The "C" locale's white space; the host's locale may count other bytes.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// 0x or 0X followed by digits, or by a point and digits. Otherwise the 0
// alone is the number ("0x" reads as 0, as does "0xinf").
bool startsHexadecimal(const char* at, const char* end) {
    if (end - at < 3 || at[0] != '0' || (at[1] != 'x' && at[1] != 'X')) return false;
    return isHexDigit(at[2]) || (at[2] == '.' && end - at > 3 && isHexDigit(at[3]));
}

}  // namespace

std::optional<double> leadingNumber(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at < end && isBlank(*at)) ++at;
    bool negative = false;
    if (at < end && (*at == '+' || *at == '-')) negative = *at++ == '-';
    // from_chars would take a minus of its own: a second sign starts no number.
    if (at == end || *at == '+' || *at == '-') return std::nullopt;

    double magnitude = 0;
    const std::from_chars_result read = startsHexadecimal(at, end)
                                            ? std::from_chars(at + 2, end, magnitude, std::chars_format::hex)
                                            : std::from_chars(at, end, magnitude, std::chars_format::general);
    if (read.ec != std::errc()) return std::nullopt;
    if (magnitude != 0 && magnitude < std::numeric_limits<double>::min()) return std::nullopt;
    return negative ? -magnitude : magnitude;
}

std::optional<float> typedValue(std::string_view text) {
    const std::optional<double> number = leadingNumber(text);
    if (!number) return std::nullopt;
    const float value = static_cast<float>(*number);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace zu
