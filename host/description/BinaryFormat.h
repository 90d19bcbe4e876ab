// Tells a plug-in library file's format from its magic bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace zuhost {

enum class BinaryFormat { Elf, Pe, Unknown };

// "\x7fELF" is an ELF file; "MZ" a Windows executable or DLL.
BinaryFormat detectBinaryFormat(std::span<const uint8_t> head);
// Reads the first bytes of the file; Unknown when it cannot be read.
BinaryFormat detectBinaryFormat(const std::filesystem::path& file);

std::string_view formatName(BinaryFormat format);

}  // namespace zuhost
