// A progress line on a terminal stream for work that takes a while: silent
// for the first second, then rewritten in place at most ten times a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

namespace zuhost {

class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;

    explicit ProgressLine(std::ostream& out, Clock::time_point start = Clock::now()) : out_(out), start_(start) {}

    void update(int64_t done, int64_t total, Clock::time_point now = Clock::now());
    // Ends the line if one was shown.
    void finish();

private:
    std::ostream& out_;
    Clock::time_point start_;
    Clock::time_point lastShown_{};
    bool shown_ = false;
};

}  // namespace zuhost
