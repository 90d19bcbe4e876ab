#include "host/description/PluginLibrary.h"

#include <string>

#include "host/description/BinaryFormat.h"
#include "host/description/TextEncoding.h"

namespace zuhost {

namespace {

using GetFactoryFunction = int32_t (*)(void**);

gmpi::IMpFactory2* factoryOf(const SharedLibrary& library) {
    const std::string where = library.path().string();
    auto getFactory = reinterpret_cast<GetFactoryFunction>(library.symbol("MP_GetFactory"));
    if (!getFactory) throw LibraryError(where + " does not export MP_GetFactory");
    void* unknown = nullptr;
    const int32_t result = getFactory(&unknown);
    if (result != gmpi::MP_OK || !unknown) {
        throw LibraryError(where + ": MP_GetFactory gave no factory (result " + std::to_string(result) + ")");
    }
    void* factory = nullptr;
    if (static_cast<gmpi::IMpUnknown*>(unknown)->queryInterface(gmpi::MP_IID_FACTORY2, &factory) != gmpi::MP_OK ||
        !factory) {
        throw LibraryError(where + ": the factory does not offer IMpFactory2");
    }
    return static_cast<gmpi::IMpFactory2*>(factory);
}

}  // namespace

void refuseForeignLibrary(const std::filesystem::path& path) {
    if (detectBinaryFormat(path) == BinaryFormat::Pe) {
        throw LibraryError(path.string() +
                           " is a Windows DLL: zuhost on Linux can read its description "
                           "but cannot load it to create plug-ins");
    }
}

PluginLibrary PluginLibrary::open(const std::filesystem::path& path) {
    refuseForeignLibrary(path);
    auto library = SharedLibrary::open(path);
    gmpi::IMpFactory2* factory = factoryOf(*library);
    return PluginLibrary(std::move(library), factory);
}

PluginRef<gmpi::IMpUnknown> PluginLibrary::createInstance(std::u16string_view id, int32_t kind,
                                                          gmpi::IMpUnknown* host) const {
    const std::u16string terminated(id);
    void* object = nullptr;
    const int32_t result = host ? factory_->createInstance(terminated.c_str(), kind, host, &object)
                                : factory_->createInstance2(terminated.c_str(), kind, &object);
    // Adopted before the result is looked at: what a failing factory handed out is released too.
    PluginRef<gmpi::IMpUnknown> created(library_,
                                        gmpi::ComRef<gmpi::IMpUnknown>::adopt(static_cast<gmpi::IMpUnknown*>(object)));
    if (result != gmpi::MP_OK || !created) {
        throw LibraryError("cannot create \"" + utf16ToUtf8(id) + "\" of kind " + std::to_string(kind) + " (result " +
                           std::to_string(result) + ")");
    }
    return created;
}

PluginRef<gmpi::IMpUnknown> PluginLibrary::createInstance(std::string_view id, int32_t kind,
                                                          gmpi::IMpUnknown* host) const {
    return createInstance(std::u16string_view(utf8ToUtf16(id)), kind, host);
}

std::filesystem::path libraryBesideExecutable() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) throw LibraryError("cannot find the running executable: " + error.message());
    return executable.parent_path() / "libzu_modules.so";
}

}  // namespace zuhost
