// How a panel base hands out its faces (the interfaces it implements beside
// its primary one) and counts the references on all of them together.
#pragma once

#include <cstdint>

#include "framework/MpInterfaces.h"

namespace gmpi_gui {

// Answers face, with a reference added, when iid names it; false otherwise.
template <class Face, class Panel>
bool offerFace(Panel& panel, const gmpi::MpGuid& iid, const gmpi::MpGuid& faceIid, void** out) {
    if (out == nullptr || !(iid == faceIid)) return false;
    *out = static_cast<Face*>(&panel);
    panel.addRef();
    return true;
}

// Takes one reference from count (1 at creation) and deletes the panel when
// none is left; answers the references left.
template <class Panel>
int32_t releaseReference(Panel* panel, int32_t& count) {
    const int32_t left = --count;
    if (left == 0) delete panel;
    return left;
}

}  // namespace gmpi_gui
