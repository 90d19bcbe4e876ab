// One CSV field: quoted, with inner quotes doubled, when it holds a comma, a
// quote or a line break; as it is otherwise.
#pragma once

#include <string>
#include <string_view>

namespace zuhost {

std::string csvField(std::string_view text);

}  // namespace zuhost
