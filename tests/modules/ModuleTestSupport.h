// Runs the library's processors the way a host does: created through
// MP_GetFactory and the factory, driven by the substitute host's runner.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/MpInterfaces.h"
#include "host/audio/Runner.h"

namespace moduletest {

using gmpi::MP_AUDIO;
using gmpi::MP_BLOB;
using gmpi::MP_BOOL;
using gmpi::MP_FLOAT32;
using gmpi::MP_IN;
using gmpi::MP_INT32;
using gmpi::MP_OUT;
using zuhost::PinInfo;

// Audio-side pins as the description numbers them.
inline const std::vector<PinInfo> sliderPins{{0, MP_FLOAT32, MP_IN, false}, {1, MP_AUDIO, MP_OUT, true}};
inline const std::vector<PinInfo> listEntryPins{{0, MP_INT32, MP_IN, false}, {1, MP_INT32, MP_OUT, false}};
inline std::vector<PinInfo> scopePins(int32_t first) {
    return {{first, MP_BLOB, MP_OUT, false},       {first + 1, MP_BLOB, MP_OUT, false},
            {first + 2, MP_AUDIO, MP_IN, true},    {first + 3, MP_AUDIO, MP_IN, true},
            {first + 4, MP_FLOAT32, MP_IN, false}, {first + 5, MP_BOOL, MP_OUT, false}};
}
inline std::vector<PinInfo> triggerScopePins() {
    std::vector<PinInfo> pins{{0, MP_AUDIO, MP_IN, true}};
    for (const PinInfo& pin : scopePins(1)) pins.push_back(pin);
    return pins;
}

inline gmpi::IMpFactory2* libraryFactory() {
    void* unknown = nullptr;
    MP_GetFactory(&unknown);
    void* factory = nullptr;
    static_cast<gmpi::IMpUnknown*>(unknown)->queryInterface(gmpi::MP_IID_FACTORY2, &factory);
    return static_cast<gmpi::IMpFactory2*>(factory);
}

// Opens every voice of the runner as the processor registered under id.
inline int32_t openProcessor(zuhost::Runner& runner, const char16_t* id) {
    return runner.open([id](gmpi::IMpUnknown* host) -> gmpi::IMpUnknown* {
        void* object = nullptr;
        libraryFactory()->createInstance(id, gmpi::MP_SUB_TYPE_AUDIO, host, &object);
        return static_cast<gmpi::IMpUnknown*>(object);
    });
}

// Runs `samples` samples and returns what the audio pin of the voice carried.
inline std::vector<float> runAndRecord(zuhost::Runner& runner, int64_t samples, int32_t pin, int32_t voice = 0) {
    std::vector<float> recorded;
    runner.run(samples, [&](int64_t, int32_t) {
        const auto block = runner.buffer(voice, pin);
        recorded.insert(recorded.end(), block.begin(), block.end());
    });
    return recorded;
}

struct SentValue {
    int32_t voice;
    int64_t time;
    std::vector<uint8_t> bytes;
};

inline std::vector<SentValue> sentValues(const zuhost::CallLog& log, int32_t pin) {
    std::vector<SentValue> values;
    for (const zuhost::HostCall& call : log.calls()) {
        if (call.kind != zuhost::HostCall::Kind::PinValue || call.pin != pin) continue;
        const auto bytes = log.bytes(call);
        values.push_back({call.voice, call.time, {bytes.begin(), bytes.end()}});
    }
    return values;
}

inline int32_t asInt(const SentValue& value) {
    int32_t result = 0;
    std::memcpy(&result, value.bytes.data(), std::min<size_t>(value.bytes.size(), sizeof result));
    return result;
}

inline std::vector<float> asFloats(const SentValue& value) {
    std::vector<float> samples(value.bytes.size() / sizeof(float));
    std::memcpy(samples.data(), value.bytes.data(), samples.size() * sizeof(float));
    return samples;
}

inline int64_t sleepRequests(const zuhost::CallLog& log) {
    int64_t count = 0;
    for (const zuhost::HostCall& call : log.calls()) count += call.kind == zuhost::HostCall::Kind::Sleep;
    return count;
}

}  // namespace moduletest
