#include "gui/ZuGuiWindowsGfxBase.h"

namespace gmpi_gui {

int32_t ZuGuiWindowsGfxBase::setHost(IMpUnknown* host) {
    MpGuiWindowsGfxBase::setHost(host);
    extraHost_ = requireHostInterface<IMpUnknown>(host, MP_IID_WINDOW_HOST_EXTRA);
    return gmpi::MP_OK;
}

}  // namespace gmpi_gui
