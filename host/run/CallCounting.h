// Counts heap allocations, deallocations and blocking mutex locks made by any
// code in this process (plug-in libraries included) while a CallCounting
// object is alive.
//
// How the calls are seen, so that the counts mean the same under
// AddressSanitizer and without it:
//  - With AddressSanitizer or ThreadSanitizer, the sanitizer owns malloc; its allocator reports
//    every allocation and deallocation (malloc, calloc, realloc, operator new,
//    strdup...) to hooks installed at start-up.
//  - Without it, the executable defines malloc, calloc, realloc, free,
//    aligned_alloc, posix_memalign and memalign, which count and forward to
//    the C library's own entry points (__libc_malloc...). A dlopen'ed library
//    binds these names to the executable's definitions first, and operator new
//    reaches them through malloc. Allocations that the C library makes
//    internally (strdup, fopen) do not pass through the exported names and go
//    uncounted in this build.
//  - In both builds the executable defines pthread_mutex_lock and the
//    pthread_rwlock lock functions, which count and forward to the next
//    definition (dlsym RTLD_NEXT). Try-locks are not counted: they never block.
// Counting is switched on only inside a CountingScope, which counts the calls
// of every thread, or a ThreadCountingScope, which counts those of its own
// thread alone (a real-time thread while others go on as they please).
// Scopes of one kind do not nest. Each counted allocation or lock also notes
// its call stack (OffendingSites.h).
#pragma once

#include <cstdint>

namespace zuhost {

struct CallCounts {
    int64_t allocations = 0;
    int64_t deallocations = 0;
    int64_t locks = 0;

    bool any() const { return allocations != 0 || deallocations != 0 || locks != 0; }
};

// Counts the calls made while it lives and adds them to `into` when it ends.
// Neither the constructor nor the destructor allocates or locks.
class CountingScope {
public:
    explicit CountingScope(CallCounts& into);
    ~CountingScope();
    CountingScope(const CountingScope&) = delete;
    CountingScope& operator=(const CountingScope&) = delete;

private:
    CallCounts& into_;
    CallCounts start_;
};

// Counts, straight into `into`, the calls made on the constructing thread
// while it lives; it must end on that thread. Neither the constructor nor the
// destructor allocates or locks.
class ThreadCountingScope {
public:
    explicit ThreadCountingScope(CallCounts& into);
    ~ThreadCountingScope();
    ThreadCountingScope(const ThreadCountingScope&) = delete;
    ThreadCountingScope& operator=(const ThreadCountingScope&) = delete;
};

}  // namespace zuhost
