// Pieces of the command line that the panel commands share: a point X,Y, a
// size WxH, and pin values fixtureName=VALUE, read while the command line is read;
// and the options --size, --range-min, --range-max and --skin.
//
// Contract: the parsers throw UsageError for text that is not of the form or
// holds a number that is not finite; sizes are positive.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "gui/GuiInterfaces.h"
#include "host/run/ParameterPins.h"

namespace CLI {
class App;
}

namespace zuhost {

gmpi_gui::MpPoint parsePoint(std::string_view text);                        // X,Y
gmpi_gui::MpSize parseSize(std::string_view text);                          // WxH
std::pair<std::string, std::string> parseNameValue(std::string_view text);  // fixtureName=VALUE

void declarePanelSize(CLI::App& app, std::optional<gmpi_gui::MpSize>& size);
void declareParameterRange(CLI::App& app, ParameterRange& range);
// Sets `folder` to the default skin, beside zuhost.
void declareSkinFolder(CLI::App& app, std::filesystem::path& folder);

}  // namespace zuhost
