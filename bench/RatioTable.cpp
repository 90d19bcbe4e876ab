#include "bench/RatioTable.h"

#include <algorithm>

namespace zubench {

namespace {

// The pattern with the block size in place of "{n}"; as given without a size.
std::string benchmarkName(const std::string& pattern, std::optional<int64_t> blockSize) {
    std::string name = pattern;
    const size_t at = name.find("{n}");
    if (blockSize && at != std::string::npos) name.replace(at, 3, std::to_string(*blockSize));
    return name;
}

bool targetApplies(const RatioRow& row, std::optional<int64_t> blockSize) {
    return row.target && (!blockSize || row.targetSizes.empty() ||
                          std::ranges::find(row.targetSizes, *blockSize) != row.targetSizes.end());
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

// "met", "MISSED at 64, 512" ("MISSED" without block sizes), "not run" or "-" for a row without a target.
std::string verdict(const RatioRow& row, const std::vector<RatioCell>& cells) {
    if (!row.target) return "-";
    std::string missedSizes;
    bool measured = false, missed = false;
    for (const RatioCell& cell : cells) {
        if (cell.row != &row || !cell.target) continue;
        measured = true;
        if (cell.met()) continue;
        missed = true;
        if (cell.blockSize)
            missedSizes.append(missedSizes.empty() ? " at " : ", ").append(std::to_string(*cell.blockSize));
    }
    if (!measured) return "not run";
    return missed ? "MISSED" + missedSizes : "met";
}

const RatioCell* findCell(const std::vector<RatioCell>& cells, const RatioRow& row, std::optional<int64_t> blockSize) {
    const auto cell =
        std::ranges::find_if(cells, [&](const RatioCell& c) { return c.row == &row && c.blockSize == blockSize; });
    return cell == cells.end() ? nullptr : &*cell;
}

double perSecond(double nanoseconds) { return 1e9 / nanoseconds; }

}  // namespace

std::vector<RatioCell> RatioTable::cells(const std::map<std::string, double>& times) const {
    std::vector<RatioCell> cells;
    const auto addCell = [&](const RatioRow& row, std::optional<int64_t> size) {
        const auto measured = times.find(benchmarkName(row.measured, size));
        const auto baseline = times.find(benchmarkName(row.baseline, size));
        if (measured == times.end() || baseline == times.end() || !(baseline->second > 0.0)) return;
        cells.push_back({&row, size, measured->second / baseline->second, measured->second, baseline->second,
                         targetApplies(row, size) ? row.target : std::nullopt});
    };
    for (const RatioRow& row : rows_) {
        if (blockSizes_.empty()) addCell(row, std::nullopt);
        for (int64_t size : blockSizes_) addCell(row, size);
    }
    return cells;
}

void RatioTable::print(const std::vector<RatioCell>& cells, std::FILE* out) const {
    if (blockSizes_.empty())
        printOnce(cells, out);
    else
        printBySize(cells, out);
}

void RatioTable::printBySize(const std::vector<RatioCell>& cells, std::FILE* out) const {
    std::fprintf(out, "\n%-36s", "ratio, by block size");
    for (int64_t size : blockSizes_) std::fprintf(out, "%9lld", static_cast<long long>(size));
    std::fprintf(out, "   %-22s %s\n", "target", "verdict");
    for (const RatioRow& row : rows_) {
        std::fprintf(out, "%-36s", row.label.c_str());
        for (int64_t size : blockSizes_) {
            if (const RatioCell* cell = findCell(cells, row, size))
                std::fprintf(out, "%8.2fx", cell->value);
            else
                std::fprintf(out, "%9s", "-");
        }
        std::fprintf(out, "   %-22s %s\n", targetText(row).c_str(), verdict(row, cells).c_str());
    }
}

void RatioTable::printOnce(const std::vector<RatioCell>& cells, std::FILE* out) const {
    std::fprintf(out, "\n%-36s%9s%12s%12s   %-22s %s\n", "ratio", "", "runs/s", "baseline/s", "target", "verdict");
    for (const RatioRow& row : rows_) {
        std::fprintf(out, "%-36s", row.label.c_str());
        if (const RatioCell* cell = findCell(cells, row, std::nullopt))
            std::fprintf(out, "%8.2fx%12.1f%12.1f", cell->value, perSecond(cell->measuredTime),
                         perSecond(cell->baselineTime));
        else
            std::fprintf(out, "%9s%12s%12s", "-", "-", "-");
        std::fprintf(out, "   %-22s %s\n", targetText(row).c_str(), verdict(row, cells).c_str());
    }
}

void RatioTable::writeJson(const std::vector<RatioCell>& cells, std::ostream& out) {
    out << "[\n";
    for (size_t i = 0; i < cells.size(); ++i) {
        const RatioCell& cell = cells[i];
        const std::string blockSize = cell.blockSize ? std::to_string(*cell.blockSize) : "null";
        char numbers[96];
        std::snprintf(numbers, sizeof numbers, "\"blockSize\": %s, \"value\": %.4f", blockSize.c_str(), cell.value);
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
