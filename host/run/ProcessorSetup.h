// What the substitute host needs to run a described processor: the pins of
// its audio side, and a way to create it through the library's factory.
#pragma once

#include <string>
#include <vector>

#include "host/audio/PinInfo.h"
#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"
#include "host/description/PluginLibrary.h"

namespace zuhost {

// Every pin of the description's Audio section, in its order.
std::vector<PinInfo> audioPinInfos(const PluginDescription& plugin);

// Creates the processor so that it receives its host exactly once: one that
// offers IMpPlugin2 is made without a host (the runner hands it over through
// setHost), one that offers only IMpPlugin is made again through
// createInstance with the host. Null when the factory creates nothing. The
// library must outlive the creator and every instance it made.
PluginCreator processorCreator(const PluginLibrary& library, const std::string& pluginId);

// Settings for a run of `voices` voices, polyphonic when more than one.
RunnerSettings runnerSettings(float sampleRate, int32_t blockSize, int32_t voices, int32_t sleepCountdown);

// A host feeds the pins it connects itself: every voice sounds from the
// start. Call before scripting the caller's values, so those of the same time win.
void feedHostConnectedPins(Runner& runner, const PluginDescription& plugin);

}  // namespace zuhost
