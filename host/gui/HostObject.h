// Reference counting for the substitute GUI host's objects, built so that a
// test can tell whether a panel released everything it was given.
//
// Two kinds of object exist. Service objects (the GUI host, the graphics host,
// a drawing context) belong to whoever made them; panels add and release
// references, and release() never deletes. Handed-out objects (files,
// bitmaps, brushes, text formats, ...) are created with the one reference the
// receiver owns and delete themselves at the last release; each is counted in
// the ObjectTally of the service that made it while it lives, and registered
// process-wide, so that a pointer a panel hands back can be checked before
// it is trusted. GUI thread only.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>

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

// The references panels hold on a service object; it starts at one, the owner's.
class ServiceReferences {
public:
    int32_t addRef() { return ++count_; }
    int32_t release() { return --count_; }
    int32_t outstanding() const { return count_ - 1; }  // panel references not yet released
    bool overReleased() const { return count_ < 1; }

private:
    int32_t count_ = 1;
};

// Calls to slots this library never uses; each answers -1.
class UnexpectedCalls {
public:
    int32_t note() {
        ++count_;
        return gmpi::MP_FAIL;
    }
    int32_t count() const { return count_; }

private:
    int32_t count_ = 0;
};

// queryInterface for an object that answers each identifier in `identifiers`
// (and nothing else) with `object`, adding a reference.
template <class Interface>
int32_t answerQuery(Interface* object, const gmpi::MpGuid& iid, void** out,
                    std::initializer_list<const gmpi::MpGuid*> identifiers) {
    if (out == nullptr) return gmpi::MP_NOSUPPORT;
    *out = nullptr;
    for (const gmpi::MpGuid* identifier : identifiers) {
        if (identifier != nullptr && iid == *identifier) {
            *out = object;
            object->addRef();
            return gmpi::MP_OK;
        }
    }
    return gmpi::MP_NOSUPPORT;
}

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
        return answerQuery(static_cast<Interface*>(this), iid, out, {&gmpi::MP_IID_UNKNOWN, identifier_});
    }
    int32_t addRef() override { return ++refCount_; }
    int32_t release() override {
        const int32_t count = --refCount_;
        if (count == 0) delete this;
        return count;
    }

    // The pointer a receiver gets, carrying the creation reference.
    void* handOut() { return static_cast<Interface*>(this); }

protected:
    // `identifier` names the interface, or is null for objects that are only
    // handed back to the host and never queried.
    HostObject(std::shared_ptr<ObjectTally> tally, const gmpi::MpGuid* identifier)
        : HostObjectBase(std::move(tally), static_cast<Interface*>(this)), identifier_(identifier) {}

private:
    const gmpi::MpGuid* identifier_;
    int32_t refCount_ = 1;
};

}  // namespace zuhost::gui
