// The linked list of events a host hands to one process() call.
//
// Contract: events are added in any order and linked by first() in time
// order, equal times keeping the order of addition. Values up to 8 bytes are
// copied inline into parm3/parm4; longer ones are referenced through
// extraData, so their bytes must outlive the process() call. Adding does not
// allocate while the list stays within the capacity reserved.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/MpInterfaces.h"

namespace zuhost {

class EventList {
public:
    void reserve(size_t events) { entries_.reserve(events); }
    size_t capacity() const { return entries_.capacity(); }
    void clear() { entries_.clear(); }
    bool empty() const { return entries_.empty(); }
    size_t size() const { return entries_.size(); }

    // Any event addressed to a pin; value events carry their bytes.
    void add(int32_t timeDelta, int32_t type, int32_t pin, std::span<const uint8_t> value = {});
    void addStreaming(int32_t timeDelta, int32_t pin, bool streaming);
    void addGraphStart(int32_t timeDelta);

    // Links the events and returns the first, or null for an empty list.
    const gmpi::MpEvent* first();

private:
    struct Entry {
        gmpi::MpEvent event;
        uint32_t order;
    };

    void append(const gmpi::MpEvent& event);

    std::vector<Entry> entries_;
};

}  // namespace zuhost
