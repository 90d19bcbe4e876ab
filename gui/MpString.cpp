#include "gui/MpString.h"

namespace gmpi_sdk {

int32_t MpString::queryInterface(const gmpi::MpGuid& iid, void** out) {
    if (out == nullptr) return gmpi::MP_NOSUPPORT;
    if (iid == gmpi::MP_IID_RETURNSTRING || iid == gmpi::MP_IID_UNKNOWN) {
        *out = static_cast<gmpi::IMpString*>(this);
        return gmpi::MP_OK;
    }
    *out = nullptr;
    return gmpi::MP_NOSUPPORT;
}

int32_t MpString::setData(const char* bytes, int32_t length) {
    if (bytes == nullptr || length <= 0)
        text_.clear();
    else
        text_.assign(bytes, static_cast<size_t>(length));
    return gmpi::MP_OK;
}

}  // namespace gmpi_sdk
