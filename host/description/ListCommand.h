// `zuhost list [LIBRARY] [--json]`: prints what a plug-in library describes,
// read from the file without loading it, as aligned text or as JSON. Without
// LIBRARY it reads the library built beside zuhost.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace zuhost {

int runListCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace zuhost
