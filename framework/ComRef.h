// One counted reference to an object behind a host-facing interface, given
// back when the holder goes: how the library keeps what the host hands it
// (hosts, brushes, bitmaps, formats) and how the host keeps the plug-ins it
// creates, without leaking on any path.
//
// Construction says what happens to the count: adopt() takes over the
// reference the caller holds, addRef() takes one of its own, query() asks an
// object for an interface and keeps the reference the answer carries. Copies
// add a reference, moves pass it on. put() is where a call that hands out an
// object writes it; detach() hands the reference on to whoever receives it.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "framework/MpInterfaces.h"

namespace gmpi {

template <class T>
class ComRef {
public:
    ComRef() = default;
    ComRef(std::nullptr_t) {}

    static ComRef adopt(T* object) {
        ComRef held;
        held.object_ = object;
        return held;
    }
    static ComRef addRef(T* object) {
        if (object != nullptr) object->addRef();
        return adopt(object);
    }
    // The interface iid of object, with the reference the answer carries;
    // empty when object is null or refuses (what a refusal wrote is not ours).
    static ComRef query(IMpUnknown* object, const MpGuid& iid) {
        void* answer = nullptr;
        if (object == nullptr || object->queryInterface(iid, &answer) != MP_OK) return {};
        return adopt(static_cast<T*>(answer));
    }

    ComRef(const ComRef& other) : object_(other.object_) {
        if (object_ != nullptr) object_->addRef();
    }
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    // A reference to a derived interface serves as one to its base.
    template <class U>
    requires std::convertible_to<U*, T*> ComRef(ComRef<U>&& other)
    noexcept : object_(other.detach()) {}
    ComRef& operator=(ComRef other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComRef() { reset(); }

    // Gives the reference back; answers what release answered (0 when empty).
    int32_t reset() {
        T* object = std::exchange(object_, nullptr);
        return object != nullptr ? object->release() : 0;
    }
    // The pointer, whose reference now belongs to the caller.
    [[nodiscard]] T* detach() { return std::exchange(object_, nullptr); }
    // Where a call writes an object it hands out with one reference.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&object_);
    }
    // The interface iid of this object, with a reference of its own.
    template <class U>
    ComRef<U> as(const MpGuid& iid) const {
        return ComRef<U>::query(object_, iid);
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_ = nullptr;
};

}  // namespace gmpi
