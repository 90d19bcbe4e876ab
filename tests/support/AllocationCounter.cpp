#include "tests/support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> counted{0};
thread_local int uncountedDepth = 0;

void* countedAllocation(std::size_t size) {
    if (uncountedDepth == 0) ++counted;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

// The array forms are replaced too: a sanitizer runtime supplies its own,
// which would not come through the single-object form.
void* operator new(std::size_t size) { return countedAllocation(size); }
void* operator new[](std::size_t size) { return countedAllocation(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace zutest {

long allocationCount() { return counted.load(); }

UncountedScope::UncountedScope() { ++uncountedDepth; }
UncountedScope::~UncountedScope() { --uncountedDepth; }

}  // namespace zutest
