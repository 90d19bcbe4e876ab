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

// The run failed, and only in `title`, for `reason`.
void expectOnlyFailure(const ValidationRun& run, const std::string& title, const char* reason) {
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.failures().size(), 1u) << run.out;
    EXPECT_NE(run.failures()[0].find(title), std::string::npos) << run.out;
    EXPECT_NE(run.failures()[0].find(reason), std::string::npos) << run.out;
}

ValidationRun validateFixture(const std::string& name, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{fixture(name), "--audio-only", "--strictness", "2"};
    args.insert(args.end(), extra.begin(), extra.end());
    return validate(args);
}

TEST(ValidateCommand, TheBuiltLibraryPassesOnTheAudioSide) {
    const ValidationRun run =
        validate({(binDirectory() / "libzu_modules.so").string(), "--audio-only", "--strictness", "3"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(run.failures().empty()) << run.out;
}

TEST(ValidateCommand, PassesASoundLibraryAndExitsZero) {
    const ValidationRun run = validateFixture("sound");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(run.failures().empty()) << run.out;
    EXPECT_EQ(run.lastLine(), "16 passed, 0 failed");
}

TEST(ValidateCommand, EachBrokenFixtureFailsExactlyTheCheckThatCatchesItsFault) {
    struct Fault {
        const char* fixture;
        const char* check;
        const char* reason;
    };
    for (const Fault fault : {Fault{"allocates", "real-time safety", "process allocated"},
                              Fault{"nan", "processing sweep", "wrote NaN to pin 2 \"Signal Out\""},
                              Fault{"unregistered_pin", "registers the described pins", "names pin 3 \"Level\""},
                              Fault{"unwritten", "keeps to its buffers", "of pin 2 \"Signal Out\" unwritten"}}) {
        SCOPED_TRACE(fault.fixture);
        const ValidationRun run = validateFixture(fault.fixture);
        expectOnlyFailure(run, std::string("ZU Fixture Gain: ") + fault.check, fault.reason);
        EXPECT_EQ(run.lastLine(), "15 passed, 1 failed");
    }
}

TEST(ValidateCommand, APluginThatNeverReturnsIsKilledAtTheTimeout) {
    const ValidationRun run = validateFixture("hangs", {"--only", "sweep", "--timeout", "0.5"});
    expectOnlyFailure(run, "ZU Fixture Gain: processing sweep", "timed out after 0.5 s");
}

TEST(ValidateCommand, TellsWhereInThePluginProcessAllocated) {
    const ValidationRun run = validateFixture("allocates", {"--only", "real-time"});
    const auto site = run.out.find("allocation at:");
    ASSERT_NE(site, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("libzu_fixture_allocates.so", site), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("allocation at:", site + 1), std::string::npos) << "one report per call site\n" << run.out;
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
    EXPECT_EQ(run.lastLine(), "9 passed, 7 failed");
}

TEST(ValidateCommand, AsksForAPanelUnlessAudioOnly) {
    const ValidationRun run = validate({fixture("sound"), "--strictness", "1"});
    ASSERT_EQ(run.failures().size(), 7u) << run.out;
    for (const std::string& row : run.failures()) {
        EXPECT_NE(row.find("panel"), std::string::npos) << row;
        EXPECT_NE(row.find("of kind 2"), std::string::npos) << row;
    }
}

ValidationRun validatePanelFixture(const std::string& name, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{fixture("panel_" + name), "--only", "panel", "--strictness", "2"};
    args.insert(args.end(), extra.begin(), extra.end());
    return validate(args);
}

TEST(ValidateCommand, ASoundPanelPassesEveryPanelCheck) {
    const ValidationRun run = validatePanelFixture("sound");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.lastLine(), "7 passed, 0 failed");
    EXPECT_NE(run.out.find("render cold"), std::string::npos) << run.out;
}

TEST(ValidateCommand, EachBrokenPanelFailsExactlyTheCheckThatCatchesItsFault) {
    struct Fault {
        const char* fixture;
        const char* check;
        const char* reason;
    };
    for (const Fault fault :
         {Fault{"leaks_brush", "panel rendering", "1 drawing objects not released"},
          Fault{"calls_after_release", "panel reference counts", "called the host after its last release"},
          Fault{"undescribed_pin", "panel gestures", "pin 7, which is not described"},
          Fault{"crashes_on_pointer", "panel gestures", "crashed with SIGSEGV"},
          Fault{"sends_nothing", "panel gestures",
                "shows parameter \"Level\" on pin 0 \"Value\", whose range is 0 to 10, but sent nothing"}}) {
        SCOPED_TRACE(fault.fixture);
        expectOnlyFailure(validatePanelFixture(fault.fixture), std::string("ZU Fixture Panel: ") + fault.check,
                          fault.reason);
    }
}

TEST(ValidateCommand, ListNamesTheChosenChecksAndRunsNone) {
    const ValidationRun all = validate({fixture("sound"), "--list"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.rows("library: ").size(), 7u) << all.out;
    EXPECT_EQ(all.rows("ZU Fixture Gain: ").size(), 16u) << all.out;
    EXPECT_TRUE(all.rows("PASS").empty());

    const ValidationRun chosen =
        validate({fixture("sound"), "--list", "--only", "ZU Fixture Gain: *", "--skip", "panel", "--skip", "sweep"});
    EXPECT_EQ(chosen.rows("library: ").size(), 0u) << chosen.out;
    const std::vector<std::string> plugin = chosen.rows("ZU Fixture Gain: ");
    EXPECT_EQ(plugin.size(), 8u) << chosen.out;
    EXPECT_EQ(plugin.front(), "ZU Fixture Gain: creates a processor");
}

TEST(ValidateCommand, WritesJunitForContinuousIntegration) {
    const auto path = testTempPath("validate.xml");
    validateFixture("unregistered_pin", {"--junit", path.string()});
    std::ifstream file(path);
    const std::string xml{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(
        xml.find("<testsuite name=\"zuhost validate libzu_fixture_unregistered_pin.so\" tests=\"16\" failures=\"1\""),
        std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<testcase classname=\"ZU Fixture Gain\" name=\"registers the described pins\""),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<failure message=\"the description names pin 3 &quot;Level&quot;"), std::string::npos) << xml;
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
    EXPECT_EQ(run.lastLine(), "16 passed, 0 failed");
    const ValidationRun byName = validateFixture("sound", {"--plugin", "Fixture Gain", "--list"});
    EXPECT_EQ(byName.rows("ZU Fixture Gain: ").size(), 9u) << byName.out << byName.err;
    const ValidationRun unknown = validateFixture("sound", {"--plugin", "ZU Nothing"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("zuhost validate: --plugin: the library has no plug-in \"ZU Nothing\"; it has:\n"
                                "  ZU Fixture Gain\n",
                                0),
              0u)
        << unknown.err;
}

TEST(ValidateCommand, TheBuiltLibrarysControlsSendWhenDragged) {
    const ValidationRun run =
        validate({(binDirectory() / "libzu_modules.so").string(), "--only", "panel gestures", "--strictness", "1"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.lastLine(), "5 passed, 0 failed");
}

TEST(ValidateCommand, AWindowsDllIsRefusedOnceBeforeAnyCheck) {
    const auto dll = testTempPath("plugins.dll");
    std::ofstream(dll) << std::string("MZ\0\0", 4);
    const ValidationRun run = validate({dll.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zuhost validate: " + dll.string() +
                           " is a Windows DLL: zuhost on Linux can read its description but cannot load it to create "
                           "plug-ins\n");
    EXPECT_TRUE(run.out.empty()) << run.out;
}

TEST(ValidateCommand, WritesTheSameResultsAsJson) {
    const auto path = testTempPath("validate.json");
    const ValidationRun run = validateFixture("unregistered_pin", {"--json", path.string()});
    std::ifstream file(path);
    const std::string json{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(json.find("\"name\": \"registers the described pins\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"passed\": false"), std::string::npos);
    EXPECT_NE(json.find("\"passed\": 15"), std::string::npos);
    EXPECT_NE(json.find("\"failed\": 1"), std::string::npos);
    EXPECT_NE(json.find("setBuffer(3) answered -1"), std::string::npos);
}

TEST(ValidateCommand, RejectsBadArgumentsWithUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--strictness", "0"},
                                                                                      {"--strictness", "11"},
                                                                                      {"--strictness", "x"},
                                                                                      {"--seed", "-1"},
                                                                                      {"--seed"},
                                                                                      {"--frobnicate"},
                                                                                      {"a.so", "b.so"},
                                                                                      {"--timeout", "0"},
                                                                                      {"--timeout", "x"}}) {
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
