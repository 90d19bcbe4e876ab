// A first-generation panel drawn into the host's composited surface.
//
// Contract: the factory hands the host over right after creation; a host
// without the first-generation GUI host or the composited host ends the
// creation with "host Interfaces not supported". The destructor releases the
// hosts. GUI thread only.
#pragma once

#include "framework/ComObject.h"
#include "gui/MpGuiBase.h"

namespace gmpi_gui {

// clang-format off
class ZuGuiCompositedGfxBase : public gmpi::MpGuiBase, public IZuGraphicsComposited {
public:
    int32_t queryInterface(const MpGuid& iid, void** out) override;  // IZuGraphicsComposited: the composited face; else as MpGuiBase
    int32_t addRef() override { return references_.addRef(); }       // either face; returns the new count
    int32_t release() override { return references_.release(this); } // either face; deletes the object at 0
    int32_t setHost(IMpUnknown* host) override;                       // GUI host, then composited host; throws without either

    int32_t reserved3() override { return gmpi::MP_OK; }
    int32_t measure(MpSizeI available, MpSizeI* desired) override;   // available kept within 15..100 each way
    int32_t arrange(const MpRectI* rect) override;                    // the panel's rectangle, kept as given
    int32_t reserved6() override { return gmpi::MP_OK; }
    int32_t reserved7() override { return gmpi::MP_OK; }
    int32_t reserved8() override { return gmpi::MP_OK; }
    int32_t reserved9() override { return gmpi::MP_OK; }
    int32_t reserved10() override { return gmpi::MP_OK; }

protected:
    IMpUnknown* getCompositedHost() const { return compositedHost_.get(); }
    const MpRectI& getRect() const { return rect_; }

private:
    gmpi::ReferenceCount references_;
    gmpi::ComRef<IMpUnknown> compositedHost_;
    MpRectI rect_{0, 0, 0, 0};
};
// clang-format on

}  // namespace gmpi_gui
