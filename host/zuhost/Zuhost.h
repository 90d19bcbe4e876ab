// zuhost's command line: `zuhost COMMAND [ARGUMENTS]`, `zuhost --help`,
// `zuhost COMMAND --help` and `zuhost --version`.
//
// Contract: `args` are the arguments after the program's name. Help and the
// version go to `out` with status 0. Wrong use gives status 2 and, on `err`,
// the reason (naming the option) with the command's usage line. Otherwise
// the command runs and its status is returned; an exception it throws is
// reported on `err` as "zuhost COMMAND: reason" with status 1.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace zuhost {

inline constexpr std::string_view zuhostVersion = "1.0";

int runZuhost(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace zuhost
