#include "host/audio/EventList.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace zuhost {

void EventList::append(const gmpi::MpEvent& event) {
    entries_.push_back({event, static_cast<uint32_t>(entries_.size())});
}

void EventList::add(int32_t timeDelta, int32_t type, int32_t pin, std::span<const uint8_t> value) {
    gmpi::MpEvent event{timeDelta, type, pin, static_cast<int32_t>(value.size()), 0, 0, nullptr, nullptr};
    if (value.size() > 2 * sizeof(int32_t)) {
        event.extraData = value.data();
    } else if (!value.empty()) {
        // parm3 and parm4 are adjacent: an inline value may span both.
        std::memcpy(reinterpret_cast<unsigned char*>(&event) + offsetof(gmpi::MpEvent, parm3), value.data(),
                    value.size());
    }
    append(event);
}

void EventList::addStreaming(int32_t timeDelta, int32_t pin, bool streaming) {
    const int32_t type = streaming ? gmpi::EVENT_PIN_STREAMING_START : gmpi::EVENT_PIN_STREAMING_STOP;
    append({timeDelta, type, pin, 0, 0, 0, nullptr, nullptr});
}

void EventList::addGraphStart(int32_t timeDelta) {
    append({timeDelta, gmpi::EVENT_GRAPH_START, -1, 0, 0, 0, nullptr, nullptr});
}

const gmpi::MpEvent* EventList::first() {
    if (entries_.empty()) return nullptr;
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return a.event.timeDelta != b.event.timeDelta ? a.event.timeDelta < b.event.timeDelta : a.order < b.order;
    });
    for (size_t i = 0; i + 1 < entries_.size(); ++i) entries_[i].event.next = &entries_[i + 1].event;
    entries_.back().event.next = nullptr;
    return &entries_.front().event;
}

}  // namespace zuhost
