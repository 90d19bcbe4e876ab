// The panel base of the first generation (IMpUserInterface), on which the
// native-window and composited hosting bases stand.
//
// Contract: the factory hands the host over right after creation
// (IoldSchoolInitialisation); a host without the first-generation GUI host
// interface ends the creation with the exception "host Interfaces not
// supported". setPin only stores a value; the host runs its handler with
// notifyPin. Reference counting is the derived class's.
#pragma once

#include <stdexcept>

#include "framework/ComRef.h"
#include "gui/GuiPinOwner.h"

namespace gmpi {

// clang-format off
class MpGuiBase_base : public IMpUserInterface, public IoldSchoolInitialisation, public GuiPinOwner {
public:
    int32_t queryInterface(const MpGuid& iid, void** out) override;  // IMpUserInterface and IMpUnknown: this object
    int32_t reserved3() override { return MP_OK; }
    int32_t setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) override;  // stores without notifying; -1 for no pin
    int32_t notifyPin(int32_t pinId, int32_t voice) override;        // runs the pin's handler; -1 for no pin
    int32_t reserved6() override { return MP_OK; }
    int32_t reserved7() override { return MP_OK; }
    int32_t reserved8() override { return MP_OK; }
    virtual ~MpGuiBase_base() = default;

    int32_t setHost(IMpUnknown* host) override;  // keeps the first-generation GUI host; throws without one

protected:
    // The host's interface iid; throws when the host does not offer it.
    template <class Interface>
    static ComRef<Interface> requireHostInterface(IMpUnknown* host, const MpGuid& iid) {
        ComRef<Interface> found = ComRef<Interface>::query(host, iid);
        if (!found) throw HostInterfacesNotSupported();
        return found;
    }

    struct HostInterfacesNotSupported : std::runtime_error {
        HostInterfacesNotSupported() : std::runtime_error("host Interfaces not supported") {}
    };
};
// clang-format on

// The common base of the first-generation hosting variants.
class MpGuiBase : public MpGuiBase_base {};

}  // namespace gmpi
