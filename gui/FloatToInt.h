// Float to integer conversions that are defined for every float: NaN gives
// 0 and values beyond the int32 range saturate, so coordinates from a host
// or a skin can never make a conversion undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace gmpi_gui {

inline int32_t saturatingInt(double value) {
    if (std::isnan(value)) return 0;
    if (value <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (value >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

inline int32_t truncateToInt(double value) { return saturatingInt(std::trunc(value)); }
inline int32_t floorToInt(double value) { return saturatingInt(std::floor(value)); }

}  // namespace gmpi_gui
