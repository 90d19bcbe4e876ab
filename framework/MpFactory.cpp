#include "framework/MpFactory.h"

#include <algorithm>

namespace gmpi {

int32_t MpFactory::queryInterface(const MpGuid& iid, void** out) {
    if (out == nullptr) return MP_NOSUPPORT;
    if (iid == MP_IID_FACTORY2 || iid == MP_IID_FACTORY || iid == MP_IID_UNKNOWN) {
        *out = static_cast<IMpFactory2*>(this);
        addRef();
        return MP_OK;
    }
    *out = nullptr;
    return MP_NOSUPPORT;
}

CreatePluginFunction MpFactory::find(const char16_t* id, int32_t kind) const {
    if (id == nullptr) return nullptr;
    const auto entry = registry_.find(Key{kind, id});
    return entry == registry_.end() ? nullptr : entry->second;
}

int32_t MpFactory::createInstance(const char16_t* id, int32_t kind, IMpUnknown* host, void** out) {
    if (out == nullptr) return MP_NOSUPPORT;
    *out = nullptr;
    const CreatePluginFunction create = find(id, kind);
    if (create == nullptr) return MP_NOSUPPORT;
    IMpUnknown* object = nullptr;
    try {
        object = create();
        // A null host is not handed on: the object receives one later through setHost.
        if (auto* initialisation = dynamic_cast<IoldSchoolInitialisation*>(object); initialisation && host)
            initialisation->setHost(host);
    } catch (...) {
        // An object whose initialisation failed is nobody's: release it here.
        if (object != nullptr) object->release();
        return MP_FAIL;
    }
    *out = object;
    return MP_OK;
}

int32_t MpFactory::createInstance2(const char16_t* id, int32_t kind, void** out) {
    if (out == nullptr) return MP_NOSUPPORT;
    *out = nullptr;
    const CreatePluginFunction create = find(id, kind);
    if (create == nullptr) return MP_NOSUPPORT;
    try {
        *out = create();
    } catch (...) {
        return MP_FAIL;
    }
    return MP_OK;
}

int32_t MpFactory::getSdkInformation(int32_t* sdkVersion, int32_t maxChars, char16_t* compilerText) {
    constexpr int32_t version = 30500;
    constexpr std::u16string_view text = u"MS Compiler V1900";
    if (sdkVersion != nullptr) *sdkVersion = version;
    if (compilerText == nullptr || maxChars <= 0) return MP_OK;
    const auto length = std::min<size_t>(text.size(), static_cast<size_t>(maxChars) - 1);
    std::copy_n(text.begin(), length, compilerText);
    compilerText[length] = u'\0';
    return MP_OK;
}

int32_t MpFactory::registerPlugin(int32_t kind, std::u16string_view id, CreatePluginFunction create) {
    registry_.try_emplace(Key{kind, std::u16string(id)}, create);
    return MP_OK;
}

MpFactory& getFactory() {
    static MpFactory factory;
    return factory;
}

int32_t registerPlugin(int32_t kind, std::u16string_view id, CreatePluginFunction create) {
    return getFactory().registerPlugin(kind, id, create);
}

}  // namespace gmpi

extern "C" int32_t MP_GetFactory(void** out) { return gmpi::getFactory().queryInterface(gmpi::MP_IID_UNKNOWN, out); }
