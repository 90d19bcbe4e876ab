#include "host/process/ProgressLine.h"

namespace zuhost {

void ProgressLine::update(int64_t done, int64_t total, Clock::time_point now) {
    using namespace std::chrono_literals;
    if (now - start_ < 1s || (shown_ && now - lastShown_ < 100ms) || total <= 0) return;
    out_ << "\rprocessing: " << done * 100 / total << "% (" << done << " of " << total << " samples)" << std::flush;
    lastShown_ = now;
    shown_ = true;
}

void ProgressLine::finish() {
    if (shown_) out_ << '\n';
    shown_ = false;
}

}  // namespace zuhost
