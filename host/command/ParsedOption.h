// Options whose text a domain parser turns into a typed value while the
// command line is read, once: times, signals, pin assignments.
//
// Contract: `parse` takes one text and returns the value, or throws
// UsageError with the reason; the reason reaches the user as a
// CLI::ValidationError that names the option. Other exceptions (a file that
// cannot be read) pass unchanged. A repeatable option takes one value per
// occurrence and keeps the occurrences in command-line order.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "host/command/UsageError.h"

namespace zuhost {

// Runs `body`; a UsageError it throws becomes a CLI::ValidationError naming `option`.
template <class Body>
auto withinOption(const std::string& option, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const UsageError& error) {
        throw CLI::ValidationError(option, error.what());
    }
}

template <class T, class Parse>
CLI::Option* addParsedOption(CLI::App& app, const std::string& name, T& target, Parse parse,
                             const std::string& description) {
    const auto store = [&target, parse, name](const std::string& text) {
        target = withinOption(name, [&] { return parse(text); });
    };
    return app.add_option_function<std::string>(name, store, description);
}

template <class T, class Parse>
CLI::Option* addRepeatedOption(CLI::App& app, const std::string& name, std::vector<T>& target, Parse parse,
                               const std::string& description) {
    const auto store = [&target, parse, name](const std::vector<std::string>& texts) {
        for (const std::string& text : texts) target.push_back(withinOption(name, [&] { return parse(text); }));
    };
    return app.add_option_function<std::vector<std::string>>(name, store, description)->allow_extra_args(false);
}

}  // namespace zuhost
