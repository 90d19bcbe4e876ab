// Checks on what a processor told its host and wrote to its outputs during
// one block of a run. Each throws CheckFailure naming the pin, the absolute
// sample time and what is wrong.
#pragma once

#include <cstdint>
#include <span>

#include "host/audio/CallLog.h"
#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"

namespace zuhost {

// Values and streaming changes are stamped inside [blockStart, blockStart +
// frames), in non-decreasing order.
void requireTimesInsideBlock(const CallLog& log, int64_t blockStart, int32_t frames);

// Values go only to described outputs that are not audio-rate, with the size
// their datatype implies (float and int 4 bytes, bool 1, blob and text any);
// streaming changes only to described audio outputs.
void requireDescribedOutputs(const CallLog& log, const PluginDescription& plugin);

// Float values sent and every sample of every audio output are finite and not
// subnormal.
void requireFiniteOutputs(const Runner& runner, const PluginDescription& plugin, int64_t blockStart);

}  // namespace zuhost
