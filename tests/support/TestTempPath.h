// Temporary files for tests that run side by side: CTest starts each test
// case as its own process, in parallel, all sharing one temporary directory.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

// A path that only the running test case uses, ending in `name`.
inline std::filesystem::path testTempPath(std::string_view name) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string unique =
        std::string(test->test_suite_name()) + "." + test->name() + "." + std::to_string(getpid()) + ".";
    std::erase(unique, '/');  // parameterised names carry slashes
    return std::filesystem::path(::testing::TempDir()) / (unique + std::string(name));
}
