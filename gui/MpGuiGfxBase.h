// The base of every host-drawn panel: the second-generation panel base plus
// IMpGraphics, through which the host lays the panel out, has it render and
// forwards the pointer.
//
// Contract: one reference count serves both faces (IMpUserInterface2 and
// IMpGraphics). setHost asks for the graphics host first (a host without one
// is not an error) and then for the GUI host. Without a graphics host,
// invalidation, capture and the other graphics-host services do nothing.
// The destructor releases both hosts.
#pragma once

#include "framework/ComObject.h"
#include "framework/ComRef.h"
#include "gui/MpGuiBase2.h"

namespace gmpi_gui {

// clang-format off
class MpGuiGfxBase : public gmpi::MpGuiBase2, public IMpGraphics {
public:
    int32_t queryInterface(const MpGuid& iid, void** out) override;  // IMpGraphics: the graphics face; else as MpGuiBase2
    int32_t addRef() override { return references_.addRef(); }       // either face; returns the new count
    int32_t release() override { return references_.release(this); } // either face; deletes the object at 0
    int32_t setHost(IMpUnknown* host) override;                       // graphics host, then GUI host; MpGuiBase2's answer

    int32_t arrange(const MpRect* finalRect) override;                // stores the bounds; a change repaints the whole panel
    int32_t onPointerDown(uint32_t, MpPoint) override { return gmpi::MP_FAIL; }  // not handled
    int32_t onPointerMove(uint32_t, MpPoint) override { return gmpi::MP_FAIL; }  // not handled
    int32_t onPointerUp(uint32_t, MpPoint) override { return gmpi::MP_FAIL; }    // not handled

protected:
    IMpGraphicsHost* getGraphicsHost() const { return graphicsHost_.get(); }
    const MpRect& getBounds() const { return bounds_; }

    void invalidateRect();     // repaint the whole panel
    void invalidateMeasure();  // lay the panel out again
    void setCapture();
    bool getCapture() const;   // true while this panel holds the pointer
    void releaseCapture();

private:
    gmpi::ComRef<IMpGraphicsHost> graphicsHost_;
    MpRect bounds_{0, 0, 0, 0};
    gmpi::ReferenceCount references_;
};
// clang-format on

}  // namespace gmpi_gui
