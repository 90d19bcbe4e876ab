// How an object answers the three slots every interface starts with. It
// implements several interfaces through several bases; queryInterface
// answers each identifier with the matching part of the object, from a list
// of faces, and one count serves every part.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "framework/MpInterfaces.h"

namespace gmpi {

// The part that answers a query for iid. A face without a part, or without
// an identifier, is not offered.
struct Face {
    Face(const MpGuid& iid, IMpUnknown* part) : iid(&iid), part(part) {}
    Face(const MpGuid* iid, IMpUnknown* part) : iid(iid), part(part) {}

    const MpGuid* iid;
    IMpUnknown* part;
};

// queryInterface from a list of faces: the first face offered for iid is
// stored in out with a reference added through it, and 0 answered; for
// anything else out is null and -2 answered.
inline int32_t answerQuery(const MpGuid& iid, void** out, std::initializer_list<Face> faces) {
    if (out == nullptr) return MP_NOSUPPORT;
    *out = nullptr;
    for (const Face& face : faces) {
        if (face.iid == nullptr || face.part == nullptr || !(*face.iid == iid)) continue;
        face.part->addRef();
        *out = face.part;
        return MP_OK;
    }
    return MP_NOSUPPORT;
}

// The same for a class that adds faces to those of its base: inherited (the
// base's queryInterface) answers whatever none of them is offered for.
template <class Inherited>
int32_t answerQuery(const MpGuid& iid, void** out, std::initializer_list<Face> faces, Inherited inherited) {
    const int32_t answer = answerQuery(iid, out, faces);
    return answer == MP_OK ? answer : inherited();
}

// The count of an object its references own: 1 at creation (the creator's);
// the release that reaches 0 deletes the object.
class ReferenceCount {
public:
    int32_t addRef() { return ++count_; }
    template <class Object>
    int32_t release(Object* object) {
        const int32_t left = --count_;
        if (left == 0) delete object;
        return left;
    }

private:
    int32_t count_ = 1;
};

// The count of an object its owner keeps (a host's service to plug-ins): it
// starts at the owner's one and never deletes, so that what others still
// hold, or released too often, can be told.
class ServiceReferences {
public:
    int32_t addRef() { return ++count_; }
    int32_t release() { return --count_; }
    int32_t outstanding() const { return count_ - 1; }
    bool overReleased() const { return count_ < 1; }

private:
    int32_t count_ = 1;
};

}  // namespace gmpi
