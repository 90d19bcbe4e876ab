// Counts of positive values in bins that widen with the value, for
// percentiles over a run of any length in a fixed amount of memory.
//
// Contract: values at or below `smallest` fall into the first bin, values
// at or above `largest` into the last; a percentile answers the middle of
// its bin (within `step` of the truth), or 0 with nothing added.
#pragma once

#include <cstdint>
#include <vector>

namespace zuhost::play {

class Histogram {
public:
    Histogram(double smallest, double largest, double step = 1.01);

    void add(double value);
    void clear();
    int64_t count() const { return count_; }
    double largestSeen() const { return largest_; }
    // p in [0, 1].
    double percentile(double p) const;

private:
    double smallest_;
    double logStep_;
    std::vector<int64_t> bins_;
    int64_t count_ = 0;
    double largest_ = 0.0;
};

}  // namespace zuhost::play
