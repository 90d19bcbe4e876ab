#include "PlayProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

std::filesystem::path zuhostPath() { return std::filesystem::absolute("zuhost"); }

std::string readText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::filesystem::path freshFolder(const std::string& name) {
    const auto folder = std::filesystem::absolute("play-tests") / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

int startProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                 const std::vector<std::string>& environment, const std::filesystem::path& folder) {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> variables = environment;
    for (char** variable = environ; *variable != nullptr; ++variable) variables.emplace_back(*variable);
    const auto outPath = folder / "stdout.txt", errPath = folder / "stderr.txt";
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        std::vector<char*> argv, envp;
        for (std::string& word : words) argv.push_back(word.data());
        for (std::string& variable : variables) envp.push_back(variable.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return child;
}

ProcessResult finishProcess(int process, const std::filesystem::path& folder, int32_t timeoutSeconds) {
    ProcessResult result;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    bool killed = false;
    while (waitpid(process, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(process, SIGKILL);
            waitpid(process, &status, 0);
            killed = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!killed && WIFEXITED(status)) result.status = WEXITSTATUS(status);
    result.out = readText(folder / "stdout.txt");
    result.err = readText(folder / "stderr.txt");
    return result;
}

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment, const std::filesystem::path& folder,
                         int32_t timeoutSeconds) {
    return finishProcess(startProcess(program, args, environment, folder), folder, timeoutSeconds);
}

ProcessResult runHeadless(const std::vector<std::string>& args, const std::filesystem::path& folder) {
    return runProcess(zuhostPath(), args, {"SDL_VIDEODRIVER=offscreen", "XDG_CONFIG_HOME=" + folder.string()}, folder);
}
