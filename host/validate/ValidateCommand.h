// `zuhost validate [LIBRARY] [--plugin ID] [--seed N] [--strictness 1..10]
// [--json FILE] [--junit FILE] [--audio-only] [--only PATTERN]...
// [--skip PATTERN]... [--timeout SECONDS] [--list]`: runs the validator's
// checks on a plug-in library, prints a table of results and "N passed, M
// failed", and exits with 0 only when no check failed. --list names the
// chosen checks instead. --plugin takes a plug-in's id or name, as the other
// commands do. A choice of checks that leaves none, and a report file that
// cannot be written, are refused while the command line is read; a Windows
// DLL is refused before any check runs.
#pragma once

#include <optional>

#include "host/command/Command.h"
#include "host/validate/Check.h"
#include "host/validate/Validator.h"

namespace zuhost {

class ValidateCommand final : public Command {
public:
    std::string_view name() const override { return "validate"; }
    std::string_view summary() const override;
    void declare(CLI::App& app) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    ValidationOptions options_;
    std::optional<Validator> validator_;  // once the command line is read
};

}  // namespace zuhost
