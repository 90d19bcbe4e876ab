#include "host/gui/HostObject.h"

#include <map>

namespace zuhost::gui {

namespace {

std::map<const void*, HostObjectBase*>& liveObjects() {
    static std::map<const void*, HostObjectBase*> objects;
    return objects;
}

}  // namespace

HostObjectBase* HostObjectBase::find(const void* handle) {
    const auto found = liveObjects().find(handle);
    return found == liveObjects().end() ? nullptr : found->second;
}

HostObjectBase::HostObjectBase(std::shared_ptr<ObjectTally> tally, const void* handle)
    : tally_(std::move(tally)), handle_(handle) {
    ++tally_->live_;
    ++tally_->created_;
    liveObjects()[handle_] = this;
}

HostObjectBase::~HostObjectBase() {
    --tally_->live_;
    liveObjects().erase(handle_);
}

}  // namespace zuhost::gui
