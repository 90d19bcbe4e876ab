#include "host/command/JsonOutput.h"

namespace zuhost {

void printJson(const Json& json, std::ostream& out) {
    out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace zuhost
