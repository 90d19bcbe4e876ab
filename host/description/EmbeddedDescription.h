// Reads the XML description embedded in a plug-in library file without
// loading the library: the .gmpxml section of an ELF shared library, or the
// resource of type "GMPXML", id 1 (US English preferred) of a Windows DLL.
//
// Contract: returns the embedded bytes unchanged, or throws DescriptionError
// when the file cannot be read, is of neither format, is damaged, or carries
// no description.
#pragma once

#include <filesystem>
#include <string>

#include "host/description/PluginDescription.h"

namespace zuhost {

std::string readEmbeddedDescription(const std::filesystem::path& library);

// Reads and parses in one step.
LibraryDescription loadDescription(const std::filesystem::path& library);

}  // namespace zuhost
