#include "gui/MpGuiGfxBase.h"

#include "gui/PanelFaces.h"

namespace gmpi_gui {

int32_t MpGuiGfxBase::queryInterface(const MpGuid& iid, void** out) {
    if (offerFace<IMpGraphics>(*this, iid, MP_IID_GRAPHICS, out)) return gmpi::MP_OK;
    return MpGuiBase2::queryInterface(iid, out);
}

int32_t MpGuiGfxBase::release() { return releaseReference(this, refCount_); }

int32_t MpGuiGfxBase::setHost(IMpUnknown* host) {
    if (graphicsHost_ != nullptr) graphicsHost_->release();
    graphicsHost_ = nullptr;
    if (host != nullptr) host->queryInterface(MP_IID_GRAPHICS_HOST, reinterpret_cast<void**>(&graphicsHost_));
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

MpGuiGfxBase::~MpGuiGfxBase() {
    if (graphicsHost_ != nullptr) graphicsHost_->release();
}

void MpGuiGfxBase::invalidateRect() {
    if (graphicsHost_ != nullptr) graphicsHost_->invalidateRect(nullptr);
}

void MpGuiGfxBase::invalidateMeasure() {
    if (graphicsHost_ != nullptr) graphicsHost_->invalidateMeasure();
}

void MpGuiGfxBase::setCapture() {
    if (graphicsHost_ != nullptr) graphicsHost_->setCapture();
}

bool MpGuiGfxBase::getCapture() const {
    int32_t captured = 0;
    if (graphicsHost_ != nullptr) graphicsHost_->getCapture(&captured);
    return captured != 0;
}

void MpGuiGfxBase::releaseCapture() {
    if (graphicsHost_ != nullptr) graphicsHost_->releaseCapture();
}

}  // namespace gmpi_gui
