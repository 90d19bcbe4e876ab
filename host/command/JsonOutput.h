// JSON as zuhost writes it, for every command and file: members in the order
// they were added, indented by two spaces, a line break at the end. Text that
// is not valid UTF-8 has its bad bytes replaced by U+FFFD, so the output is
// valid JSON whatever a plug-in library holds.
#pragma once

#include <nlohmann/json.hpp>

#include <ostream>

namespace zuhost {

using Json = nlohmann::ordered_json;

void printJson(const Json& json, std::ostream& out);

}  // namespace zuhost
