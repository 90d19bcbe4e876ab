#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SkinText.h"

namespace {

using skin::decimalPrefix;
using skin::hexadecimalPrefix;
using skin::splitLines;
using skin::tokenizeLine;
using Tokens = std::vector<std::string>;

TEST(SkinTextTest, SeparatorsBetweenValuesAllGiveTheSameTokens) {
    const Tokens expected{"frame_size", "20", "30"};
    for (const char* line : {"frame_size 20 30", "frame_size\t20   30", "frame_size 20,30", "frame_size 20 , 30",
                             "frame_size,20,30", "frame_size '20' '30'", "  frame_size \"20\" 30  "})
        EXPECT_EQ(tokenizeLine(line), expected) << line;
}

TEST(SkinTextTest, QuotesAndCommasFollowTheirRules) {
    struct Case {
        const char* line;
        Tokens tokens;
    };
    const Case cases[] = {
        {"key 'a b, c'", {"key", "a b, c"}},
        {"key ''", {"key", ""}},
        {"key 'unclosed value", {"key", "unclosed value"}},
        {"key \"it's\"", {"key", "it's"}},
        {"key 'a','b'", {"key", "a", ",", "b"}},
        {"key a,,b", {"key", "a", ",b"}},
        {"key a , , b", {"key", "a", ",", "b"}},
        {"key a\t,b", {"key", "a", ",b"}},
        {"key a'b'", {"key", "a", "b"}},
        {"", {}},
        {" \t\r ", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(tokenizeLine(c.line), c.tokens) << c.line;
}

TEST(SkinTextTest, AZeroByteEndsTheLine) { EXPECT_EQ(tokenizeLine(std::string("key 1\0 2", 8)), (Tokens{"key", "1"})); }

TEST(SkinTextTest, LinesSplitAtLineFeedsWithoutTheirCarriageReturns) {
    EXPECT_EQ(splitLines("a\r\nb\nc"), (Tokens{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\n"), (Tokens{"a", ""}));
    EXPECT_EQ(splitLines(""), (Tokens{""}));
    EXPECT_EQ(splitLines("a\rb\n"), (Tokens{"a\rb", ""}));
}

TEST(SkinTextTest, NumbersAreLeadingDigitsSaturatingAtTheInt32Limits) {
    struct Case {
        const char* text;
        int32_t decimal;
    };
    const Case cases[] = {{"12", 12},
                          {"12.5", 12},
                          {"12px", 12},
                          {"-7", -7},
                          {"+3", 3},
                          {"px", 0},
                          {"", 0},
                          {"-", 0},
                          {" 5", 0},
                          {"99999999999", 2147483647},
                          {"-99999999999", -2147483647 - 1}};
    for (const Case& c : cases) EXPECT_EQ(decimalPrefix(c.text), c.decimal) << c.text;
    EXPECT_EQ(hexadecimalPrefix("ff00zz"), 0xFF00);
    EXPECT_EQ(hexadecimalPrefix("FFFFFFFF"), 2147483647);
}

}  // namespace
