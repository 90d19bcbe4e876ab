// The names a library file exports, read from the file itself: the dynamic
// symbol table of an ELF shared library, the export directory of a DLL.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zuhost {

// Throws std::runtime_error when the file cannot be read or is of neither format.
std::vector<std::string> exportedNames(const std::filesystem::path& library);

}  // namespace zuhost
