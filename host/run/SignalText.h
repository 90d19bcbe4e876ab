// Audio input signals as the command line names them: sine:HZ[:AMP],
// noise[:SEED[:AMP]], constant:VALUE, silence, wav:PATH[:CHANNEL].
//
// Contract: parseSignal throws UsageError for a malformed or non-finite
// number and for a file that cannot be read. A file's signal has a length,
// after which the caller should make the input static.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/audio/Signals.h"

namespace zuhost {

struct InputSignal {
    Signal signal;
    std::optional<int64_t> length;  // samples, for a file
    std::optional<float> fileRate;  // the file's own sample rate
};

// The forms, as help and errors name them.
inline constexpr std::string_view signalForms =
    "sine:HZ[:AMP], noise[:SEED[:AMP]], constant:VALUE, silence or wav:PATH[:CHANNEL]";

InputSignal parseSignal(std::string_view text);

}  // namespace zuhost
