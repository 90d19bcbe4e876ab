// The part of an object that answers an interface, borrowed rather than owned.
#pragma once

#include "framework/MpInterfaces.h"

namespace zuhost {

// Asks `object` for `iid` and gives back the reference the query added, so
// the part stays valid only while the caller's own reference keeps the object
// alive. Null when the object does not offer the interface.
template <class Part>
Part* borrowedPart(gmpi::IMpUnknown& object, const gmpi::MpGuid& iid) {
    void* part = nullptr;
    if (object.queryInterface(iid, &part) != gmpi::MP_OK || part == nullptr) return nullptr;
    static_cast<gmpi::IMpUnknown*>(part)->release();
    return static_cast<Part*>(part);
}

}  // namespace zuhost
