// Pin values as text: what the command line gives for a pin, turned into the
// bytes a host sends, and the bytes a plug-in sends, turned into text.
//
// Contract: by the pin's datatype in the description: "float" a finite
// decimal (4 bytes), "int" and "enum" a whole number in int32 range (4
// bytes), "bool" 0, 1, true or false (1 byte), "blob" hex digits, two per
// byte. parsePinValue throws UsageError for text that does not fit, and for
// datatypes a host does not send to the audio side.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/description/PluginDescription.h"

namespace zuhost {

std::vector<uint8_t> parsePinValue(const PinDescription& pin, std::string_view text);

// Floats in their shortest exact form; blobs as their size; bytes of an
// unexpected size as hex.
std::string formatPinValue(const PinDescription& pin, std::span<const uint8_t> bytes);

}  // namespace zuhost
