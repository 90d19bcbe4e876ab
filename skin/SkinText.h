// The text rules that skin metadata and style sheets share: reading a host
// file whole, lines, tokens and number prefixes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gui/GuiInterfaces.h"

namespace skin {

// The file's bytes: a zero-filled buffer of its reported size into which it
// is read in one call; bytes a short read does not deliver stay zero. A size
// below zero or beyond what a skin text can sensibly be reads as empty.
std::string readSkinFile(gmpi::IMpFile& file);

// Lines split at LF, each without a trailing CR; the rest after the last LF
// (possibly empty) is the last line.
std::vector<std::string> splitLines(std::string_view text);

// Tokens of one line: blanks separate them, a comma ends one, apostrophes or
// double quotes enclose one (keeping blanks and commas). A zero byte ends
// the line.
std::vector<std::string> tokenizeLine(std::string_view line);

// The leading decimal (or hexadecimal) integer of text: an optional sign and
// the digits after it, saturating at the int32 limits; no digits give 0.
int32_t decimalPrefix(std::string_view text);
int32_t hexadecimalPrefix(std::string_view text);

}  // namespace skin
