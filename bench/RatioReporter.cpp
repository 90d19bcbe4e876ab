#include "bench/RatioReporter.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace zubench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the benchmark; it is reported after the repetitions.
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
        times_[run.run_name.str()] = run.GetAdjustedCPUTime();
    }
}

double RatioReporter::ratio(const std::string& name, const std::string& baseline) const {
    const auto measured = times_.find(name);
    const auto base = times_.find(baseline);
    if (measured == times_.end() || base == times_.end() || base->second <= 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return measured->second / base->second;
}

void printRatioRow(const std::string& label, const std::vector<double>& ratios, const std::string& target) {
    std::printf("%-34s", label.c_str());
    for (double ratio : ratios) {
        if (std::isnan(ratio)) {
            std::printf("%9s", "-");
        } else {
            std::printf("%8.2fx", ratio);
        }
    }
    std::printf("   %s\n", target.c_str());
}

}  // namespace zubench
