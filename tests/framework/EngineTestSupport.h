// Helpers shared by the audio engine tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

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

// Adds an event carrying a 4-byte value inline, as a host sends it.
template <class T>
void addValue(zuhost::EventList& list, int32_t time, int32_t pin, T value, int32_t type = gmpi::EVENT_PIN_SET) {
    static_assert(sizeof(T) == 4);
    uint8_t bytes[4];
    std::memcpy(bytes, &value, 4);
    list.add(time, type, pin, bytes);
}

}  // namespace enginetest
