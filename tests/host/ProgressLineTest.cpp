#include "host/process/ProgressLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace std::chrono_literals;
using zuhost::ProgressLine;

TEST(ProgressLine, StaysSilentForTheFirstSecondThenShowsAtMostTenTimesASecond) {
    std::ostringstream out;
    const auto start = ProgressLine::Clock::now();
    ProgressLine progress(out, start);
    progress.update(10, 100, start + 999ms);
    progress.finish();
    EXPECT_EQ(out.str(), "");

    progress.update(25, 100, start + 1s);
    progress.update(30, 100, start + 1050ms);
    progress.update(50, 200, start + 1100ms);
    progress.finish();
    EXPECT_EQ(out.str(), "\rprocessing: 25% (25 of 100 samples)\rprocessing: 25% (50 of 200 samples)\n");
}

}  // namespace
