// Checks run in a child process: whatever the child does, the parent gets a
// verdict and goes on.
#include "host/validate/ChildProcess.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace {

using namespace std::chrono_literals;
using zuhost::runInChild;
using zuhost::Verdict;

constexpr auto childTimeout = 20s;

int sharedCounter = 0;
volatile uintptr_t nowhere = 0;

TEST(ChildProcess, HandsTheBodysVerdictToTheParent) {
    const auto passed = runInChild([] { return Verdict{true, "fine"}; }, childTimeout);
    EXPECT_TRUE(passed.verdict.passed);
    EXPECT_EQ(passed.verdict.message, "fine");
    const auto failed = runInChild([] { return Verdict{false, std::string(100000, 'x')}; }, childTimeout);
    EXPECT_FALSE(failed.verdict.passed);
    EXPECT_EQ(failed.verdict.message.size(), 100000u) << "a long message arrives whole";
}

TEST(ChildProcess, AnExceptionFailsWithItsText) {
    const auto result = runInChild([]() -> Verdict { throw std::runtime_error("no such pin"); }, childTimeout);
    EXPECT_FALSE(result.verdict.passed);
    EXPECT_EQ(result.verdict.message, "no such pin");
}

TEST(ChildProcess, ACrashIsReportedWithTheSignalsName) {
    const auto segv = runInChild(
        []() -> Verdict {
            *reinterpret_cast<volatile int*>(nowhere + 8) = 1;
            return {true, ""};
        },
        childTimeout);
    EXPECT_FALSE(segv.verdict.passed);
    EXPECT_EQ(segv.verdict.message.rfind("crashed with SIGSEGV", 0), 0u) << segv.verdict.message;
    const auto abort = runInChild([]() -> Verdict { std::abort(); }, childTimeout);
    EXPECT_EQ(abort.verdict.message.rfind("crashed with SIGABRT", 0), 0u) << abort.verdict.message;
}

TEST(ChildProcess, AChildThatEndsWithoutAVerdictQuotesWhatItPrinted) {
    const auto result = runInChild(
        []() -> Verdict {
            std::fputs("runtime error: something broke\n", stderr);
            std::printf("and this was printed\n");
            _exit(3);
        },
        childTimeout);
    EXPECT_FALSE(result.verdict.passed);
    EXPECT_NE(result.verdict.message.find("ended with status 3"), std::string::npos) << result.verdict.message;
    EXPECT_NE(result.verdict.message.find("runtime error: something broke"), std::string::npos);
    EXPECT_NE(result.verdict.message.find("and this was printed"), std::string::npos);
}

TEST(ChildProcess, AHangingChildIsKilledAtTheDeadline) {
    const auto result = runInChild(
        []() -> Verdict {
            for (;;) std::this_thread::sleep_for(10ms);
        },
        300ms);
    EXPECT_FALSE(result.verdict.passed);
    EXPECT_EQ(result.verdict.message, "timed out after 0.3 s");
    EXPECT_LT(result.seconds, 10.0);
}

TEST(ChildProcess, WhatTheChildChangesStaysInTheChild) {
    sharedCounter = 1;
    runInChild(
        [] {
            sharedCounter = 2;
            return Verdict{true, ""};
        },
        childTimeout);
    EXPECT_EQ(sharedCounter, 1);
}

}  // namespace
