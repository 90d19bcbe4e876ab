#include "host/run/OffendingSites.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zuhost {

namespace {

constexpr int stackDepth = 32;
constexpr int shownFrames = 6;

struct Site {
    SiteKind kind;
    int depth;
    std::array<void*, stackDepth> frames;
};

std::array<Site, maxSites> sites;
std::atomic<int> siteCount{0};
thread_local bool capturing = false;

// The first backtrace() loads the unwinder, which allocates; do it before
// anything counts.
[[maybe_unused]] const int unwinderReady = [] {
    std::array<void*, 2> frames;
    return backtrace(frames.data(), static_cast<int>(frames.size()));
}();

bool sameStack(const Site& a, const Site& b) {
    return a.depth == b.depth && std::equal(a.frames.begin(), a.frames.begin() + a.depth, b.frames.begin());
}

// Frames of this host and of the runtime libraries (allocator, sanitizer,
// C and C++ runtime) are the machinery under the offending call, not its site.
bool isMachinery(const char* objectPath, const char* mainPath) {
    if (objectPath == nullptr) return true;
    const std::string_view path(objectPath);
    if (mainPath != nullptr && path == mainPath) return true;
    for (const std::string_view runtime :
         {"libasan", "libubsan", "libc.so", "libstdc++", "libgcc_s", "ld-linux", "libpthread"})
        if (path.find(runtime) != std::string_view::npos) return true;
    return false;
}

std::string baseName(const char* path) {
    const std::string_view text(path == nullptr ? "?" : path);
    return std::string(text.substr(text.rfind('/') == std::string_view::npos ? 0 : text.rfind('/') + 1));
}

std::string demangled(const char* symbol) {
    int status = 0;
    char* readable = abi::__cxa_demangle(symbol, nullptr, nullptr, &status);
    std::string name = status == 0 && readable != nullptr ? readable : symbol;
    std::free(readable);
    return name;
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" void __sanitizer_symbolize_pc(void* pc, const char* format, char* out, size_t size);
#endif

// A return address points after the call; one byte back lies inside it.
std::string describeFrame(void* address, const Dl_info& info) {
    void* inCall = static_cast<char*>(address) - 1;
#if defined(__SANITIZE_ADDRESS__)
    char text[512] = {};
    __sanitizer_symbolize_pc(inCall, "%f %L", text, sizeof text);
    if (text[0] != '\0' && std::string_view(text).find("<null>") == std::string_view::npos)
        return std::string(text) + " (" + baseName(info.dli_fname) + ")";
#endif
    const auto offset = reinterpret_cast<uintptr_t>(inCall) - reinterpret_cast<uintptr_t>(info.dli_fbase);
    char hex[32];
    std::snprintf(hex, sizeof hex, "+0x%zx", static_cast<size_t>(offset));
    const std::string function = info.dli_sname != nullptr ? demangled(info.dli_sname) + " in " : std::string();
    return function + baseName(info.dli_fname) + hex;
}

std::string describeSite(const Site& site, const char* mainPath) {
    std::string text = site.kind == SiteKind::Allocation ? "allocation at:" : "lock at:";
    int shown = 0;
    bool inSite = false;
    for (int i = 0; i < site.depth && shown < shownFrames; ++i) {
        Dl_info info{};
        if (dladdr(site.frames[static_cast<size_t>(i)], &info) == 0) continue;
        inSite = inSite || !isMachinery(info.dli_fname, mainPath);
        if (!inSite) continue;
        text += "\n    " + describeFrame(site.frames[static_cast<size_t>(i)], info);
        ++shown;
    }
    return shown == 0 ? text + " (no frame outside the host and runtime)" : text;
}

}  // namespace

void noteOffendingSite(SiteKind kind) {
    if (capturing || siteCount.load(std::memory_order_relaxed) >= maxSites) return;
    capturing = true;
    Site site{kind, 0, {}};
    site.depth = backtrace(site.frames.data(), stackDepth);
    const int count = siteCount.load(std::memory_order_relaxed);
    const bool known =
        std::any_of(sites.begin(), sites.begin() + count, [&](const Site& s) { return sameStack(s, site); });
    if (!known) {
        sites[static_cast<size_t>(count)] = site;
        siteCount.store(count + 1, std::memory_order_relaxed);
    }
    capturing = false;
}

void clearOffendingSites() { siteCount.store(0); }

std::string describeOffendingSites() {
    Dl_info mainInfo{};
    const char* mainPath = nullptr;
    if (dladdr(reinterpret_cast<void*>(&describeOffendingSites), &mainInfo) != 0) mainPath = mainInfo.dli_fname;
    std::string text;
    for (int i = 0; i < siteCount.load(); ++i) {
        if (!text.empty()) text += '\n';
        text += describeSite(sites[static_cast<size_t>(i)], mainPath);
    }
    return text;
}

}  // namespace zuhost
