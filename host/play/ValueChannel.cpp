#include "host/play/ValueChannel.h"

#include <cstring>

namespace zuhost::play {

ValueChannel::ValueChannel(size_t messages, size_t slots, size_t slotBytes)
    : messages_(messages), freeSlots_(slots), slotMemory_(slots * slotBytes), slotBytes_(slotBytes) {
    for (size_t slot = 0; slot < slots; ++slot) freeSlots_.push(static_cast<int32_t>(slot));
}

bool ValueChannel::send(const Crossing& crossing, std::span<const uint8_t> bytes) {
    Message message{crossing, static_cast<uint32_t>(bytes.size())};
    if (bytes.size() <= inlineBytes) {
        if (!bytes.empty()) std::memcpy(message.bytes.data(), bytes.data(), bytes.size());
        return messages_.push(message);
    }
    // A slot is taken only when the message is sure to fit, so that it never has to be given back from this side.
    if (bytes.size() > slotBytes_ || !messages_.hasRoomFor(1) || !freeSlots_.pop(message.slot)) {
        refuse();
        return false;
    }
    std::memcpy(slotData(message.slot), bytes.data(), bytes.size());
    return messages_.push(message);
}

}  // namespace zuhost::play
