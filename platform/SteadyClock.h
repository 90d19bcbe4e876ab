// A monotonic clock for measuring how long ago something happened.
#pragma once

#include <cstdint>

namespace platform {

int64_t steadyNanoseconds();

}  // namespace platform
