// The base of every panel, second generation (IMpUserInterface2).
//
// Contract: the host calls setHost, then setPin for each pin that has a value,
// then initialize, and afterwards setPin for every change, all on its GUI
// thread. A changed value runs the pin's handler before setPin returns;
// initialize runs the handlers of pins still at their default, so afterwards
// every handler has run at least once. Values may arrive before setHost: they
// are stored and handled, and nothing is sent to a host that is not there.
// Reference counting is the derived class's (MpGuiGfxBase).
#pragma once

#include "gui/GuiPinOwner.h"

namespace gmpi {

// clang-format off
class MpGuiBase2 : public IMpUserInterface2, public GuiPinOwner {
public:
    int32_t queryInterface(const MpGuid& iid, void** out) override;  // IMpUserInterface2 and IMpUnknown: this object
    int32_t setHost(IMpUnknown* host) override;                       // keeps the host's IMpUserInterfaceHost2; -2 without one
    int32_t initialize() override;                                    // handlers of pins at their default, ascending ids; 0
    int32_t setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) override;  // stores, handles a change; -1 for no pin
    int32_t reserved6() override { return MP_FAIL; }
    int32_t reserved7() override { return MP_FAIL; }
    int32_t reserved8() override { return MP_FAIL; }
    int32_t reserved9() override { return MP_FAIL; }
    virtual ~MpGuiBase2() = default;

    // The host's GUI services; null before setHost or when the host has none.
    IMpUserInterfaceHost2* getGuiHost() const { return static_cast<IMpUserInterfaceHost2*>(getHostInterface()); }
};
// clang-format on

}  // namespace gmpi
