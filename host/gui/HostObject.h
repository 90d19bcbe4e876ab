// Reference counting for the substitute GUI host's objects, built so that a
// test can tell whether a panel released everything it was given.
//
// Two kinds of object exist. Service objects (the GUI host, the graphics host,
// a drawing context) belong to whoever made them; panels add and release
// references (gmpi::ServiceReferences), and release() never deletes.
// Handed-out objects (files, bitmaps, brushes, text formats, ...) are created
// with the one reference the receiver owns and delete themselves at the last
// release (gmpi::ReferenceCount); each is counted in the ObjectTally of the
// service that made it while it lives, and registered process-wide, so that
// a pointer a panel hands back can be checked before it is trusted. GUI
// thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/ComObject.h"
#include "gui/GuiInterfaces.h"

namespace zuhost::gui {

// How many objects one service has handed out and how many are still alive.
class ObjectTally {
public:
    int32_t live() const { return live_; }
    int32_t created() const { return created_; }

private:
    friend class HostObjectBase;
    int32_t live_ = 0;
    int32_t created_ = 0;
};

class HostObjectBase {
public:
    HostObjectBase(const HostObjectBase&) = delete;
    HostObjectBase& operator=(const HostObjectBase&) = delete;

    // The live handed-out object whose interface pointer is `handle`, or null
    // for a pointer that no live host object was handed out as.
    static HostObjectBase* find(const void* handle);

protected:
    HostObjectBase(std::shared_ptr<ObjectTally> tally, const void* handle);
    virtual ~HostObjectBase();

private:
    std::shared_ptr<ObjectTally> tally_;
    const void* handle_;
};

// The handed-out object of type T behind `handle`, or null when `handle` is
// not a live host object of that type (foreign, released, or another kind).
template <class T>
T* findHostObject(const void* handle) {
    return dynamic_cast<T*>(HostObjectBase::find(handle));
}

// A handed-out object with one interface. It answers that interface's
// identifier (when it has one) and IMpUnknown with itself.
template <class Interface>
class HostObject : public Interface, public HostObjectBase {
public:
    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override {
        return gmpi::answerQuery(iid, out, {{gmpi::MP_IID_UNKNOWN, this}, {identifier_, this}});
    }
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(this); }

    // The pointer a receiver gets, carrying the creation reference.
    void* handOut() { return static_cast<Interface*>(this); }

protected:
    // `identifier` names the interface, or is null for objects that are only
    // handed back to the host and never queried.
    HostObject(std::shared_ptr<ObjectTally> tally, const gmpi::MpGuid* identifier)
        : HostObjectBase(std::move(tally), static_cast<Interface*>(this)), identifier_(identifier) {}

private:
    const gmpi::MpGuid* identifier_;
    gmpi::ReferenceCount references_;
};

}  // namespace zuhost::gui
