// One counted reference to an object made by a loaded plug-in library.
//
// Contract: holds exactly one reference (released on destruction or reset)
// and keeps the library loaded for as long as the reference lives, so an
// object can never outlive its code. Copies add a reference; moves transfer
// it. query() asks the object for another interface and returns it as a new
// PluginRef, empty when the object does not offer it.
#pragma once

#include <memory>
#include <utility>

#include "framework/MpInterfaces.h"
#include "host/description/SharedLibrary.h"

namespace zuhost {

template <class T>
class PluginRef {
public:
    PluginRef() = default;
    // Adopts `object`, which already carries the reference this PluginRef owns.
    PluginRef(std::shared_ptr<SharedLibrary> library, T* object) : library_(std::move(library)), object_(object) {}
    PluginRef(const PluginRef& other) : library_(other.library_), object_(other.object_) {
        if (object_) object_->addRef();
    }
    PluginRef(PluginRef&& other) noexcept
        : library_(std::move(other.library_)), object_(std::exchange(other.object_, nullptr)) {}
    PluginRef& operator=(PluginRef other) noexcept {
        std::swap(library_, other.library_);
        std::swap(object_, other.object_);
        return *this;
    }
    ~PluginRef() { reset(); }

    // Releases the reference before letting go of the library: release runs library code.
    void reset() {
        if (object_) std::exchange(object_, nullptr)->release();
        library_.reset();
    }

    template <class U>
    PluginRef<U> query(const gmpi::MpGuid& iid) const {
        void* out = nullptr;
        if (!object_ || object_->queryInterface(iid, &out) != gmpi::MP_OK || !out) return {};
        return PluginRef<U>(library_, static_cast<U*>(out));
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    std::shared_ptr<SharedLibrary> library_;
    T* object_ = nullptr;
};

}  // namespace zuhost
