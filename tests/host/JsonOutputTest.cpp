#include "host/command/JsonOutput.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

namespace {

using namespace zuhost;

std::string printed(const Json& json) {
    std::ostringstream out;
    printJson(json, out);
    return out.str();
}

TEST(JsonOutput, EscapesEverythingThatWouldBreakAString) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "\"plain\""},
        {"q\"b\\s/", R"("q\"b\\s/")"},
        {"\n\r\t\b\f", R"("\n\r\t\b\f")"},
        {std::string("\x01\x1f\0", 3), R"("\u0001\u001f\u0000")"},
        {"caf\xc3\xa9 \xe2\x82\xac", "\"caf\xc3\xa9 \xe2\x82\xac\""},
        {"bad \xff \xc3", "\"bad \xef\xbf\xbd \xef\xbf\xbd\""},
        {"\xed\xa0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},  // an encoded surrogate
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(printed(text), quoted + "\n") << text;
}

TEST(JsonOutput, KeepsMemberOrderAndIndentsByTwo) {
    const Json json = {{"n", -3}, {"list", {true, Json::object()}}, {"empty", Json::array()}};
    EXPECT_EQ(printed(json), "{\n  \"n\": -3,\n  \"list\": [\n    true,\n    {}\n  ],\n  \"empty\": []\n}\n");
}

}  // namespace
