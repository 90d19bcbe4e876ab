// What every zuhost command shares: how LIBRARY is found, how wrong use is
// told, and that the README and each command's help agree.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <regex>

#include "tests/host/PanelCommandSupport.h"
#include "tests/support/TestTempPath.h"

namespace {

// The working directory while it lives.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& directory) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(directory);
    }
    ~WorkingDirectory() { std::filesystem::current_path(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// The system's library search would not find this name; the file in the working directory is meant.
TEST(CommandLine, ABareLibraryNameIsTheFileInTheWorkingDirectoryInEveryCommand) {
    const std::filesystem::path folder = testTempPath("folder");
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink(builtLibrary(), folder / "libcopy.so");
    std::ofstream(folder / "script.txt") << "0s up 1,1\n";
    const WorkingDirectory inFolder(folder);
    const std::vector<std::string> commands[] = {
        {"list", "libcopy.so"},
        {"process", "ZU Slider", "libcopy.so", "--length", "64", "--out", "process"},
        {"validate", "libcopy.so", "--only", "library: loads"},
        {"render", "ZU Slider", "libcopy.so", "--out", "panel.png"},
        {"gallery", "libcopy.so", "--out", "gallery"},
        {"session", "ZU Slider", "libcopy.so", "--script", "script.txt", "--length", "64", "--out", "session"},
    };
    for (const auto& args : commands) {
        const CommandResult result = runZuhostWith(args);
        EXPECT_EQ(result.status, 0) << args[0] << '\n' << result.out << result.err;
    }
}

// Nothing has run: no table, no summary.
TEST(CommandLine, WrongUseExitsWithTwoNamingTheOptionAndWhatItTakesBeforeAnythingRuns) {
    const std::string library = builtLibrary();
    const std::string file = testTempPath("file").string();
    std::ofstream(file) << "";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"process", "ZU Slider", library, "--rate", "0"}, "--rate: 0 is out of range (1 to 1000000)"},
        {{"process", "ZU Scope3 XP", library, "--input", "Signal A=wav:/no/such.wav"},
         "--input: cannot read the signal: /no/such.wav"},
        {{"render", "ZU Scope3 XP", library, "--signal", "A=wav:/no/such.wav"}, "--signal: cannot read the signal"},
        {{"render", "ZU Slider", library, "--menu-choice", "x"}, "--menu-choice: x is not a whole number (-1 or more)"},
        {{"render", "ZU Slider", library, "--down", "1e9,0"}, "--down: expected X,Y with coordinates from -1000000"},
        {{"render", "ZU Slider", library, "--skin", "/no/such/skin"},
         "--skin: the directory /no/such/skin does not exist"},
        {{"validate", library, "--only", "no such check"}, "--only: no check is left to run"},
        {{"validate", library, "--skip", "*"}, "--skip: no check is left to run"},
        {{"render", "ZU Slider", library, "--out", ""}, "--out: an empty path names no file"},
        {{"process", "ZU Slider", library, "--out", ""}, "--out: an empty path names no directory"},
        {{"gallery", library, "--out", file + "/gallery"}, "--out: cannot make the directory " + file + "/gallery"},
        {{"session", "ZU Slider", library, "--script", file, "--out", file + "/session"}, "--out: cannot make the"},
        {{"validate", library, "--json", ::testing::TempDir()}, "--json: " + ::testing::TempDir() + " is a directory"},
        {{"validate", library, "--junit", file + "/results.xml"}, "--junit: " + file + " is not a directory"},
    };
    for (const auto& [args, reason] : cases) {
        const CommandResult result = runZuhostWith(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_EQ(result.err.rfind("zuhost " + args[0] + ": " + reason, 0), 0u) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

// The README's section on each command: from "### zuhost NAME" to the next
// heading, its lines joined by blanks.
std::map<std::string, std::string> readmeSections() {
    std::ifstream readme(std::string(ZU_SOURCE_DIR) + "/README.md");
    std::map<std::string, std::string> sections;
    std::string* section = nullptr;
    for (std::string line; std::getline(readme, line);) {
        if (line.starts_with("#"))
            section = line.starts_with("### zuhost ") ? &sections[line.substr(11)] : nullptr;
        else if (section != nullptr)
            *section += line + ' ';
    }
    return sections;
}

bool namesOption(const std::string& help, const std::string& option) {
    for (size_t at = help.find(option); at != std::string::npos; at = help.find(option, at + 1)) {
        const char next = at + option.size() < help.size() ? help[at + option.size()] : ' ';
        if (!std::isalnum(static_cast<unsigned char>(next)) && next != '-') return true;
    }
    return false;
}

TEST(CommandLine, EachCommandsHelpNamesWhatTheReadmeSaysItTakes) {
    const std::map<std::string, std::string> sections = readmeSections();
    ASSERT_EQ(sections.size(), 6u);
    std::map<std::string, std::string> helps;
    const std::regex option("--[a-z][a-z-]*");
    for (const auto& [command, text] : sections) {
        helps[command] = runZuhostWith({command, "--help"}).out;
        for (std::sregex_iterator found(text.begin(), text.end(), option), end; found != end; ++found)
            EXPECT_TRUE(namesOption(helps[command], found->str())) << command << ' ' << found->str();
    }
    const std::pair<std::string, std::string> forms[] = {
        {"process", "wav:PATH[:CHANNEL]"},
        {"render", "wav:PATH[:CHANNEL]"},
        {"render", "sides from 1 to 4096"},
        {"session", "down|move|up X,Y [alt] [control] [shift]"},
    };
    for (const auto& [command, form] : forms) {
        EXPECT_NE(sections.at(command).find(form), std::string::npos) << command << ": " << form;
        EXPECT_NE(helps[command].find(form), std::string::npos) << command << ": " << form << '\n' << helps[command];
    }
}

}  // namespace
