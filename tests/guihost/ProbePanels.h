// Panels registered with the library's factory for the session tests.
#pragma once

#include <cstdint>

// Shows a level as a red rectangle and a label beneath it; a click sends
// "clicks" one higher, ten with Control held. Counts its handler runs and
// timer ticks.
inline constexpr const char16_t* probePanelId = u"ZU Test Probe Panel";
// Creates a brush and a text format in each render and releases neither;
// releaseLeaks() lets a test clean up after it.
inline constexpr const char16_t* leakyPanelId = u"ZU Test Leaky Panel";
void releaseLeaks();

namespace probepins {
enum : int32_t { Level = 0, Label = 1, Enabled = 2, Clicks = 3, Traces = 4 };
}

struct ProbeCounts {
    int32_t levelHandlerRuns = 0;
    int32_t lastTraceVoice = -1;
    int32_t timerTicks = 0;
    int32_t lastTraceSize = 0;
    bool enabled = false;
};
// What the last probe panel created has seen; reset when one is created.
ProbeCounts& probeCounts();
