#include "host/play/RealTimeTimers.h"

#include <algorithm>

#include "host/gui/VirtualPlatform.h"

namespace zuhost::play {

namespace {
constexpr int64_t nanosecondsPerMs = 1'000'000;
}

RealTimeTimers::RealTimeTimers(Clock clock) : clock_(std::move(clock)), startNs_(clock_()) {}

void RealTimeTimers::runDue() {
    const int64_t wholeMs = (clock_() - startNs_ - movedNs_) / nanosecondsPerMs;
    if (wholeMs <= 0) return;
    gui::VirtualPlatform::instance().advance(wholeMs);
    movedNs_ += wholeMs * nanosecondsPerMs;
}

int64_t RealTimeTimers::nanosecondsToNextTick() const {
    const int64_t dueNs = gui::VirtualPlatform::instance().nextDueNanoseconds();
    if (dueNs < 0) return -1;
    // Virtual time started wherever earlier users left it; it has moved with this clock since.
    const int64_t virtualNowNs = gui::VirtualPlatform::instance().nowNanoseconds();
    const int64_t elapsedSinceMoveNs = clock_() - startNs_ - movedNs_;
    return std::max<int64_t>(0, dueNs - virtualNowNs - elapsedSinceMoveNs);
}

}  // namespace zuhost::play
