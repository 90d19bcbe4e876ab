#include "host/description/SharedLibrary.h"

#include <dlfcn.h>

namespace zuhost {

std::shared_ptr<SharedLibrary> SharedLibrary::open(const std::filesystem::path& path) {
    // dlopen looks a name without a slash up in the system's library search
    // path; a host loads the file it was given, here one in the working directory.
    const std::filesystem::path file = path.has_parent_path() ? path : std::filesystem::path(".") / path;
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        throw LibraryError("cannot load " + path.string() + ": " + (reason ? reason : "unknown reason"));
    }
    return std::shared_ptr<SharedLibrary>(new SharedLibrary(handle, path));
}

SharedLibrary::~SharedLibrary() { dlclose(handle_); }

void* SharedLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

}  // namespace zuhost
