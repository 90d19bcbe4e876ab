// zuhost's help layout: CLI11's, with "usage:" and "COMMAND" in zuhost's
// words, and beside each option its type, the range it accepts, its default
// and whether it may be repeated.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace zuhost {

class HelpFormatter : public CLI::Formatter {
public:
    HelpFormatter();

    std::string make_option_opts(const CLI::Option* option) const override;
};

}  // namespace zuhost
