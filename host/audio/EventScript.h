// What a host sends a module over a run: value and streaming changes (and any
// other event type) at absolute sample times, for every voice or for one.
//
// Contract: events are kept in time order; events of equal time keep the
// order in which they were added. Building a script allocates; reading it
// does not.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>
#include <vector>

namespace zuhost {

inline constexpr int32_t allVoices = -1;

struct ScriptedEvent {
    int64_t time = 0;            // absolute sample time
    int32_t type = 0;            // gmpi::MpEventType
    int32_t pin = 0;             // pin index (parm1)
    int32_t voice = allVoices;   // the voice it is for, or allVoices
    std::vector<uint8_t> value;  // the value's bytes; empty for streaming events
};

class EventScript {
public:
    void add(ScriptedEvent event);
    void setValue(int64_t time, int32_t pin, std::span<const uint8_t> bytes, int32_t voice = allVoices);
    void setStreaming(int64_t time, int32_t pin, bool streaming, int32_t voice = allVoices);

    // A value sent as its object bytes: float and int32 as 4 bytes, bool as 1.
    template <class T>
    requires std::is_trivially_copyable_v<T>
    void setValue(int64_t time, int32_t pin, const T& value, int32_t voice = allVoices) {
        uint8_t bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        setValue(time, pin, std::span<const uint8_t>(bytes, sizeof(T)), voice);
    }

    std::span<const ScriptedEvent> events() const { return events_; }
    // The events with begin <= time < end.
    std::span<const ScriptedEvent> between(int64_t begin, int64_t end) const;

private:
    std::vector<ScriptedEvent> events_;
};

}  // namespace zuhost
