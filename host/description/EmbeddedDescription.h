// Reads the XML description embedded in a plug-in library file without
// loading the library: the .gmpxml section of an ELF shared library, or the
// resource of type "GMPXML", id 1 (US English preferred) of a Windows DLL.
//
// Contract: returns the embedded bytes unchanged, or throws DescriptionError
// when the file cannot be read, is of neither format, is damaged, or carries
// no description. Only the headers and tables that lead to the description
// are read, each checked against the file, so a damaged file costs no more
// memory than its own size.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "host/description/PluginDescription.h"

namespace zuhost {

std::string readEmbeddedDescription(const std::filesystem::path& library);
// The same for a library file's bytes; `name` stands for the file in errors.
std::string readEmbeddedDescription(std::span<const uint8_t> bytes, const std::string& name);

// Reads and parses in one step.
LibraryDescription loadDescription(const std::filesystem::path& library);

}  // namespace zuhost
