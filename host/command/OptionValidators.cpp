#include "host/command/OptionValidators.h"

#include <filesystem>

namespace zuhost {

CLI::Validator finiteNumber(double minimum, double maximum) {
    const std::string range =
        shortestText(minimum, std::chars_format::fixed) + " to " + shortestText(maximum, std::chars_format::fixed);
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const auto value = parseReal(text);
            if (!value || *value < minimum || *value > maximum) return text + " is not a number, " + range;
            return {};
        },
        range);
}

CLI::Validator inExistingDirectory() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const std::filesystem::path directory = std::filesystem::path(text).parent_path();
            if (directory.empty() || std::filesystem::is_directory(directory)) return {};
            return "the directory " + directory.string() + " does not exist";
        },
        "");
}

}  // namespace zuhost
