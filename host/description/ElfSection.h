// Finds a section of an ELF file by name, reading only the section header
// table and the section name table, both bounds-checked.
//
// Contract: 32- and 64-bit little-endian files are read. Returns where the
// first section of that name lies in the file, or nothing when no section has
// that name; the range itself is not checked against the file. A header or
// table outside the file, or a big-endian file, throws DescriptionError.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/description/FileView.h"

namespace zuhost {

std::optional<FileRange> findElfSection(const FileView& file, std::string_view name);

}  // namespace zuhost
