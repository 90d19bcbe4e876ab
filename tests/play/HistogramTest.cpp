#include <gtest/gtest.h>

#include <cmath>

#include "host/play/Histogram.h"

namespace {

using zuhost::play::Histogram;

TEST(HistogramTest, PercentilesFallWithinOneStepOfTheTruth) {
    Histogram histogram(1e-3, 1e6, 1.01);
    for (int i = 1; i <= 1000; ++i) histogram.add(i);
    EXPECT_NEAR(histogram.percentile(0.5), 500, 500 * 0.01);
    EXPECT_NEAR(histogram.percentile(0.99), 990, 990 * 0.01);
    EXPECT_LE(histogram.percentile(1.0), 1000);
    EXPECT_EQ(histogram.largestSeen(), 1000);
    EXPECT_EQ(histogram.count(), 1000);
}

TEST(HistogramTest, ValuesOutsideTheRangeAndNonNumbersDoNotBreakIt) {
    Histogram histogram(1.0, 100.0);
    histogram.add(0.0);
    histogram.add(-5.0);
    histogram.add(1e9);
    histogram.add(std::nan(""));
    EXPECT_EQ(histogram.count(), 3);
    EXPECT_LE(histogram.percentile(0.0), 1.01);
    histogram.clear();
    EXPECT_EQ(histogram.percentile(0.5), 0.0);
}

}  // namespace
