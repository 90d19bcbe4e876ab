#include <gtest/gtest.h>

#include "tests/modules/ModuleTestSupport.h"

namespace {

using namespace moduletest;
using zuhost::Runner;

constexpr int32_t valueIn = 0;
constexpr int32_t valueOut = 1;

class ListEntryTest : public ::testing::Test {
protected:
    // (time, value) of every send on "Value Out".
    std::vector<std::pair<int64_t, int32_t>> run(int64_t samples) {
        EXPECT_EQ(openProcessor(runner, u"ZU List Entry"), gmpi::MP_OK);
        runner.run(samples);
        std::vector<std::pair<int64_t, int32_t>> sends;
        for (const SentValue& value : sentValues(runner.log(), valueOut)) {
            EXPECT_EQ(value.bytes.size(), 4u);
            sends.emplace_back(value.time, asInt(value));
        }
        return sends;
    }

    Runner runner{listEntryPins};
};

TEST_F(ListEntryTest, GraphStartSendsTheCurrentValueAndTheProcessorSleeps) {
    EXPECT_EQ(run(256), (std::vector<std::pair<int64_t, int32_t>>{{0, 0}}));
    EXPECT_GE(sleepRequests(runner.log()), 1);
}

TEST_F(ListEntryTest, RepeatedValueIsSentOnce) {
    runner.script().setValue(0, valueIn, int32_t{3});
    runner.script().setValue(100, valueIn, int32_t{3});
    EXPECT_EQ(run(256), (std::vector<std::pair<int64_t, int32_t>>{{0, 0}, {0, 3}}));
}

TEST_F(ListEntryTest, EachChangeIsSentAtItsOwnPositionInTheBlock) {
    runner.script().setValue(10, valueIn, int32_t{1});
    runner.script().setValue(20, valueIn, int32_t{2});
    runner.script().setValue(200, valueIn, int32_t{-7});
    EXPECT_EQ(run(256), (std::vector<std::pair<int64_t, int32_t>>{{0, 0}, {10, 1}, {20, 2}, {200, -7}}));
}

}  // namespace
