#include "gui/ZuGuiCompositedGfxBase.h"

#include "gui/PanelFaces.h"
#include "gui/PanelLayout.h"

namespace gmpi_gui {

int32_t ZuGuiCompositedGfxBase::queryInterface(const MpGuid& iid, void** out) {
    if (offerFace<IZuGraphicsComposited>(*this, iid, MP_IID_GRAPHICS_COMPOSITED, out)) return gmpi::MP_OK;
    return MpGuiBase::queryInterface(iid, out);
}

int32_t ZuGuiCompositedGfxBase::release() { return releaseReference(this, refCount_); }

int32_t ZuGuiCompositedGfxBase::setHost(IMpUnknown* host) {
    MpGuiBase::setHost(host);
    compositedHost_ = requireHostInterface(host, MP_IID_COMPOSITED_HOST);
    return gmpi::MP_OK;
}

int32_t ZuGuiCompositedGfxBase::measure(MpSizeI available, MpSizeI* desired) {
    return measurePanel(available, desired);
}

int32_t ZuGuiCompositedGfxBase::arrange(const MpRectI* rect) { return arrangePanel(rect, rect_); }

}  // namespace gmpi_gui
