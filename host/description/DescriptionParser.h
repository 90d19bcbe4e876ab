// Turns the XML description text into a LibraryDescription.
//
// Contract: either returns a complete description or throws DescriptionError
// naming the line and what is wrong: malformed XML, an unexpected element, a
// missing or invalid required attribute, an unknown datatype, direction or
// rate, or two pins (or parameters, or plug-ins) with the same index (id).
// Pin numbering within an Audio or GUI section: a pin with an id attribute
// has that index; any other pin has the index of the pin before it plus one,
// the first such pin 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/description/PluginDescription.h"

namespace zuhost {

LibraryDescription parseDescription(std::string_view xml);

// The code a pin of this datatype and rate reports (MP_AUDIO for an audio-rate
// float), or nothing for an unknown datatype or an audio-rate pin that is not
// a float.
std::optional<int32_t> pinDatatypeCode(std::string_view datatype, bool audioRate);

}  // namespace zuhost
