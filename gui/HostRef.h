// One reference to a reference-counted interface, released when the holder
// goes: the way the library keeps host objects (brushes, bitmaps, formats,
// hosts) without leaking them on any path.
#pragma once

#include <utility>

#include "framework/MpInterfaces.h"

namespace gmpi {

template <class T>
class HostRef {
public:
    HostRef() = default;
    explicit HostRef(T* adopted) : object_(adopted) {}  // takes over the caller's reference
    HostRef(const HostRef& other) : object_(other.object_) {
        if (object_ != nullptr) object_->addRef();
    }
    HostRef(HostRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    HostRef& operator=(HostRef other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~HostRef() { reset(); }

    void reset() {
        if (object_ != nullptr) std::exchange(object_, nullptr)->release();
    }
    // Where a host call writes an object it hands out with one reference.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&object_);
    }
    // The interface iid of this object, with a reference of its own; empty when not offered.
    template <class Other>
    HostRef<Other> as(const MpGuid& iid) const;

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_ = nullptr;
};

// Asks object for iid; empty when it is null or does not offer it.
template <class Interface>
HostRef<Interface> queryHostInterface(IMpUnknown* object, const MpGuid& iid) {
    HostRef<Interface> result;
    if (object != nullptr && object->queryInterface(iid, result.put()) != MP_OK) result.reset();
    return result;
}

template <class T>
template <class Other>
HostRef<Other> HostRef<T>::as(const MpGuid& iid) const {
    return queryHostInterface<Other>(object_, iid);
}

}  // namespace gmpi
