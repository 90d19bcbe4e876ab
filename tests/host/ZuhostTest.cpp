#include "host/zuhost/Zuhost.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace zuhost;

struct ZuhostRun {
    int status;
    std::string out;
    std::string err;
};

ZuhostRun zuhost(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    const int status = runZuhost(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(Zuhost, HelpListsEveryCommand) {
    const ZuhostRun run = zuhost({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* command : {"\n  list ", "\n  process ", "\n  validate "})
        EXPECT_NE(run.out.find(command), std::string::npos) << run.out;
}

TEST(Zuhost, EachCommandsHelpShowsEveryOptionWithItsTypeAndDefault) {
    const std::pair<std::string_view, std::vector<std::string>> cases[] = {
        {"process",
         {"usage: zuhost process [OPTIONS] PLUGIN [LIBRARY]", "--rate FLOAT:1 to 1000000 (default 48000)",
          "--block INT:1 to 65536 (default 64)", "--length TIME (default 1s)", "--voices INT:1 to 256 (default 1)",
          "--countdown INT:1 or more (default the block size)", "--input PIN=SIGNAL[@TIME] (repeatable)",
          "--set PIN=VALUE@TIME (repeatable)", "--voice-set VOICE:PIN=VALUE@TIME (repeatable)",
          "--streaming PIN=on|off@TIME (repeatable)", "--out DIR (default out/process)", "LIBRARY FILE (default /"}},
        {"validate",
         {"usage: zuhost validate [OPTIONS] [LIBRARY]", "--plugin ID (default every plug-in)",
          "--seed UINT:0 or more (default 1)", "--strictness INT:1 to 10 (default 5)", "--json FILE", "--audio-only"}},
        {"list", {"usage: zuhost list [OPTIONS] [LIBRARY]", "--json"}},
        // The options of a run read as they do for process.
        {"session",
         {"--rate FLOAT:1 to 1000000 (default 48000)", "--block INT:1 to 65536 (default 64)",
          "--voices INT:1 to 256 (default 1) voice clones", "--input PIN=SIGNAL[@TIME] (repeatable)\n",
          "from the start"}},
    };
    for (const auto& [command, shown] : cases) {
        const ZuhostRun run = zuhost({command, "--help"});
        EXPECT_EQ(run.status, 0);
        for (const std::string& text : shown)
            EXPECT_NE(run.out.find(text), std::string::npos) << text << '\n' << run.out;
    }
}

TEST(Zuhost, TellsItsVersion) {
    const ZuhostRun run = zuhost({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "zuhost " + std::string(zuhostVersion) + "\n");
}

TEST(Zuhost, WrongUseSaysWhatIsWrongAndHowToUseIt) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{}, "zuhost: give a command\n"},
        {{"frob"}, "zuhost: there is no command 'frob'\n"},
        {{"validate", "--strictness", "11"},
         "zuhost validate: --strictness: 11 is out of range (1 to 10)\n"
         "usage: zuhost validate [OPTIONS] [LIBRARY]\n"
         "'zuhost validate --help' lists every option\n"},
        // Before the long run, not after it.
        {{"validate", "--json", "/no/such/directory/results.json"},
         "zuhost validate: --json: the directory /no/such/directory does not exist\n"},
    };
    for (const auto& [args, reason] : cases) {
        const ZuhostRun run = zuhost(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind(reason, 0), 0u) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
