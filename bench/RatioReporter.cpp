#include "bench/RatioReporter.h"

namespace zubench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the benchmark; it is reported after the repetitions.
    for (const Run& run : runs) {
        const std::string name = run.run_name.str();
        if (run.error_occurred) failed_.insert(name);
        if (failed_.contains(name)) {
            times_.erase(name);
            continue;
        }
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
        // Whatever unit a benchmark reports in, ratios and rates compare nanoseconds.
        times_[name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    }
}

}  // namespace zubench
