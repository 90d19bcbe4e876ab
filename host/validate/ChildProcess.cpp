#include "host/validate/ChildProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string_view>

namespace zuhost {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int crashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP};
constexpr size_t outputTailBytes = 2000;

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

Verdict runBody(const std::function<Verdict()>& body) {
    try {
        return body();
    } catch (const std::exception& error) {
        return {false, error.what()};
    } catch (...) {
        return {false, "an exception of unknown type escaped"};
    }
}

[[noreturn]] void runChild(const std::function<Verdict()>& body, int verdictFd, int outputFd) {
    for (const int crash : crashSignals) signal(crash, SIG_DFL);
    dup2(outputFd, STDOUT_FILENO);
    dup2(outputFd, STDERR_FILENO);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const Verdict verdict = runBody(body);
    writeAll(verdictFd, verdict.passed ? "P" : "F");
    writeAll(verdictFd, verdict.message);
    _exit(0);
}

// Reads the child's verdict until it closes the pipe; false at the deadline.
bool readUntilClosed(int fd, Clock::time_point deadline, std::string& out) {
    char chunk[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return true;
        out.append(chunk, static_cast<size_t>(got));
    }
}

std::string outputTail(int fd) {
    std::string text;
    char chunk[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t got; (got = read(fd, chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<size_t>(got));
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (text.size() > outputTailBytes) text = "..." + text.substr(text.size() - outputTailBytes);
    return text;
}

std::string withOutput(std::string message, int outputFd) {
    const std::string tail = outputTail(outputFd);
    return tail.empty() ? message : message + "; its output:\n" + tail;
}

Verdict judge(int status, bool finished, const std::string& reply, int outputFd, std::chrono::milliseconds timeout) {
    if (!finished) {
        char text[64];
        std::snprintf(text, sizeof text, "timed out after %.1f s", static_cast<double>(timeout.count()) / 1000.0);
        return {false, withOutput(text, outputFd)};
    }
    if (WIFSIGNALED(status)) {
        const int number = WTERMSIG(status);
        const char* name = sigabbrev_np(number);
        return {false, withOutput(std::string("crashed with SIG") + (name ? name : std::to_string(number).c_str()) +
                                      " (" + strsignal(number) + ")",
                                  outputFd)};
    }
    if (reply.empty()) {
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return {false, withOutput("ended with status " + std::to_string(code) + " before giving a verdict", outputFd)};
    }
    return {reply.front() == 'P', reply.substr(1)};
}

}  // namespace

ChildResult runInChild(const std::function<Verdict()>& body, std::chrono::milliseconds timeout) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error(std::string("cannot create a pipe: ") + strerror(errno));
    Descriptor verdictRead(pipeFds[0]);
    Descriptor verdictWrite(pipeFds[1]);
    Descriptor childOutput(memfd_create("zuhost-check-output", 0));
    if (childOutput.get() < 0) throw std::runtime_error(std::string("cannot create a file: ") + strerror(errno));

    std::fflush(nullptr);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error(std::string("cannot fork: ") + strerror(errno));
    if (child == 0) {
        verdictRead.reset();
        runChild(body, verdictWrite.get(), childOutput.get());
    }
    verdictWrite.reset();

    std::string reply;
    const bool finished = readUntilClosed(verdictRead.get(), start + timeout, reply);
    if (!finished) kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    ChildResult result;
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    result.verdict = judge(status, finished, reply, childOutput.get(), timeout);
    return result;
}

}  // namespace zuhost
