// Helpers shared by the audio engine tests: a readable summary of what a
// plug-in told its host, and event records built by hand where a host's
// list would be malformed.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/MpInterfaces.h"
#include "host/audio/CallLog.h"
#include "host/audio/EventList.h"

namespace enginetest {

// One word per host call, in order: "value1@16" (pin 1 at sample 16),
// "stream2+@0" / "stream2-@8", "sleep@0".
inline std::string hostCalls(const zuhost::CallLog& log) {
    std::string text;
    for (const zuhost::HostCall& call : log.calls()) {
        if (!text.empty()) text.append(" ");
        switch (call.kind) {
            case zuhost::HostCall::Kind::PinValue: text.append("value").append(std::to_string(call.pin)); break;
            case zuhost::HostCall::Kind::PinStreaming:
                text.append("stream").append(std::to_string(call.pin)).append(call.streaming ? "+" : "-");
                break;
            case zuhost::HostCall::Kind::Sleep: text.append("sleep"); break;
        }
        text.append("@").append(std::to_string(call.time));
    }
    return text;
}

// Events linked in the order given, whatever their times.
inline const gmpi::MpEvent* link(std::vector<gmpi::MpEvent>& events) {
    for (size_t i = 0; i + 1 < events.size(); ++i) events[i].next = &events[i + 1];
    if (!events.empty()) events.back().next = nullptr;
    return events.empty() ? nullptr : events.data();
}

inline gmpi::MpEvent intEvent(int32_t time, int32_t pin, int32_t value) {
    return {time, gmpi::EVENT_PIN_SET, pin, 4, value, 0, nullptr, nullptr};
}

// Adds an event carrying a 4-byte value (inline, as a host sends it).
template <class T>
void addValue(zuhost::EventList& list, int32_t time, int32_t pin, T value, int32_t type = gmpi::EVENT_PIN_SET) {
    static_assert(sizeof(T) == 4);
    uint8_t bytes[4];
    std::memcpy(bytes, &value, 4);
    list.add(time, type, pin, bytes);
}

}  // namespace enginetest
