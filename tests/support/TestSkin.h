// A skin folder of its own for each test case, with files written by the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

#include "tests/support/TestTempPath.h"

class TestSkin {
public:
    TestSkin() : folder_(testTempPath("skin")) { std::filesystem::create_directories(folder_); }
    ~TestSkin() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TestSkin(const TestSkin&) = delete;
    TestSkin& operator=(const TestSkin&) = delete;

    // Writes bytes to name inside the skin, making subfolders as needed.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const {
        const std::filesystem::path path = folder_ / std::filesystem::path(name);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};
