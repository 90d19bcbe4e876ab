// The names a library file exports, read from the file itself: the dynamic
// symbol table of an ELF shared library, the export directory of a DLL.
//
// Contract: throws std::runtime_error when the file cannot be read or is of
// neither format. Every table is checked against the file before it is
// read, so a damaged file throws "NAME is damaged: ..." and costs no more
// memory than a small multiple of its own size.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zuhost {

std::vector<std::string> exportedNames(const std::filesystem::path& library);
// The same for a library file's bytes; `name` stands for the file in errors.
std::vector<std::string> exportedNames(std::span<const uint8_t> bytes, const std::string& name);

}  // namespace zuhost
