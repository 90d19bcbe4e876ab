// A dynamic library loaded into this process, kept behind a small interface
// so that a Windows build of the host can swap dlopen for LoadLibrary.
//
// Contract: open() loads the file at `path` (a bare file name is one in the
// working directory, never a name for the system's library search) with
// every symbol bound at once, and fails with a LibraryError naming the path
// and the loader's reason. The library stays
// loaded until the last shared_ptr to it goes; whoever holds code or objects
// from it must hold that pointer too (see PluginRef).
#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace zuhost {

class LibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SharedLibrary {
public:
    static std::shared_ptr<SharedLibrary> open(const std::filesystem::path& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The address of an exported symbol, or null when the library has none.
    void* symbol(const char* name) const;
    const std::filesystem::path& path() const { return path_; }

private:
    SharedLibrary(void* handle, std::filesystem::path path) : handle_(handle), path_(std::move(path)) {}

    void* handle_;
    std::filesystem::path path_;
};

}  // namespace zuhost
