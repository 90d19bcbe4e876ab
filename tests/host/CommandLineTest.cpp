// What every zuhost command shares: how LIBRARY is found.
#include <gtest/gtest.h>

#include <fstream>

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

}  // namespace
