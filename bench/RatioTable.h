// The ratio table that ends a benchmark run: each row divides one benchmark's
// time by its baseline's, per block size, and checks the row's target.
//
// Contract: benchmark names are "<family>/<block size>[/<more args>]"; a row
// names them with "{n}" in place of the block size. A ratio whose benchmarks
// do not both have a time (filtered out, or failed) is left out. A target is
// an upper bound on the ratio; a row without one is shown for information.
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
inline const std::vector<int64_t> kBlockSizes{16, 64, 512, 4096};

struct RatioRow {
    std::string name;                   // identifier in the JSON output
    std::string label;                  // text in the printed table
    std::string measured;               // benchmark name pattern, "{n}" for the block size
    std::string baseline;
    std::optional<double> target;       // the ratio may not exceed it
    std::vector<int64_t> targetSizes;   // block sizes the target applies to; empty: all
};

struct RatioCell {
    const RatioRow* row;
    int64_t blockSize;
    double value;
    std::optional<double> target;       // set when the row's target applies at this size
    bool met() const { return !target || value <= *target; }
};

class RatioTable {
public:
    explicit RatioTable(std::vector<RatioRow> rows) : rows_(std::move(rows)) {}

    // The ratios of every row at every block size, from times by benchmark name.
    std::vector<RatioCell> cells(const std::map<std::string, double>& times) const;
    // Values by block size, each row's target and verdict: "met", "MISSED at ..." or "not run".
    void print(const std::vector<RatioCell>& cells, std::FILE* out) const;
    // A JSON array, one object per ratio: name, blockSize, value, target and
    // met (target and met are null for a ratio shown for information).
    static void writeJson(const std::vector<RatioCell>& cells, std::ostream& out);

private:
    std::vector<RatioRow> rows_;
};

}  // namespace zubench
