// `zuhost validate [LIBRARY] [--plugin ID] [--seed N] [--strictness 1..10]
// [--json FILE] [--audio-only]`: runs the validator's checks on a plug-in
// library (the one built beside zuhost when LIBRARY is not given), prints a
// table of results and "N passed, M failed", and exits with 0 only when no
// check failed.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace zuhost {

int runValidateCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace zuhost
