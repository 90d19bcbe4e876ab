// A block of bytes with its size, owned and copied deeply: blob pins' value.
//
// Contract: a blob constructed empty or from a size <= 0 has size 0 and no
// data. Assigning or setting a value that fits the block the blob already
// holds reuses it (no allocation), which keeps repeated sends, and a trace
// cleared and captured again, off the heap; a larger value allocates a new
// block (a zero-length one for size 0 when the blob has none yet). A negative
// size counts as 0. Allocation failure throws. Two blobs can trade their
// blocks (swap), so that a producer fills one block while the other is
// published, without copying either.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

namespace gmpi {

class MpBlob {
public:
    MpBlob() = default;
    MpBlob(int32_t size, const void* data);
    MpBlob(const MpBlob& other);
    MpBlob& operator=(const MpBlob& other);

    void setValueRaw(int32_t size, const void* data);  // copies size bytes from data; data may lie in this blob
    void resizeForOverwrite(int32_t size);             // size bytes, kept where they fit the block, else undefined
    void reserve(int32_t capacity);                    // a block of at least capacity bytes; size and bytes kept
    int32_t getSize() const { return size_; }
    const void* getData() const { return data_.get(); }
    void* getData() { return data_.get(); }  // for filling in place, up to getSize() bytes

    friend void swap(MpBlob& a, MpBlob& b) noexcept {
        std::swap(a.size_, b.size_);
        std::swap(a.capacity_, b.capacity_);
        std::swap(a.data_, b.data_);
    }

    bool operator==(const MpBlob& other) const;  // same size and bytes; empty blobs are equal

private:
    int32_t size_ = 0;
    int32_t capacity_ = 0;
    std::unique_ptr<uint8_t[]> data_;
};

}  // namespace gmpi
