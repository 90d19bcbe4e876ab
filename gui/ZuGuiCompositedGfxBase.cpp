#include "gui/ZuGuiCompositedGfxBase.h"

#include "gui/PanelLayout.h"

namespace gmpi_gui {

int32_t ZuGuiCompositedGfxBase::queryInterface(const MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{MP_IID_GRAPHICS_COMPOSITED, static_cast<IZuGraphicsComposited*>(this)}},
                             [&] { return MpGuiBase::queryInterface(iid, out); });
}

int32_t ZuGuiCompositedGfxBase::setHost(IMpUnknown* host) {
    MpGuiBase::setHost(host);
    compositedHost_ = requireHostInterface<IMpUnknown>(host, MP_IID_COMPOSITED_HOST);
    return gmpi::MP_OK;
}

int32_t ZuGuiCompositedGfxBase::measure(MpSizeI available, MpSizeI* desired) {
    return measurePanel(available, desired);
}

int32_t ZuGuiCompositedGfxBase::arrange(const MpRectI* rect) { return arrangePanel(rect, rect_); }

}  // namespace gmpi_gui
