// What both generations of panel base share: the pins a panel binds, and the
// host's GUI interface through which values go back to the host.
//
// Contract: pins are panel members; the map does not own them. Binding an id
// that is already bound keeps the first pin and leaves the new one unbound.
// The owner holds one reference on its host and releases it when the host is
// replaced and at destruction. Before a host is set, sending does nothing.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <type_traits>
#include <utility>

#include "framework/ComRef.h"
#include "gui/GuiInterfaces.h"
#include "gui/MpGuiPin.h"

namespace gmpi {

class GuiPinOwner {
public:
    GuiPinOwner(const GuiPinOwner&) = delete;
    GuiPinOwner& operator=(const GuiPinOwner&) = delete;

    // Passes a panel's new pin value to the host's pinTransmit.
    virtual int32_t sendPinUpdate(int32_t pinId, int32_t size, const void* data, int32_t voice);

    // Runs the pin's handler for voice; -1 when no pin has that id.
    int32_t invokePinHandler(int32_t pinId, int32_t voice);

protected:
    GuiPinOwner() = default;
    virtual ~GuiPinOwner() = default;

    // Binds pin at pinId, or at the next free id (0 for the first pin, else
    // the largest bound id plus 1), with an optional handler: a member
    // function of the panel taking no arguments, or the voice (indexed form).
    void initializePin(int32_t pinId, MpGuiPinBase& pin) { bindPin(pinId, pin, nullptr); }
    void initializePin(MpGuiPinBase& pin) { bindPin(nextFreePinId(), pin, nullptr); }

    template <class Panel>
    void initializePin(int32_t pinId, MpGuiPinBase& pin, void (Panel::*handler)()) {
        using Interface = GuiInterfaceOf<Panel>;
        bindPin(pinId, pin,
                std::make_unique<IGuiPinCallback<Interface>>(
                    static_cast<Interface*>(static_cast<Panel*>(this)),
                    static_cast<typename IGuiPinCallback<Interface>::Handler>(handler)));
    }
    template <class Panel>
    void initializePin(MpGuiPinBase& pin, void (Panel::*handler)()) {
        initializePin(nextFreePinId(), pin, handler);
    }
    template <class Panel>
    void initializePin(int32_t pinId, MpGuiPinBase& pin, void (Panel::*handler)(int32_t voice)) {
        using Interface = GuiInterfaceOf<Panel>;
        bindPin(pinId, pin,
                std::make_unique<IGuiPinCallbackIndexed<Interface>>(
                    static_cast<Interface*>(static_cast<Panel*>(this)),
                    static_cast<typename IGuiPinCallbackIndexed<Interface>::Handler>(handler)));
    }

    MpGuiPinBase* findPin(int32_t pinId) const;
    const std::map<int32_t, MpGuiPinBase*>& pins() const { return pins_; }

    IMpUserInterfaceHost* getHostInterface() const { return host_.get(); }
    void replaceHost(ComRef<IMpUserInterfaceHost> host) { host_ = std::move(host); }

private:
    template <class Panel>
    using GuiInterfaceOf =
        std::conditional_t<std::is_base_of_v<IMpUserInterface2, Panel>, IMpUserInterface2, IMpUserInterface>;

    int32_t nextFreePinId() const { return pins_.empty() ? 0 : pins_.rbegin()->first + 1; }
    void bindPin(int32_t pinId, MpGuiPinBase& pin, std::unique_ptr<IGuiPinCallbackImpl> callback);

    std::map<int32_t, MpGuiPinBase*> pins_;
    ComRef<IMpUserInterfaceHost> host_;
};

}  // namespace gmpi
