// Runs every benchmark, then prints the ratio tables (the engine's by block
// size, the panels' once per row) with each target's verdict and, given
// --ratios_out=FILE, writes the ratios of both there as JSON.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/RatioTable.h"

namespace {

const std::vector<zubench::RatioRow> engineRows{
    {"static-fill", "static fill / std::fill", "StaticFill/{n}", "StdFill/{n}", 1.1, {512, 4096}},
    {"linear-ramp", "linear ramp / bare recurrence", "LinearRamp/{n}", "BareRamp/{n}", 1.3, {}},
    {"one-event-per-64", "1 event per 64 samples / none", "BlockLoop/{n}/1", "BlockLoop/{n}/0", 1.5, {64}},
    {"eight-events-per-64", "8 events per 64 samples / none", "BlockLoop/{n}/8", "BlockLoop/{n}/0", 6.0, {64}},
    {"scope-capture", "scope capture / memcpy", "ScopeCapture/{n}", "CaptureMemcpy/{n}", 1.2, {}},
    {"scope-capture-copying",
     "  its copying alone / memcpy",
     "ScopeCopying/{n}",
     "CopyingMemcpy/{n}",
     std::nullopt,
     {}},
    {"idle-slider", "idle slider / empty process", "IdleSlider/{n}", "EmptyProcess/{n}", std::nullopt, {}},
    {"poly-scope-16", "16-voice scope / memcpy of inputs", "PolyScope/{n}", "PolyScopeMemcpy/{n}", std::nullopt, {}},
};

// Panels render at one size each; a tracker finds these with a null blockSize.
const std::vector<zubench::RatioRow> panelRows{
    {"scope-frame", "scope frame 400x300 / Cairo alone", "ScopeFramePanel", "ScopeFrameCairo", 1.2, {}},
    {"slider-render", "slider render / its bitmaps", "SliderRenderPanel", "SliderRenderCairo", 2.0, {}},
    {"list-entry-render", "list entry render / its bitmaps", "ListEntryRenderPanel", "ListEntryRenderCairo", 2.0, {}},
};

// Takes --ratios_out=FILE out of the arguments, leaving the rest to the benchmark library.
std::string takeRatiosOut(int& argc, char** argv) {
    constexpr const char* option = "--ratios_out=";
    std::string path;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strncmp(argv[i], option, std::strlen(option)) == 0) {
            path = argv[i] + std::strlen(option);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string ratiosOut = takeRatiosOut(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    zubench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const zubench::RatioTable table(engineRows);
    const zubench::RatioTable panelTable(panelRows, /*sizes=*/{});
    auto cells = table.cells(reporter.times());
    const auto panelCells = panelTable.cells(reporter.times());
    table.print(cells, stdout);
    panelTable.print(panelCells, stdout);
    cells.insert(cells.end(), panelCells.begin(), panelCells.end());
    benchmark::Shutdown();
    if (!ratiosOut.empty()) {
        std::ofstream file(ratiosOut);
        zubench::RatioTable::writeJson(cells, file);
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", ratiosOut.c_str());
            return 1;
        }
        std::printf("\nratios written to %s\n", ratiosOut.c_str());
    }
    return 0;
}
