#include "gui/MpString.h"

#include "framework/ComObject.h"

namespace gmpi_sdk {

int32_t MpString::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{gmpi::MP_IID_RETURNSTRING, this}, {gmpi::MP_IID_UNKNOWN, this}});
}

int32_t MpString::setData(const char* bytes, int32_t length) {
    if (bytes == nullptr || length <= 0)
        text_.clear();
    else
        text_.assign(bytes, static_cast<size_t>(length));
    return gmpi::MP_OK;
}

}  // namespace gmpi_sdk
