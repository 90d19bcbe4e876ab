#include "host/audio/CallLog.h"

namespace zuhost {

void CallLog::reserve(size_t calls, size_t bytes) {
    calls_.reserve(calls);
    bytes_.reserve(bytes);
}

void CallLog::clear() {
    calls_.clear();
    bytes_.clear();
}

bool CallLog::fits(size_t bytes) {
    if (!bounded_ || (calls_.size() < calls_.capacity() && bytes_.capacity() - bytes_.size() >= bytes)) return true;
    ++dropped_;
    return false;
}

void CallLog::recordValue(int32_t voice, int64_t time, int32_t pin, std::span<const uint8_t> bytes) {
    if (!fits(bytes.size())) return;
    HostCall call{HostCall::Kind::PinValue, voice, time, pin};
    call.offset = static_cast<uint32_t>(bytes_.size());
    call.size = static_cast<uint32_t>(bytes.size());
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    calls_.push_back(call);
}

void CallLog::recordStreaming(int32_t voice, int64_t time, int32_t pin, bool streaming) {
    if (!fits(0)) return;
    HostCall call{HostCall::Kind::PinStreaming, voice, time, pin};
    call.streaming = streaming;
    calls_.push_back(call);
}

void CallLog::recordSleep(int32_t voice, int64_t time) {
    if (!fits(0)) return;
    calls_.push_back({HostCall::Kind::Sleep, voice, time});
}

std::span<const uint8_t> CallLog::bytes(const HostCall& call) const {
    return std::span<const uint8_t>(bytes_).subspan(call.offset, call.size);
}

}  // namespace zuhost
