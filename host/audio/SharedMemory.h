// Memory blocks that a host shares between plug-in instances by name.
//
// Contract: the first request for a name creates a zeroed block of at least
// the size asked; every later request for that name gets the same block, as
// long as it asks for no more than the block holds. Blocks live as long as
// this object. Not thread-safe: the host calls plug-ins one at a time.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace zuhost {

class SharedMemory {
public:
    struct Grant {
        void* block = nullptr;  // null when the request cannot be met
        bool created = false;   // true for the request that made the block
    };

    // A negative size, or more than an existing block holds, gets no block.
    Grant allocate(std::u16string_view name, int32_t size);

    size_t blockCount() const { return blocks_.size(); }

private:
    struct Block {
        std::unique_ptr<std::byte[]> bytes;
        size_t size = 0;
    };

    std::map<std::u16string, Block, std::less<>> blocks_;
};

}  // namespace zuhost
