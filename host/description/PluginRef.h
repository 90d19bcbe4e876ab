// One counted reference to an object made by a loaded plug-in library, with
// the library kept loaded beside it so that the object can never outlive its
// code.
//
// Contract: a ComRef (one reference, released on destruction or reset;
// copies add a reference, moves pass it on) that also holds the library. The
// reference always goes before the library does: release runs library code.
// as() asks the object for another interface and returns it as a new
// PluginRef of the same library, empty when the object does not offer it.
#pragma once

#include <memory>
#include <utility>

#include "framework/ComRef.h"
#include "host/description/SharedLibrary.h"

namespace zuhost {

template <class T>
class PluginRef {
public:
    PluginRef() = default;
    PluginRef(std::shared_ptr<SharedLibrary> library, gmpi::ComRef<T> object)
        : library_(std::move(library)), object_(std::move(object)) {}
    PluginRef(const PluginRef&) = default;
    PluginRef(PluginRef&&) noexcept = default;
    // Swapping whole keeps each reference with its library until it goes.
    PluginRef& operator=(PluginRef other) noexcept {
        std::swap(library_, other.library_);
        std::swap(object_, other.object_);
        return *this;
    }

    void reset() {
        object_.reset();
        library_.reset();
    }

    template <class U>
    PluginRef<U> as(const gmpi::MpGuid& iid) const {
        gmpi::ComRef<U> part = object_.template as<U>(iid);
        return part ? PluginRef<U>(library_, std::move(part)) : PluginRef<U>();
    }

    T* get() const { return object_.get(); }
    T* operator->() const { return object_.get(); }
    explicit operator bool() const { return static_cast<bool>(object_); }

private:
    std::shared_ptr<SharedLibrary> library_;  // declared first: let go of last
    gmpi::ComRef<T> object_;
};

}  // namespace zuhost
