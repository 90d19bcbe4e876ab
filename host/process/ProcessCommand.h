// `zuhost process PLUGIN [LIBRARY] [options]`: runs one processor of a
// plug-in library in the substitute host with generated or recorded input
// and scripted pin values, and writes what it produced: a WAV per audio
// output, the timeline of values and streaming changes, scope captures, and
// a summary on `out`. Without LIBRARY it loads the library built beside
// zuhost. Options: ProcessOptions.h.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace zuhost {

int runProcessCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace zuhost
