// The counters behind the real-time check see allocations, deallocations and
// locks made inside a scope, and nothing outside one.
#include "host/run/CallCounting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <shared_mutex>

namespace {

using zuhost::CallCounts;
using zuhost::CountingScope;

// Keeps an allocation from being optimised away.
void* volatile kept = nullptr;

TEST(CallCounting, CountsHeapCallsAndLocksInsideAScopeOnly) {
    CallCounts counts;
    std::mutex mutex;
    std::shared_mutex shared;
    {
        CountingScope scope(counts);
        auto object = std::make_unique<int>(1);
        kept = object.get();
        void* block = std::malloc(64);
        kept = block;
        std::free(block);
        std::lock_guard lock(mutex);
        std::shared_lock reading(shared);
    }
    EXPECT_EQ(counts.allocations, 1 + 1);
    EXPECT_EQ(counts.deallocations, 1 + 1);
    EXPECT_EQ(counts.locks, 1 + 1);

    kept = std::malloc(16);
    std::free(kept);
    std::lock_guard lock(mutex);
    EXPECT_EQ(counts.allocations, 2) << "nothing is counted outside a scope";
    EXPECT_EQ(counts.locks, 2);
}

TEST(CallCounting, ScopesAddUp) {
    CallCounts counts;
    for (int i = 0; i < 3; ++i) {
        CountingScope scope(counts);
        kept = new int(i);
        delete static_cast<int*>(kept);
    }
    EXPECT_EQ(counts.allocations, 3);
    EXPECT_EQ(counts.deallocations, 3);
}

}  // namespace
