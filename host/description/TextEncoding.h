// Conversions between the UTF-8 of the description and the UTF-16 of the
// binary interface. Malformed input never fails: each invalid or truncated
// sequence, and each unpaired surrogate, becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace zuhost {

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace zuhost
