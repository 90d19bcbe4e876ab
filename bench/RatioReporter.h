// A console reporter that also keeps each benchmark's CPU time (steadier
// than wall time on a shared machine), so that a
// program can print ratios between benchmarks of the same run at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace zubench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // time(name) / time(baseline), or NaN when either did not run.
    double ratio(const std::string& name, const std::string& baseline) const;

private:
    std::map<std::string, double> times_;
};

// Prints one row of a ratio table: a label, one ratio per column, and the target.
void printRatioRow(const std::string& label, const std::vector<double>& ratios, const std::string& target);

}  // namespace zubench
