#include "host/command/OptionValidators.h"

#include <filesystem>

namespace zuhost {

CLI::Validator finiteNumber(double minimum, double maximum) {
    const std::string range =
        shortestText(minimum, std::chars_format::fixed) + " to " + shortestText(maximum, std::chars_format::fixed);
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const auto value = parseReal(text);
            if (!value) return text + " is not a number (" + range + ")";
            if (*value < minimum || *value > maximum) return text + " is out of range (" + range + ")";
            return {};
        },
        range);
}

CLI::Validator existingDirectory() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            return std::filesystem::is_directory(text) ? std::string() : "the directory " + text + " does not exist";
        },
        "");
}

}  // namespace zuhost
