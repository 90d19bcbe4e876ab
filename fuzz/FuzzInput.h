// Reads a fuzzer's input front to back as little-endian fields.
//
// Contract: reading past the end gives zeros (and empty byte runs), so every
// input decodes to something and a short input is a valid one; done() tells
// when nothing is left. Seed files are written in the same layout, field by
// field, so a target's decoder documents the format of its corpus.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

namespace zufuzz {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : bytes_(data, size) {}

    bool done() const { return position_ >= bytes_.size(); }
    size_t remaining() const { return bytes_.size() - position_; }

    template <class T>
    requires std::is_arithmetic_v<T> T read() {
        T value{};
        const size_t n = std::min(sizeof(T), remaining());
        std::memcpy(&value, bytes_.data() + position_, n);
        position_ += n;
        return value;
    }

    // Up to `count` bytes; fewer when the input ends first.
    std::span<const uint8_t> bytes(size_t count) {
        const std::span<const uint8_t> run = bytes_.subspan(position_, std::min(count, remaining()));
        position_ += run.size();
        return run;
    }

    std::span<const uint8_t> rest() { return bytes(remaining()); }

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};

}  // namespace zufuzz
