// zuhost validate on small libraries with deliberate faults: each is reported
// by the check that should catch it, and only by that one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "host/zuhost/Zuhost.h"
#include "tests/support/TestTempPath.h"

namespace {

using namespace zuhost;

struct ValidationRun {
    int status;
    std::string out;
    std::string err;

    std::vector<std::string> rows(const char* status) const {
        std::vector<std::string> found;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with(status)) found.push_back(line);
        return found;
    }
    std::vector<std::string> failures() const { return rows("FAIL  "); }
    std::string lastLine() const {
        const auto end = out.find_last_not_of('\n');
        return out.substr(out.rfind('\n', end) + 1, end - out.rfind('\n', end));
    }
};

std::filesystem::path binDirectory() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

// The fixtures are built into bin/fixtures, beside this test executable.
std::string fixture(const std::string& name) {
    return (binDirectory() / "fixtures" / ("libzu_fixture_" + name + ".so")).string();
}

ValidationRun validate(std::vector<std::string> args) {
    args.insert(args.begin(), "validate");
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    const int status = runZuhost(views, out, err);
    return {status, out.str(), err.str()};
}

ValidationRun validateFixture(const std::string& name, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{fixture(name), "--audio-only", "--strictness", "2"};
    args.insert(args.end(), extra.begin(), extra.end());
    return validate(args);
}

TEST(ValidateCommand, TheBuiltLibraryPassesOnTheAudioSide) {
    const ValidationRun run = validate({(binDirectory() / "libzu_modules.so").string(), "--audio-only", "--strictness", "3"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(run.failures().empty()) << run.out;
}

TEST(ValidateCommand, PassesASoundLibraryAndExitsZero) {
    const ValidationRun run = validateFixture("sound");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(run.failures().empty()) << run.out;
    EXPECT_EQ(run.lastLine(), "15 passed, 0 failed");
}

TEST(ValidateCommand, EachBrokenFixtureFailsExactlyTheCheckThatCatchesItsFault) {
    struct Fault {
        const char* fixture;
        const char* check;
        const char* reason;
    };
    for (const Fault fault : {Fault{"allocates", "real-time safety", "process allocated"},
                              Fault{"nan", "processing sweep", "wrote NaN to pin 2 \"Signal Out\""},
                              Fault{"unregistered_pin", "registers the described pins", "names pin 3 \"Level\""}}) {
        SCOPED_TRACE(fault.fixture);
        const ValidationRun run = validateFixture(fault.fixture);
        EXPECT_EQ(run.status, 1);
        ASSERT_EQ(run.failures().size(), 1u) << run.out;
        EXPECT_NE(run.failures()[0].find(std::string("ZU Fixture Gain: ") + fault.check), std::string::npos) << run.out;
        EXPECT_NE(run.failures()[0].find(fault.reason), std::string::npos) << run.out;
        EXPECT_EQ(run.lastLine(), "14 passed, 1 failed");
    }
}

TEST(ValidateCommand, ACrashFailsTheChecksThatCrashAndTheRunGoesOn) {
    const ValidationRun run = validateFixture("crashes");
    EXPECT_EQ(run.status, 1);
    for (const std::string& row : run.failures()) EXPECT_NE(row.find("crashed with SIGSEGV"), std::string::npos) << row;
    const std::vector<std::string> passes = run.rows("PASS  ");
    EXPECT_EQ(passes.size(), 9u) << run.out;
    EXPECT_TRUE(std::any_of(passes.begin(), passes.end(), [](const std::string& row) {
        return row.find("registers the described pins") != std::string::npos;
    })) << "checks that never call process still pass";
    EXPECT_NE(run.failures().back().find("reference counting"), std::string::npos) << "the last check still ran";
    EXPECT_EQ(run.lastLine(), "9 passed, 6 failed");
}

TEST(ValidateCommand, AsksForAPanelUnlessAudioOnly) {
    const ValidationRun run = validate({fixture("sound"), "--strictness", "1"});
    ASSERT_EQ(run.failures().size(), 1u) << run.out;
    EXPECT_NE(run.failures()[0].find("creates a panel"), std::string::npos);
    EXPECT_NE(run.failures()[0].find("of kind 2"), std::string::npos);
}

TEST(ValidateCommand, TheSameSeedReproducesARunAndAnotherSeedVariesIt) {
    const auto failureWithSeed = [](const char* seed) {
        const ValidationRun run = validateFixture("nan", {"--seed", seed});
        return run.failures().empty() ? std::string() : run.failures()[0].substr(run.failures()[0].find("wrote"));
    };
    const std::string first = failureWithSeed("7");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(failureWithSeed("7"), first);
    EXPECT_NE(failureWithSeed("8"), first);
}

TEST(ValidateCommand, PluginOptionKeepsTheLibraryChecksAndThatPluginsOnes) {
    const ValidationRun run = validateFixture("sound", {"--plugin", "ZU Fixture Gain"});
    EXPECT_EQ(run.lastLine(), "15 passed, 0 failed");
    const ValidationRun unknown = validateFixture("sound", {"--plugin", "ZU Nothing"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("no plug-in \"ZU Nothing\""), std::string::npos) << unknown.err;
}

TEST(ValidateCommand, WritesTheSameResultsAsJson) {
    const auto path = testTempPath("validate.json");
    const ValidationRun run = validateFixture("unregistered_pin", {"--json", path.string()});
    std::ifstream file(path);
    const std::string json{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(json.find("\"name\": \"registers the described pins\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"passed\": false"), std::string::npos);
    EXPECT_NE(json.find("\"passed\": 14"), std::string::npos);
    EXPECT_NE(json.find("\"failed\": 1"), std::string::npos);
    EXPECT_NE(json.find("setBuffer(3) answered -1"), std::string::npos);
}

TEST(ValidateCommand, RejectsBadArgumentsWithUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--strictness", "0"}, {"--strictness", "11"}, {"--strictness", "x"}, {"--seed", "-1"},
             {"--seed"}, {"--frobnicate"}, {"a.so", "b.so"}}) {
        const ValidationRun run = validate(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find("usage: zuhost validate"), std::string::npos) << run.err;
    }
}

TEST(ValidateCommand, AMissingLibraryFailsItsChecksWithoutCrashing) {
    const ValidationRun run = validate({fixture("missing"), "--audio-only", "--strictness", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lastLine(), "0 passed, 7 failed");
    EXPECT_NE(run.failures()[0].find("cannot load"), std::string::npos) << run.out;
}

}  // namespace
