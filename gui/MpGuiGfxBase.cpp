#include "gui/MpGuiGfxBase.h"

namespace gmpi_gui {

int32_t MpGuiGfxBase::queryInterface(const MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{MP_IID_GRAPHICS, static_cast<IMpGraphics*>(this)}},
                             [&] { return MpGuiBase2::queryInterface(iid, out); });
}

int32_t MpGuiGfxBase::setHost(IMpUnknown* host) {
    graphicsHost_.reset();  // the host held so far is let go before the new one is asked
    graphicsHost_ = gmpi::ComRef<IMpGraphicsHost>::query(host, MP_IID_GRAPHICS_HOST);
    return MpGuiBase2::setHost(host);
}

int32_t MpGuiGfxBase::arrange(const MpRect* finalRect) {
    if (finalRect == nullptr) return gmpi::MP_FAIL;
    const MpRect& r = *finalRect;
    if (r.left == bounds_.left && r.top == bounds_.top && r.right == bounds_.right && r.bottom == bounds_.bottom)
        return gmpi::MP_OK;
    bounds_ = r;
    invalidateRect();
    return gmpi::MP_OK;
}

void MpGuiGfxBase::invalidateRect() {
    if (graphicsHost_) graphicsHost_->invalidateRect(nullptr);
}

void MpGuiGfxBase::invalidateMeasure() {
    if (graphicsHost_) graphicsHost_->invalidateMeasure();
}

void MpGuiGfxBase::setCapture() {
    if (graphicsHost_) graphicsHost_->setCapture();
}

bool MpGuiGfxBase::getCapture() const {
    int32_t captured = 0;
    if (graphicsHost_) graphicsHost_->getCapture(&captured);
    return captured != 0;
}

void MpGuiGfxBase::releaseCapture() {
    if (graphicsHost_) graphicsHost_->releaseCapture();
}

}  // namespace gmpi_gui
