#include "framework/MpFactory.h"

#include <algorithm>

#include "framework/ComObject.h"
#include "framework/ComRef.h"

namespace gmpi {

int32_t MpFactory::queryInterface(const MpGuid& iid, void** out) {
    return answerQuery(iid, out, {{MP_IID_FACTORY2, this}, {MP_IID_FACTORY, this}, {MP_IID_UNKNOWN, this}});
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
    // An object whose initialisation fails is nobody's: it is released here.
    ComRef<IMpUnknown> object;
    try {
        object = ComRef<IMpUnknown>::adopt(create());
        // A null host is not handed on: the object receives one later through setHost.
        if (auto* initialisation = dynamic_cast<IoldSchoolInitialisation*>(object.get()); initialisation && host)
            initialisation->setHost(host);
    } catch (...) {
        return MP_FAIL;
    }
    *out = object.detach();
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
