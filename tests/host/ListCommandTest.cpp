#include "host/description/ListCommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/description/JsonWriter.h"
#include "host/zuhost/Command.h"

namespace {

using namespace zuhost;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun list(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    const int status = runListCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ListCommand, WithoutALibraryReadsTheOneBesideTheExecutable) {
    const CommandRun run = list({});
    EXPECT_EQ(run.status, EXIT_OK) << run.err;
    EXPECT_NE(run.out.find("ZU TrigScope3 XP  (name \"Triggered Scope\", category Diagnostic"), std::string::npos);
    EXPECT_NE(run.out.find("    3      VoiceGate       float     6     in         hostConnect=Voice/Gate"),
              std::string::npos) << run.out;
}

TEST(ListCommand, JsonHoldsTheSamePins) {
    const CommandRun run = list({"libzu_modules.so", "--json"});
    EXPECT_EQ(run.status, EXIT_OK) << run.err;
    EXPECT_EQ(run.out.rfind("{\n  \"plugins\": [\n    {\n      \"id\": \"ZU Slider\",", 0), 0u) << run.out.substr(0, 200);
    EXPECT_NE(run.out.find("\"index\": 13,\n          \"name\": \"Value In\""), std::string::npos);
}

TEST(ListCommand, ReportsWrongUsageAndUnreadableLibraries) {
    EXPECT_EQ(list({"--xml"}).status, EXIT_USAGE);
    EXPECT_EQ(list({"a.so", "b.so"}).status, EXIT_USAGE);
    const CommandRun missing = list({"missing.so"});
    EXPECT_EQ(missing.status, EXIT_FAILED);
    EXPECT_EQ(missing.err, "zuhost list: cannot read missing.so\n");
    EXPECT_TRUE(missing.out.empty());
}

TEST(JsonWriter, EscapesEverythingThatWouldBreakAString) {
    EXPECT_EQ(jsonQuoted("plain"), "\"plain\"");
    EXPECT_EQ(jsonQuoted("q\"b\\s/"), R"("q\"b\\s/")");
    EXPECT_EQ(jsonQuoted("\n\r\t\b\f"), R"("\n\r\t\b\f")");
    EXPECT_EQ(jsonQuoted(std::string("\x01\x1f\0", 3)), R"("\u0001\u001f\u0000")");
    EXPECT_EQ(jsonQuoted("caf\xc3\xa9 \xe2\x82\xac"), "\"caf\xc3\xa9 \xe2\x82\xac\"");
    EXPECT_EQ(jsonQuoted("bad \xff \xc3"), "\"bad \xef\xbf\xbd \xef\xbf\xbd\"");
    EXPECT_EQ(jsonQuoted("\xed\xa0\x80"), "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\"");  // an encoded surrogate
}

TEST(JsonWriter, PlacesCommasAndIndentation) {
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject();
    json.numberMember("n", -3);
    json.key("list");
    json.beginArray();
    json.boolean(true);
    json.beginObject();
    json.endObject();
    json.endArray();
    json.key("empty");
    json.beginArray();
    json.endArray();
    json.endObject();
    EXPECT_EQ(out.str(), "{\n  \"n\": -3,\n  \"list\": [\n    true,\n    {}\n  ],\n  \"empty\": []\n}");
}

}  // namespace
