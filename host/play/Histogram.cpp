#include "host/play/Histogram.h"

#include <algorithm>
#include <cmath>

namespace zuhost::play {

Histogram::Histogram(double smallest, double largest, double step)
    : smallest_(smallest),
      logStep_(std::log(step)),
      bins_(static_cast<size_t>(std::ceil(std::log(largest / smallest) / std::log(step))) + 1, 0) {}

void Histogram::add(double value) {
    if (!std::isfinite(value)) return;
    const double bin = value <= smallest_ ? 0.0 : std::floor(std::log(value / smallest_) / logStep_);
    ++bins_[std::min(static_cast<size_t>(bin), bins_.size() - 1)];
    ++count_;
    largest_ = std::max(largest_, value);
}

void Histogram::clear() {
    std::fill(bins_.begin(), bins_.end(), 0);
    count_ = 0;
    largest_ = 0.0;
}

double Histogram::percentile(double p) const {
    if (count_ == 0) return 0.0;
    const auto rank = static_cast<int64_t>(std::ceil(std::clamp(p, 0.0, 1.0) * static_cast<double>(count_)));
    int64_t seen = 0;
    for (size_t bin = 0; bin < bins_.size(); ++bin) {
        seen += bins_[bin];
        if (seen >= std::max<int64_t>(rank, 1))
            return std::min(smallest_ * std::exp((static_cast<double>(bin) + 0.5) * logStep_), largest_);
    }
    return largest_;
}

}  // namespace zuhost::play
