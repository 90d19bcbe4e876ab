#include "gui/MpGuiBase2.h"

namespace gmpi {

int32_t MpGuiBase2::queryInterface(const MpGuid& iid, void** out) {
    if (out == nullptr) return MP_NOSUPPORT;
    *out = nullptr;
    if (iid == MP_IID_GUI_PLUGIN2 || iid == MP_IID_UNKNOWN) {
        *out = static_cast<IMpUserInterface2*>(this);
        addRef();
        return MP_OK;
    }
    return MP_NOSUPPORT;
}

int32_t MpGuiBase2::setHost(IMpUnknown* host) {
    IMpUserInterfaceHost2* guiHost = nullptr;
    if (host != nullptr) host->queryInterface(MP_IID_UI_HOST2, reinterpret_cast<void**>(&guiHost));
    replaceHost(guiHost);
    return guiHost != nullptr ? MP_OK : MP_NOSUPPORT;
}

int32_t MpGuiBase2::initialize() {
    for (const auto& [pinId, pin] : pins()) pin->notifyIfDefault(pinId);
    return MP_OK;
}

int32_t MpGuiBase2::setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) {
    MpGuiPinBase* pin = findPin(pinId);
    if (pin == nullptr) return MP_FAIL;
    if (pin->setValueRaw(voice, size, data)) pin->invokeCallback(voice);
    return MP_OK;
}

}  // namespace gmpi
