// Checks that options' texts pass before CLI11 converts them. For numbers,
// CLI11's own conversion is lenient (it reads 010 as octal, wraps -1 into
// the largest unsigned value and takes nan as a number), so these check the
// text first, with NumberText's strict rules, and refuse it with the
// option's range.
//
// Contract: a refused text gives "TEXT is not a whole number (MIN to MAX)"
// (or "... a number ..."), or for a number outside the range "TEXT is out
// of range (MIN to MAX)"; CLI11 adds the option's name.
// wholeNumber also rewrites an accepted text in plain decimal, so the
// conversion that follows reads exactly the number that was checked; it is
// therefore added with Option::transform(), as check() would hand it a copy.
#pragma once

#include <CLI/CLI.hpp>

#include <concepts>
#include <limits>
#include <string>

#include "host/command/NumberText.h"

namespace zuhost {

// Without `maximum`, any number of the type from `minimum` on.
template <std::integral T>
CLI::Validator wholeNumber(T minimum, T maximum = std::numeric_limits<T>::max()) {
    const std::string range = maximum == std::numeric_limits<T>::max()
                                  ? std::to_string(minimum) + " or more"
                                  : std::to_string(minimum) + " to " + std::to_string(maximum);
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const auto value = parseInteger<T>(text);
            if (!value && !isWholeNumberText(text)) return text + " is not a whole number (" + range + ")";
            if (!value || *value < minimum || *value > maximum) return text + " is out of range (" + range + ")";
            text = std::to_string(*value);
            return {};
        },
        range);
}

CLI::Validator finiteNumber(double minimum, double maximum);

// A directory the command reads from: "the directory TEXT does not exist".
CLI::Validator existingDirectory();

}  // namespace zuhost
