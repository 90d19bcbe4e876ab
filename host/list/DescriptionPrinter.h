// Renders a LibraryDescription for people (aligned text tables) and for
// programs (JSON). Both show every plug-in with its parameters and both pin
// tables: index, name, datatype with its code, direction and the other
// attributes. Control characters in the text form are shown escaped.
#pragma once

#include <ostream>

#include "host/description/PluginDescription.h"

namespace zuhost {

void printDescriptionText(const LibraryDescription& description, std::ostream& out);
void printDescriptionJson(const LibraryDescription& description, std::ostream& out);

}  // namespace zuhost
