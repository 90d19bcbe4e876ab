#include "gui/MpGuiBase.h"

namespace gmpi {

int32_t MpGuiBase_base::queryInterface(const MpGuid& iid, void** out) {
    if (out == nullptr) return MP_NOSUPPORT;
    *out = nullptr;
    if (iid == MP_IID_GUI_PLUGIN || iid == MP_IID_UNKNOWN) {
        *out = static_cast<IMpUserInterface*>(this);
        addRef();
        return MP_OK;
    }
    return MP_NOSUPPORT;
}

int32_t MpGuiBase_base::setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) {
    MpGuiPinBase* pin = findPin(pinId);
    if (pin == nullptr) return MP_FAIL;
    pin->setValueRaw(voice, size, data);
    return MP_OK;
}

int32_t MpGuiBase_base::notifyPin(int32_t pinId, int32_t voice) { return invokePinHandler(pinId, voice); }

int32_t MpGuiBase_base::setHost(IMpUnknown* host) {
    IMpUserInterfaceHost* guiHost = nullptr;
    requireHostInterface(host, MP_IID_UI_HOST, guiHost);
    replaceHost(guiHost);
    return MP_OK;
}

}  // namespace gmpi
