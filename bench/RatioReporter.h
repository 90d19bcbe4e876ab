// A console reporter that also keeps each benchmark's CPU time (steadier
// than wall time on a shared machine), so that a program can print ratios
// between benchmarks of the same run at the end. With repetitions, the
// median stands for the benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zubench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // CPU time in nanoseconds by benchmark name, for those that ran without failing.
    const std::map<std::string, double>& times() const { return times_; }

private:
    std::map<std::string, double> times_;
    std::set<std::string> failed_;  // a benchmark that failed once has no time
};

}  // namespace zubench
