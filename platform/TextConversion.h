// Wide (UTF-16) pin text to the UTF-8 that widgets and the host's text
// services take. An unpaired surrogate becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string toUtf8(std::u16string_view text);

}  // namespace platform
