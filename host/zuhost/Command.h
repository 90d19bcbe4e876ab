// The shape of a zuhost command, so that main() can dispatch from a table and
// tests can run a command with their own streams.
//
// Contract: a command receives the arguments after its name, writes its
// results to `out` and its diagnostics to `err`, and returns the process exit
// status: 0 success, 1 failure, 2 wrong usage.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace zuhost {

using CommandFunction = int (*)(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

enum ExitStatus : int { EXIT_OK = 0, EXIT_FAILED = 1, EXIT_USAGE = 2 };

}  // namespace zuhost
