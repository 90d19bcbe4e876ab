#include "bench/RatioTable.h"

#include <algorithm>

namespace zubench {

namespace {

std::string benchmarkName(const std::string& pattern, int64_t blockSize) {
    std::string name = pattern;
    const size_t at = name.find("{n}");
    if (at != std::string::npos) name.replace(at, 3, std::to_string(blockSize));
    return name;
}

bool targetApplies(const RatioRow& row, int64_t blockSize) {
    return row.target && (row.targetSizes.empty() || std::ranges::find(row.targetSizes, blockSize) != row.targetSizes.end());
}

std::string targetText(const RatioRow& row) {
    if (!row.target) return "-";
    char bound[32];
    std::snprintf(bound, sizeof bound, "<= %.2f", *row.target);
    std::string text = bound;
    for (size_t i = 0; i < row.targetSizes.size(); ++i)
        text.append(i == 0 ? " at " : ", ").append(std::to_string(row.targetSizes[i]));
    return text;
}

// "met", "MISSED at 64, 512", "not run" or "-" for a row without a target.
std::string verdict(const RatioRow& row, const std::vector<RatioCell>& cells) {
    if (!row.target) return "-";
    std::string missed;
    bool measured = false;
    for (const RatioCell& cell : cells) {
        if (cell.row != &row || !cell.target) continue;
        measured = true;
        if (!cell.met()) missed.append(missed.empty() ? "" : ", ").append(std::to_string(cell.blockSize));
    }
    if (!measured) return "not run";
    return missed.empty() ? "met" : "MISSED at " + missed;
}

}  // namespace

std::vector<RatioCell> RatioTable::cells(const std::map<std::string, double>& times) const {
    std::vector<RatioCell> cells;
    for (const RatioRow& row : rows_) {
        for (int64_t size : kBlockSizes) {
            const auto measured = times.find(benchmarkName(row.measured, size));
            const auto baseline = times.find(benchmarkName(row.baseline, size));
            if (measured == times.end() || baseline == times.end() || !(baseline->second > 0.0)) continue;
            cells.push_back({&row, size, measured->second / baseline->second,
                             targetApplies(row, size) ? row.target : std::nullopt});
        }
    }
    return cells;
}

void RatioTable::print(const std::vector<RatioCell>& cells, std::FILE* out) const {
    std::fprintf(out, "\n%-36s", "ratio, by block size");
    for (int64_t size : kBlockSizes) std::fprintf(out, "%9lld", static_cast<long long>(size));
    std::fprintf(out, "   %-22s %s\n", "target", "verdict");
    for (const RatioRow& row : rows_) {
        std::fprintf(out, "%-36s", row.label.c_str());
        for (int64_t size : kBlockSizes) {
            const auto cell = std::ranges::find_if(cells, [&](const RatioCell& c) { return c.row == &row && c.blockSize == size; });
            if (cell == cells.end()) {
                std::fprintf(out, "%9s", "-");
            } else {
                std::fprintf(out, "%8.2fx", cell->value);
            }
        }
        std::fprintf(out, "   %-22s %s\n", targetText(row).c_str(), verdict(row, cells).c_str());
    }
}

void RatioTable::writeJson(const std::vector<RatioCell>& cells, std::ostream& out) {
    out << "[\n";
    for (size_t i = 0; i < cells.size(); ++i) {
        const RatioCell& cell = cells[i];
        char numbers[96];
        std::snprintf(numbers, sizeof numbers, "\"blockSize\": %lld, \"value\": %.4f", static_cast<long long>(cell.blockSize),
                      cell.value);
        out << "  {\"name\": \"" << cell.row->name << "\", " << numbers;
        if (cell.target) {
            char target[32];
            std::snprintf(target, sizeof target, "%.4g", *cell.target);
            out << ", \"target\": " << target << ", \"met\": " << (cell.met() ? "true" : "false");
        } else {
            out << ", \"target\": null, \"met\": null";
        }
        out << "}" << (i + 1 < cells.size() ? "," : "") << "\n";
    }
    out << "]\n";
}

}  // namespace zubench
