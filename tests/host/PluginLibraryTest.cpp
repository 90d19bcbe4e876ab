#include "host/description/PluginLibrary.h"
#include "tests/support/TestTempPath.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

using namespace zuhost;

const char* const probeLibrary = "./libzu_probe_plugins.so";

bool isLoaded(const char* path) {
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

// Reads the fixture library's count of live objects through a load of its own.
int liveProbes() {
    const auto library = SharedLibrary::open(probeLibrary);
    return reinterpret_cast<int (*)()>(library->symbol("probeLiveObjects"))();
}

std::string errorOpening(const std::filesystem::path& path) {
    try {
        PluginLibrary::open(path);
    } catch (const LibraryError& error) {
        return error.what();
    }
    return "no error";
}

TEST(PluginLibrary, OpensTheBuiltLibraryAndReachesItsFactory) {
    const PluginLibrary library = PluginLibrary::open("./libzu_modules.so");
    int32_t version = 0;
    char16_t text[32] = {};
    EXPECT_EQ(library.factory().getSdkInformation(&version, 32, text), gmpi::MP_OK);
    EXPECT_EQ(version, 30500);
    EXPECT_EQ(library.path(), "./libzu_modules.so");
}

TEST(PluginLibrary, CreatedObjectsAreCountedReferences) {
    const auto library = SharedLibrary::open(probeLibrary);  // keeps the count readable throughout
    {
        const PluginLibrary plugins = PluginLibrary::open(probeLibrary);
        PluginRef<gmpi::IMpUnknown> first = plugins.createInstance(std::string_view("probe"), gmpi::MP_SUB_TYPE_AUDIO);
        ASSERT_TRUE(first);
        const PluginRef<gmpi::IMpUnknown> copy = first;
        const PluginRef<gmpi::IMpUnknown> queried = first.as<gmpi::IMpUnknown>(gmpi::MP_IID_UNKNOWN);
        EXPECT_TRUE(queried);
        EXPECT_FALSE(first.as<gmpi::IMpPlugin2>(gmpi::MP_IID_PLUGIN2));
        EXPECT_EQ(liveProbes(), 1);
        first.reset();
        EXPECT_EQ(liveProbes(), 1);
        EXPECT_EQ(copy.get(), queried.get());
    }
    EXPECT_EQ(liveProbes(), 0);
}

TEST(PluginLibrary, ObjectsKeepTheLibraryLoadedUntilTheLastIsReleased) {
    ASSERT_FALSE(isLoaded(probeLibrary));
    std::optional<PluginRef<gmpi::IMpUnknown>> probe;
    {
        const PluginLibrary plugins = PluginLibrary::open(probeLibrary);
        probe = plugins.createInstance(u"probe", gmpi::MP_SUB_TYPE_AUDIO);
    }
    EXPECT_TRUE(isLoaded(probeLibrary));
    EXPECT_EQ((*probe)->addRef(), 2);  // the object's code is still there to call
    (*probe)->release();
    probe.reset();
    EXPECT_FALSE(isLoaded(probeLibrary));
}

TEST(PluginLibrary, FailedCreationThrowsAndReleasesWhatTheFactoryHandedOut) {
    const auto library = SharedLibrary::open(probeLibrary);
    const PluginLibrary plugins = PluginLibrary::open(probeLibrary);
    try {
        plugins.createInstance(std::string_view("no such plug-in"), gmpi::MP_SUB_TYPE_GUI);
        ADD_FAILURE() << "created an unknown plug-in";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "cannot create \"no such plug-in\" of kind 2 (result -2)");
    }
    EXPECT_THROW(plugins.createInstance(std::string_view("failing"), gmpi::MP_SUB_TYPE_AUDIO), LibraryError);
    EXPECT_EQ(liveProbes(), 0);
}

TEST(PluginLibrary, RefusesWhatItCannotLoadWithAReason) {
    const auto dll = testTempPath("plugins.dll");
    std::ofstream(dll, std::ios::binary) << "MZ";
    EXPECT_NE(errorOpening(dll).find("is a Windows DLL"), std::string::npos) << errorOpening(dll);
    EXPECT_NE(errorOpening("./no-such-library.so").find("cannot load ./no-such-library.so"), std::string::npos);
}

}  // namespace
