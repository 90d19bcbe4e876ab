// Numbers typed into a slider's readout. They read as the C library's
// conversion to double reads them in the "C" locale, whatever locale the host
// set and on every platform alike (the Windows runtime's conversion differs).
#pragma once

#include <optional>
#include <string_view>

namespace zu {

// The number that starts text: after white space (space, \t, \n, \v, \f, \r)
// and one optional sign, a decimal number (digits with an optional point and
// e exponent), a hexadecimal one (0x or 0X, hex digits with an optional point
// and p exponent) or inf, infinity or nan in any case. Text after it is
// ignored. None when no number starts the text or it lies outside the
// double range: beyond the largest double, or not zero but below the
// smallest normal one.
std::optional<double> leadingNumber(std::string_view text);

// The value typed text sets: its leading number narrowed to float. None,
// leaving the value as it was, when there is no number or it is out of
// range, and when it is not finite as a float (NaN, an infinity, a number
// beyond the float range).
std::optional<float> typedValue(std::string_view text);

}  // namespace zu
