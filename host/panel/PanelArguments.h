// Pieces of the command line that the panel commands share: a point X,Y, a
// size WxH, and pin values NAME=VALUE, read while the command line is read.
//
// Contract: the parsers throw UsageError for text that is not of the form or
// holds a number that is not finite; sizes are positive.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "gui/GuiInterfaces.h"

namespace zuhost {

gmpi_gui::MpPoint parsePoint(std::string_view text);  // X,Y
gmpi_gui::MpSize parseSize(std::string_view text);    // WxH
std::pair<std::string, std::string> parseNameValue(std::string_view text);  // NAME=VALUE

}  // namespace zuhost
