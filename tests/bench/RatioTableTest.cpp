#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "bench/RatioTable.h"

namespace {

using zubench::RatioRow;
using zubench::RatioTable;

// Times (ns) for a fill measured at 16 and 512 samples, and a second row
// without a target whose baseline did not run at 512.
const std::map<std::string, double> measuredTimes{
    {"Fill/16", 30.0},  {"Base/16", 10.0}, {"Fill/512", 105.0}, {"Base/512", 100.0},
    {"Info/16/1", 4.0}, {"Other/16", 2.0}, {"Info/512/1", 4.0},
};

RatioTable table() {
    return RatioTable({
        {"fill", "fill / base", "Fill/{n}", "Base/{n}", 1.1, {512, 4096}},
        {"info", "info / other", "Info/{n}/1", "Other/{n}", std::nullopt, {}},
    });
}

std::string printed(const RatioTable& table, const std::vector<zubench::RatioCell>& cells) {
    std::FILE* file = std::tmpfile();
    table.print(cells, file);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text.push_back(static_cast<char>(c));
    std::fclose(file);
    return text;
}

TEST(RatioTableTest, TargetsApplyOnlyAtTheirBlockSizesAndRatiosWithoutBothTimesAreLeftOut) {
    const RatioTable ratios = table();
    const auto cells = ratios.cells(measuredTimes);
    std::ostringstream json;
    RatioTable::writeJson(cells, json);
    EXPECT_EQ(json.str(),
              "[\n"
              "  {\"name\": \"fill\", \"blockSize\": 16, \"value\": 3.0000, \"target\": null, \"met\": null},\n"
              "  {\"name\": \"fill\", \"blockSize\": 512, \"value\": 1.0500, \"target\": 1.1, \"met\": true},\n"
              "  {\"name\": \"info\", \"blockSize\": 16, \"value\": 2.0000, \"target\": null, \"met\": null}\n"
              "]\n");
}

TEST(RatioTableTest, VerdictNamesTheBlockSizesThatMissTheirTarget) {
    std::map<std::string, double> times = measuredTimes;
    times["Fill/4096"] = 1300.0;
    times["Base/4096"] = 1000.0;
    const RatioTable ratios = table();
    const std::string text = printed(ratios, ratios.cells(times));
    EXPECT_NE(text.find("fill / base"), std::string::npos);
    EXPECT_NE(text.find("3.00x"), std::string::npos);
    EXPECT_NE(text.find("<= 1.10 at 512, 4096"), std::string::npos);
    EXPECT_NE(text.find("MISSED at 4096"), std::string::npos);

    times.erase("Base/512");
    times.erase("Base/4096");
    EXPECT_NE(printed(ratios, ratios.cells(times)).find("not run"), std::string::npos);
}

TEST(RatioTableTest, ATableWithoutBlockSizesRatesEachRowOnceWithRunsPerSecondAndANullBlockSize) {
    const RatioTable panels(
        {
            {"frame", "frame / replay", "FramePanel", "FrameCairo", 1.2, {}},
            {"render", "render / bitmaps", "RenderPanel", "RenderCairo", 2.0, {}},
        },
        /*sizes=*/{});
    const std::map<std::string, double> times{
        {"FramePanel", 25e6},    {"FrameCairo", 20e6},   {"RenderPanel", 3000.0},
        {"RenderCairo", 2000.0}, {"FramePanel/16", 1.0},
    };
    const auto cells = panels.cells(times);
    std::ostringstream json;
    RatioTable::writeJson(cells, json);
    EXPECT_EQ(json.str(),
              "[\n"
              "  {\"name\": \"frame\", \"blockSize\": null, \"value\": 1.2500, \"target\": 1.2, \"met\": false},\n"
              "  {\"name\": \"render\", \"blockSize\": null, \"value\": 1.5000, \"target\": 2, \"met\": true}\n"
              "]\n");

    const std::string text = printed(panels, cells);
    const size_t frameRow = text.find("frame / replay");
    ASSERT_NE(frameRow, std::string::npos);
    const std::string frameLine = text.substr(frameRow, text.find('\n', frameRow) - frameRow);
    EXPECT_NE(frameLine.find("1.25x        40.0        50.0"), std::string::npos) << frameLine;
    EXPECT_NE(frameLine.find("MISSED"), std::string::npos) << frameLine;
    EXPECT_EQ(frameLine.find("MISSED at"), std::string::npos) << frameLine;
    EXPECT_NE(text.find("met", text.find("render / bitmaps")), std::string::npos);
}

}  // namespace
