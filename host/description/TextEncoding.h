// Conversions between the UTF-8 of the description and the UTF-16 of the
// binary interface. Malformed input never fails: each invalid or truncated
// sequence, and each unpaired surrogate, becomes U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zuhost {

inline constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

// Decodes the code point at `position` and moves past it (one byte for an
// invalid sequence, which decodes as U+FFFD). `position` must be < size.
char32_t decodeUtf8(std::string_view text, size_t& position);
void appendUtf8(std::string& out, char32_t codePoint);

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace zuhost
