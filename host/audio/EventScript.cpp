#include "host/audio/EventScript.h"

#include <algorithm>
#include <utility>

#include "framework/MpInterfaces.h"

namespace zuhost {

namespace {

bool earlier(const ScriptedEvent& event, int64_t time) { return event.time < time; }

}  // namespace

void EventScript::add(ScriptedEvent event) {
    // After every event of the same time, so equal times keep the order of addition.
    const auto at = std::upper_bound(events_.begin(), events_.end(), event.time,
                                     [](int64_t time, const ScriptedEvent& other) { return time < other.time; });
    events_.insert(at, std::move(event));
}

void EventScript::setValue(int64_t time, int32_t pin, std::span<const uint8_t> bytes, int32_t voice) {
    add({time, gmpi::EVENT_PIN_SET, pin, voice, std::vector<uint8_t>(bytes.begin(), bytes.end())});
}

void EventScript::setStreaming(int64_t time, int32_t pin, bool streaming, int32_t voice) {
    add({time, streaming ? gmpi::EVENT_PIN_STREAMING_START : gmpi::EVENT_PIN_STREAMING_STOP, pin, voice, {}});
}

std::span<const ScriptedEvent> EventScript::between(int64_t begin, int64_t end) const {
    const auto first = std::lower_bound(events_.begin(), events_.end(), begin, earlier);
    const auto last = std::lower_bound(first, events_.end(), end, earlier);
    return {first, last};
}

}  // namespace zuhost
