// Pin values crossing from one thread to the other in arrival order: panel
// values on their way to a processor, or what processors sent on their way
// to the panels. Values of up to 16 bytes travel inside the message; longer
// ones (capture blobs) in one of a fixed number of preallocated slots,
// which the receiver hands back once it has delivered the value.
//
// Contract: one thread sends and one thread receives. Nothing allocates or
// locks after construction. A value that finds no message room, no free
// slot, or is longer than a slot is dropped and counted. The bytes given to
// the receiver's function are valid only during the call.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "host/play/DroppingQueue.h"

namespace zuhost::play {

struct Crossing {
    int32_t node = 0;  // the patch node the value is for or from
    int32_t pin = 0;   // its audio-side pin
    int32_t voice = 0;
    int64_t stampNs = 0;  // when it set out (steady clock), for latency figures
};

class ValueChannel {
public:
    static constexpr size_t inlineBytes = 16;

    ValueChannel(size_t messages, size_t slots, size_t slotBytes);

    bool send(const Crossing& crossing, std::span<const uint8_t> bytes);

    // Calls receive(const Crossing&, std::span<const uint8_t>) for every
    // value waiting, oldest first; answers how many there were.
    template <class Receive>
    size_t receive(Receive&& receive) {
        size_t count = 0;
        for (Message message; messages_.pop(message); ++count) {
            if (message.slot < 0) {
                receive(message.crossing, std::span<const uint8_t>(message.bytes.data(), message.size));
            } else {
                receive(message.crossing, std::span<const uint8_t>(slotData(message.slot), message.size));
                freeSlots_.push(message.slot);
            }
        }
        return count;
    }

    uint64_t dropped() const { return messages_.dropped() + refused_.load(std::memory_order_relaxed); }

private:
    struct Message {
        Crossing crossing;
        uint32_t size = 0;
        int32_t slot = -1;  // -1: the bytes are inline
        std::array<uint8_t, inlineBytes> bytes{};
    };

    uint8_t* slotData(int32_t slot) { return slotMemory_.data() + static_cast<size_t>(slot) * slotBytes_; }
    void refuse() { refused_.fetch_add(1, std::memory_order_relaxed); }

    DroppingQueue<Message> messages_;
    DroppingQueue<int32_t> freeSlots_;  // runs the other way: receiver to sender
    std::vector<uint8_t> slotMemory_;
    size_t slotBytes_;
    std::atomic<uint64_t> refused_{0};
};

}  // namespace zuhost::play
