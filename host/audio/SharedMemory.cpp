#include "host/audio/SharedMemory.h"

#include <algorithm>

namespace zuhost {

SharedMemory::Grant SharedMemory::allocate(std::u16string_view name, int32_t size) {
    if (size < 0) return {};
    const size_t wanted = static_cast<size_t>(size);
    if (const auto found = blocks_.find(name); found != blocks_.end()) {
        // A block cannot grow: the instances that hold it would lose it.
        if (wanted > found->second.size) return {};
        return {found->second.bytes.get(), false};
    }
    // Never a zero-length block, so every grant is a distinct, usable address.
    const size_t allocated = std::max<size_t>(wanted, sizeof(void*));
    Block block{std::make_unique<std::byte[]>(allocated), allocated};
    void* address = block.bytes.get();
    blocks_.emplace(std::u16string(name), std::move(block));
    return {address, true};
}

}  // namespace zuhost
