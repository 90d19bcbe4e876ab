// The native-window panel for a host that also offers its extra window
// interface: everything of MpGuiWindowsGfxBase, and a host without that
// interface ends the creation with "host Interfaces not supported" as well.
#pragma once

#include "gui/MpGuiWindowsGfxBase.h"

namespace gmpi_gui {

class ZuGuiWindowsGfxBase : public MpGuiWindowsGfxBase {
public:
    int32_t setHost(IMpUnknown* host) override;  // as MpGuiWindowsGfxBase, then the extra host interface

protected:
    IMpUnknown* getExtraHost() const { return extraHost_.get(); }

private:
    gmpi::ComRef<IMpUnknown> extraHost_;
};

}  // namespace gmpi_gui
