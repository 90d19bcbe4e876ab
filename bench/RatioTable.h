// The ratio table that ends a benchmark run: each row divides one benchmark's
// time by its baseline's, per block size, and checks the row's target.
//
// Contract: benchmark names are "<family>/<block size>[/<more args>]"; a row
// names them with "{n}" in place of the block size. A table made without
// block sizes measures each row once, by the names as given, and shows how
// many runs of each benchmark fit in a second (times are nanoseconds per
// run). A ratio whose benchmarks do not both have a time (filtered out, or
// failed) is left out. A target is an upper bound on the ratio; a row
// without one is shown for information.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zubench {

// The block sizes every benchmark runs at: the table's columns.
inline const std::vector<int64_t> blockSizes{16, 64, 512, 4096};

struct RatioRow {
    std::string name;      // identifier in the JSON output
    std::string label;     // text in the printed table
    std::string measured;  // benchmark name pattern, "{n}" for the block size
    std::string baseline;
    std::optional<double> target;      // the ratio may not exceed it
    std::vector<int64_t> targetSizes;  // block sizes the target applies to; empty: all
};

struct RatioCell {
    const RatioRow* row;
    std::optional<int64_t> blockSize;  // none in a table without block sizes
    double value;
    double measuredTime;  // nanoseconds per run of each benchmark
    double baselineTime;
    std::optional<double> target;  // set when the row's target applies at this size
    bool met() const { return !target || value <= *target; }
};

class RatioTable {
public:
    explicit RatioTable(std::vector<RatioRow> rows, std::vector<int64_t> sizes = blockSizes)
        : rows_(std::move(rows)), blockSizes_(std::move(sizes)) {}

    // The ratios of every row at every block size (or once), from times by benchmark name.
    std::vector<RatioCell> cells(const std::map<std::string, double>& times) const;
    // Values by block size (or one value and runs per second), each row's
    // target and verdict: "met", "MISSED[ at ...]" or "not run".
    void print(const std::vector<RatioCell>& cells, std::FILE* out) const;
    // A JSON array, one object per ratio: name, blockSize, value, target and
    // met (target and met are null for a ratio shown for information;
    // blockSize is null in a table without block sizes).
    static void writeJson(const std::vector<RatioCell>& cells, std::ostream& out);

private:
    void printBySize(const std::vector<RatioCell>& cells, std::FILE* out) const;
    void printOnce(const std::vector<RatioCell>& cells, std::FILE* out) const;

    std::vector<RatioRow> rows_;
    std::vector<int64_t> blockSizes_;
};

}  // namespace zubench
