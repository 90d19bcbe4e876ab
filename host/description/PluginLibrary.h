// A plug-in library loaded the way a host loads it: the file is mapped, its
// MP_GetFactory export is called and the factory's IMpFactory2 is kept.
//
// Contract: open() either returns a usable library or throws LibraryError with
// a reason (file missing, a Windows DLL on this platform, no MP_GetFactory,
// factory without IMpFactory2). factory() stays valid while this object lives.
// Objects from createInstance() keep the library loaded by themselves, so the
// PluginLibrary may go first; the file is unloaded when the last of them goes.
// Every call is made on the caller's thread; the class holds no lock.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

#include "framework/MpInterfaces.h"
#include "host/description/PluginRef.h"
#include "host/description/SharedLibrary.h"

namespace zuhost {

class PluginLibrary {
public:
    static PluginLibrary open(const std::filesystem::path& path);

    gmpi::IMpFactory2& factory() const { return *factory_; }
    const std::filesystem::path& path() const { return library_->path(); }

    // Creates a plug-in half through createInstance (with `host`) or, when
    // `host` is null, createInstance2. Throws LibraryError with the factory's
    // result code when it creates nothing.
    PluginRef<gmpi::IMpUnknown> createInstance(std::u16string_view id, int32_t kind,
                                               gmpi::IMpUnknown* host = nullptr) const;
    // The same for a UTF-8 id as the description gives it.
    PluginRef<gmpi::IMpUnknown> createInstance(std::string_view id, int32_t kind,
                                               gmpi::IMpUnknown* host = nullptr) const;

private:
    PluginLibrary(std::shared_ptr<SharedLibrary> library, gmpi::IMpFactory2* factory)
        : library_(std::move(library)), factory_(factory) {}

    std::shared_ptr<SharedLibrary> library_;
    gmpi::IMpFactory2* factory_;
};

// Throws LibraryError saying what the file is when it is a library for
// another platform (a Windows DLL), which can be read but not loaded here.
void refuseForeignLibrary(const std::filesystem::path& path);

// The plug-in library built beside the running executable (libzu_modules.so
// in the directory of /proc/self/exe).
std::filesystem::path libraryBesideExecutable();

}  // namespace zuhost
