// Numbers as command-line text. Parsing takes the whole text or nothing:
// decimal only (no sign but '-', no base prefix, no spaces), and for reals
// only finite values. Writing gives the shortest text that reads back as the
// same value.
#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zuhost {

template <std::integral T = int64_t>
std::optional<T> parseInteger(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> parseReal(std::string_view text);

// Decimal digits, perhaps after a '-': a whole number, of whatever size.
bool isWholeNumberText(std::string_view text);

template <std::floating_point T>
std::string shortestText(T value, std::chars_format format = std::chars_format::general) {
    char buffer[400];  // room for the longest double in fixed notation
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return error == std::errc() ? std::string(buffer, end) : std::string("?");
}

}  // namespace zuhost
