// A single-producer single-consumer queue between two threads that never
// makes either wait: a push onto a full queue drops the item and counts it.
//
// Contract: all memory is taken at construction; push and pop neither
// allocate nor lock. One thread pushes and one thread pops, for the queue's
// whole life (the constructing thread may stand in for either before the
// other starts). dropped() may be read from any thread.
#pragma once

#include <boost/lockfree/spsc_queue.hpp>

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace zuhost::play {

template <class T>
class DroppingQueue {
public:
    explicit DroppingQueue(size_t capacity) : queue_(capacity) {}

    bool push(const T& item) {
        if (queue_.push(item)) return true;
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return false;
    }

    // Pushes all of the items, or drops and counts all of them when they do not fit.
    bool push(const T* items, size_t count) {
        if (queue_.write_available() < count) {
            dropped_.fetch_add(count, std::memory_order_relaxed);
            return false;
        }
        queue_.push(items, count);
        return true;
    }

    bool pop(T& item) { return queue_.pop(item); }
    size_t pop(T* items, size_t count) { return queue_.pop(items, count); }

    // Producer side: whether `count` more items fit now.
    bool hasRoomFor(size_t count) const { return queue_.write_available() >= count; }

    uint64_t dropped() const { return dropped_.load(std::memory_order_relaxed); }

private:
    boost::lockfree::spsc_queue<T> queue_;
    std::atomic<uint64_t> dropped_{0};
};

}  // namespace zuhost::play
