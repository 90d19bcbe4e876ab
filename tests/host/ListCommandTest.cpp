#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/command/Command.h"
#include "host/zuhost/Zuhost.h"

namespace {

using namespace zuhost;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun list(std::vector<std::string_view> args) {
    args.insert(args.begin(), "list");
    std::ostringstream out, err;
    const int status = runZuhost(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ListCommand, WithoutALibraryReadsTheOneBesideTheExecutable) {
    const CommandRun run = list({});
    EXPECT_EQ(run.status, exitOk) << run.err;
    EXPECT_NE(run.out.find("ZU TrigScope3 XP  (name \"Triggered Scope\", category Diagnostic"), std::string::npos);
    EXPECT_NE(run.out.find("    3      VoiceGate       float     6     in         hostConnect=Voice/Gate"),
              std::string::npos)
        << run.out;
}

TEST(ListCommand, JsonHoldsTheSamePins) {
    const CommandRun run = list({"libzu_modules.so", "--json"});
    EXPECT_EQ(run.status, exitOk) << run.err;
    EXPECT_EQ(run.out.rfind("{\n  \"plugins\": [\n    {\n      \"id\": \"ZU Slider\",", 0), 0u)
        << run.out.substr(0, 200);
    EXPECT_NE(run.out.find("\"index\": 13,\n          \"name\": \"Value In\""), std::string::npos);
}

TEST(ListCommand, ReportsWrongUsageAndUnreadableLibraries) {
    EXPECT_EQ(list({"--xml"}).status, exitUsage);
    EXPECT_EQ(list({"a.so", "b.so"}).status, exitUsage);
    const CommandRun missing = list({"missing.so"});
    EXPECT_EQ(missing.status, exitFailed);
    EXPECT_EQ(missing.err, "zuhost list: cannot read missing.so\n");
    EXPECT_TRUE(missing.out.empty());
}

}  // namespace
