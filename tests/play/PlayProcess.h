// Running zuhost as a child process, the way a user starts `zuhost play`:
// with its own display and sound settings in the environment, its output
// kept, and killed if it overstays.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct ProcessResult {
    int status = -1;  // the exit status, or -1 when it did not exit by itself
    std::string out;
    std::string err;
};

// zuhost beside the test executable.
std::filesystem::path zuhostPath();

// Starts the program with `args`, adding `environment` ("NAME=VALUE") to
// this process's own, in `folder`, its output going to files there.
int startProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                 const std::vector<std::string>& environment, const std::filesystem::path& folder);
// Waits for a started process to end (killing it at the deadline) and reads its output.
ProcessResult finishProcess(int process, const std::filesystem::path& folder, int32_t timeoutSeconds = 60);

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment, const std::filesystem::path& folder,
                         int32_t timeoutSeconds = 60);

// zuhost ARGS with SDL's offscreen video (a headless play), remembering windows in the folder.
ProcessResult runHeadless(const std::vector<std::string>& args, const std::filesystem::path& folder);

// A folder of its own for one test, made empty.
std::filesystem::path freshFolder(const std::string& name);

std::string readText(const std::filesystem::path& path);
