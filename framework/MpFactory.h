// The library's single factory and its registry of plug-in halves.
//
// Contract: the registry is filled during static initialisation by one
// PluginRegistration per plug-in half and only read afterwards, so no lock is
// taken. The factory keeps no record of the objects it creates; the host owns
// them through their reference counts. addRef and release have no effect.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "framework/MpInterfaces.h"

namespace gmpi {

// Allocates one plug-in half with a reference count of 1 and returns the part
// of it that the host first talks to.
using CreatePluginFunction = IMpUnknown* (*)();

class MpFactory : public IMpFactory2 {
public:
    int32_t queryInterface(const MpGuid& iid, void** out) override;
    int32_t addRef() override { return 1; }
    int32_t release() override { return 1; }
    int32_t createInstance(const char16_t* id, int32_t kind, IMpUnknown* host, void** out) override;
    int32_t getSdkInformation(int32_t* sdkVersion, int32_t maxChars, char16_t* compilerText) override;
    int32_t createInstance2(const char16_t* id, int32_t kind, void** out) override;
    virtual ~MpFactory() = default;

    // Adds (kind, id); the first registration of a key wins. Returns 0.
    int32_t registerPlugin(int32_t kind, std::u16string_view id, CreatePluginFunction create);

private:
    // Ordered by kind (signed), then by id in UTF-16 code units, shorter prefix first.
    using Key = std::pair<int32_t, std::u16string>;

    CreatePluginFunction find(const char16_t* id, int32_t kind) const;

    std::map<Key, CreatePluginFunction> registry_;
};

// The process-wide factory, created on first use and destroyed at unload.
MpFactory& getFactory();

int32_t registerPlugin(int32_t kind, std::u16string_view id, CreatePluginFunction create);

// A static object of this type registers one plug-in half at library load.
struct PluginRegistration {
    PluginRegistration(int32_t kind, std::u16string_view id, CreatePluginFunction create) {
        registerPlugin(kind, id, create);
    }
};

// Creation function for class T, handing out its Part interface.
template <class T, class Part>
IMpUnknown* createPlugin() {
    return static_cast<Part*>(new T());
}

}  // namespace gmpi
