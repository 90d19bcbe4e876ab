// The validator's random inputs: reproducible from the seed, independent
// between checks, and always valid values of their datatype.
#include "host/validate/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "framework/MpInterfaces.h"
#include "host/validate/Strictness.h"

namespace {

using zuhost::RandomSource;

TEST(RandomSource, ASeedAndLabelRepeatTheirSequenceAndOtherLabelsDoNot) {
    RandomSource first(42, "ZU Slider/sweep"), again(42, "ZU Slider/sweep"), other(42, "ZU Slider/sleep");
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        const int64_t value = first.integer(0, 1 << 30);
        EXPECT_EQ(again.integer(0, 1 << 30), value);
        same += other.integer(0, 1 << 30) == value;
    }
    EXPECT_LT(same, 3);
}

TEST(RandomSource, ValuesHaveTheirDatatypesSizeAndFloatsAreNormalNumbers) {
    RandomSource random(1, "values");
    std::set<float> distinct;
    for (int i = 0; i < 20000; ++i) {
        const auto bytes = random.value(gmpi::MP_FLOAT32);
        ASSERT_EQ(bytes.size(), 4u);
        float value;
        std::memcpy(&value, bytes.data(), 4);
        ASSERT_TRUE(std::isfinite(value)) << value;
        ASSERT_NE(std::fpclassify(value), FP_SUBNORMAL) << value;
        distinct.insert(value);
    }
    EXPECT_GT(distinct.size(), 10000u);
    EXPECT_EQ(random.value(gmpi::MP_INT32).size(), 4u);
    EXPECT_EQ(random.value(gmpi::MP_BOOL).size(), 1u);
    EXPECT_LE(random.value(gmpi::MP_BOOL)[0], 1);
}

TEST(Strictness, EachLevelKeepsTheConfigurationsOfTheLevelsBelow) {
    for (int level = zuhost::minStrictness; level < zuhost::maxStrictness; ++level) {
        const auto lower = zuhost::sweepConfigs(level);
        const auto higher = zuhost::sweepConfigs(level + 1);
        for (const auto& config : lower) {
            EXPECT_TRUE(std::any_of(
                higher.begin(), higher.end(),
                [&](const auto& c) { return c.sampleRate == config.sampleRate && c.blockSize == config.blockSize; }))
                << config.describe() << " is lost at level " << level + 1;
        }
    }
    EXPECT_EQ(zuhost::sweepConfigs(zuhost::maxStrictness).size(), 5u * 6u);
}

}  // namespace
