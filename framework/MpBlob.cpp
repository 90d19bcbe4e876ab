#include "framework/MpBlob.h"

#include <algorithm>
#include <cstring>

namespace gmpi {

MpBlob::MpBlob(int32_t size, const void* data) {
    if (size <= 0) return;
    data_ = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(size));
    std::memcpy(data_.get(), data, static_cast<size_t>(size));
    size_ = capacity_ = size;
}

MpBlob::MpBlob(const MpBlob& other) : MpBlob(other.size_, other.data_.get()) {}

MpBlob& MpBlob::operator=(const MpBlob& other) {
    setValueRaw(other.size_, other.data_.get());
    return *this;
}

void MpBlob::setValueRaw(int32_t size, const void* data) {
    size = std::max(size, 0);
    const auto bytes = static_cast<size_t>(size);
    if (size > capacity_ || !data_) {
        // The new block is filled before the old one goes, so data may point into it.
        auto block = std::make_unique_for_overwrite<uint8_t[]>(bytes);
        if (bytes > 0) std::memcpy(block.get(), data, bytes);
        data_ = std::move(block);
        capacity_ = size;
    } else if (bytes > 0) {
        std::memmove(data_.get(), data, bytes);
    }
    size_ = size;
}

void MpBlob::resizeForOverwrite(int32_t size) {
    size = std::max(size, 0);
    if (size > capacity_ || !data_) {
        data_ = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(size));
        capacity_ = size;
    }
    size_ = size;
}

void MpBlob::reserve(int32_t capacity) {
    if (capacity <= capacity_ && data_) return;
    auto block = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(std::max(capacity, size_)));
    if (size_ > 0) std::memcpy(block.get(), data_.get(), static_cast<size_t>(size_));
    data_ = std::move(block);
    capacity_ = std::max(capacity, size_);
}

bool MpBlob::operator==(const MpBlob& other) const {
    return size_ == other.size_ && (size_ == 0 || std::memcmp(data_.get(), other.data_.get(), size_) == 0);
}

}  // namespace gmpi
