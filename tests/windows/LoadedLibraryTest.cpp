// Loads the built DLL the way the host does and reads what it carries.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "framework/MpInterfaces.h"

namespace {

using GetFactory = int32_t (*)(void**);

std::string fileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class LoadedLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryW(L"zu_modules.dll");
        ASSERT_NE(module, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }
    HMODULE module = nullptr;
};

TEST_F(LoadedLibrary, ExportsAFactoryThatAnswersItsInterfaces) {
    // GetProcAddress answers a generic function pointer; going through void (*)() says the cast is meant.
    auto getFactory =
        reinterpret_cast<GetFactory>(reinterpret_cast<void (*)()>(GetProcAddress(module, "MP_GetFactory")));
    ASSERT_NE(getFactory, nullptr);
    void* unknown = nullptr;
    ASSERT_EQ(getFactory(&unknown), gmpi::MP_OK);
    void* again = nullptr;
    getFactory(&again);
    EXPECT_EQ(unknown, again);

    void* factory = nullptr;
    ASSERT_EQ(static_cast<gmpi::IMpUnknown*>(unknown)->queryInterface(gmpi::MP_IID_FACTORY2, &factory), gmpi::MP_OK);
    int32_t version = 0;
    char16_t text[64] = {};
    static_cast<gmpi::IMpFactory2*>(factory)->getSdkInformation(&version, 64, text);
    EXPECT_EQ(version, 30500);
    EXPECT_EQ(std::u16string(text), u"MS Compiler V1900");
    void* object = &version;
    EXPECT_EQ(static_cast<gmpi::IMpFactory2*>(factory)->createInstance2(u"no such plug-in", 0, &object),
              gmpi::MP_NOSUPPORT);
    EXPECT_EQ(object, nullptr);
}

TEST_F(LoadedLibrary, CarriesTheDescriptionAsGmpxmlResourceOne) {
    HRSRC resource =
        FindResourceExW(module, L"GMPXML", MAKEINTRESOURCEW(1), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(resource, nullptr);
    HGLOBAL loaded = LoadResource(module, resource);
    ASSERT_NE(loaded, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    const std::string carried(bytes, SizeofResource(module, resource));
    const std::string source = fileBytes("plugins.xml");
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(carried, source);
}

}  // namespace
