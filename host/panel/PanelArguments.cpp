#include "host/panel/PanelArguments.h"

#include <CLI/CLI.hpp>

#include <cmath>

#include "host/command/NumberText.h"
#include "host/command/OptionValidators.h"
#include "host/command/ParsedOption.h"
#include "host/command/UsageError.h"
#include "host/gui/SkinFolder.h"
#include "host/run/PanelRunner.h"

namespace zuhost {

namespace {

std::pair<float, float> twoNumbers(std::string_view text, char separator, std::string_view form) {
    const size_t at = text.find(separator);
    const std::optional<double> first = at == std::string_view::npos ? std::nullopt : parseReal(text.substr(0, at));
    const std::optional<double> second = at == std::string_view::npos ? std::nullopt : parseReal(text.substr(at + 1));
    if (!first || !second || !(std::abs(*first) <= 1e6) || !(std::abs(*second) <= 1e6))
        throw UsageError("expected " + std::string(form) + ", not '" + std::string(text) + "'");
    return {static_cast<float>(*first), static_cast<float>(*second)};
}

}  // namespace

gmpi_gui::MpPoint parsePoint(std::string_view text) {
    const auto [x, y] = twoNumbers(text, ',', "X,Y with coordinates from -1000000 to 1000000");
    return {x, y};
}

gmpi_gui::MpSize parseSize(std::string_view text) {
    const auto [width, height] = twoNumbers(text, 'x', "WxH with sides from 1 to 4096");
    if (width < 1 || height < 1 || width > largestPanelSide || height > largestPanelSide)
        throw UsageError("expected WxH with sides from 1 to 4096, not '" + std::string(text) + "'");
    return {width, height};
}

std::pair<std::string, std::string> parseNameValue(std::string_view text) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw UsageError("expected NAME=VALUE, not '" + std::string(text) + "'");
    return {std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

void declarePanelSize(CLI::App& app, std::optional<gmpi_gui::MpSize>& size) {
    addParsedOption(app, "--size", size, parseSize, "the panel's size, sides from 1 to 4096; default: what it measures")
        ->type_name("WxH");
}

void declareSkinFolder(CLI::App& app, std::filesystem::path& folder) {
    folder = gui::SkinFolder::besideExecutable();
    app.add_option("--skin", folder, "the skin folder")
        ->type_name("DIR")
        ->check(existingDirectory())
        ->capture_default_str();
}

void declareParameterRange(CLI::App& app, ParameterRange& range) {
    const CLI::Validator bound = finiteNumber(-1e9, 1e9);
    app.add_option("--range-min", range.minimum, "every parameter's range minimum")
        ->check(bound)
        ->capture_default_str();
    app.add_option("--range-max", range.maximum, "every parameter's range maximum")
        ->check(bound)
        ->capture_default_str();
}

}  // namespace zuhost
