// The record of what plug-ins told their host: pin values, streaming changes
// and sleep requests, each at an absolute sample time.
//
// Contract: recording copies the value bytes and allocates only when the
// capacity reserved up front is exceeded; clear() keeps the capacity, so a
// caller that drains the log after every block records without allocating.
// A log told to keep within its reserve (a real-time host's) drops and
// counts what would exceed it instead.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zuhost {

struct HostCall {
    enum class Kind : uint8_t { PinValue, PinStreaming, Sleep };

    Kind kind = Kind::PinValue;
    int32_t voice = 0;
    int64_t time = 0;        // absolute sample time; for Sleep the start of the block asked in
    int32_t pin = -1;        // -1 for Sleep
    bool streaming = false;  // PinStreaming only
    uint32_t offset = 0;     // PinValue only: where its bytes start in the log
    uint32_t size = 0;       // PinValue only: how many bytes
};

class CallLog {
public:
    explicit CallLog(size_t calls = 4096, size_t bytes = 64 * 1024) { reserve(calls, bytes); }

    void reserve(size_t calls, size_t bytes);
    void clear();
    void keepWithinReserve() { bounded_ = true; }
    int64_t dropped() const { return dropped_; }

    void recordValue(int32_t voice, int64_t time, int32_t pin, std::span<const uint8_t> bytes);
    void recordStreaming(int32_t voice, int64_t time, int32_t pin, bool streaming);
    void recordSleep(int32_t voice, int64_t time);

    std::span<const HostCall> calls() const { return calls_; }
    std::span<const uint8_t> bytes(const HostCall& call) const;

private:
    bool fits(size_t bytes);

    std::vector<HostCall> calls_;
    std::vector<uint8_t> bytes_;
    bool bounded_ = false;
    int64_t dropped_ = 0;
};

}  // namespace zuhost
