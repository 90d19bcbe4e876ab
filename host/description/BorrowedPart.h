// The part of an object that answers an interface, borrowed rather than owned.
#pragma once

#include "framework/ComRef.h"

namespace zuhost {

// Asks `object` for `iid` and gives back the reference the query added, so
// the part stays valid only while the caller's own reference keeps the object
// alive. Null when the object does not offer the interface.
template <class Part>
Part* borrowedPart(gmpi::IMpUnknown& object, const gmpi::MpGuid& iid) {
    return gmpi::ComRef<Part>::query(&object, iid).get();
}

}  // namespace zuhost
