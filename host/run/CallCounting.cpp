#include "host/run/CallCounting.h"

#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <cstddef>

#include "host/run/OffendingSites.h"

namespace zuhost {

namespace {

std::atomic<bool> counting{false};
std::atomic<int64_t> allocations{0};
std::atomic<int64_t> deallocations{0};
std::atomic<int64_t> locks{0};

thread_local CallCounts* threadCounts = nullptr;

bool count(std::atomic<int64_t>& counter, int64_t CallCounts::*threadCounter) {
    bool counted = false;
    if (counting.load(std::memory_order_relaxed)) {
        counter.fetch_add(1, std::memory_order_relaxed);
        counted = true;
    }
    if (threadCounts != nullptr) {
        ++(threadCounts->*threadCounter);
        counted = true;
    }
    return counted;
}

void noteAllocation() {
    if (count(allocations, &CallCounts::allocations)) noteOffendingSite(SiteKind::Allocation);
}
void noteDeallocation() { count(deallocations, &CallCounts::deallocations); }
void noteLock() {
    if (count(locks, &CallCounts::locks)) noteOffendingSite(SiteKind::Lock);
}

using MutexLock = int (*)(pthread_mutex_t*);
using RwLock = int (*)(pthread_rwlock_t*);

// The definitions the counted lock functions forward to. They are looked up
// while the program starts, so that the lookup's own allocations never fall
// into a counting scope; a lock taken before that looks its definition up.
MutexLock nextMutexLock = nullptr;
RwLock nextReadLock = nullptr;
RwLock nextWriteLock = nullptr;

template <class Function>
Function next(Function& slot, const char* name) {
    if (slot == nullptr) slot = reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
    return slot;
}

MutexLock mutexLock() { return next(nextMutexLock, "pthread_mutex_lock"); }
RwLock readLock() { return next(nextReadLock, "pthread_rwlock_rdlock"); }
RwLock writeLock() { return next(nextWriteLock, "pthread_rwlock_wrlock"); }

[[maybe_unused]] const bool locksResolved = mutexLock() && readLock() && writeLock();

CallCounts currentCounts() { return {allocations.load(), deallocations.load(), locks.load()}; }

}  // namespace

CountingScope::CountingScope(CallCounts& into) : into_(into), start_(currentCounts()) { counting = true; }

CountingScope::~CountingScope() {
    counting = false;
    const CallCounts end = currentCounts();
    into_.allocations += end.allocations - start_.allocations;
    into_.deallocations += end.deallocations - start_.deallocations;
    into_.locks += end.locks - start_.locks;
}

ThreadCountingScope::ThreadCountingScope(CallCounts& into) { threadCounts = &into; }

ThreadCountingScope::~ThreadCountingScope() { threadCounts = nullptr; }

}  // namespace zuhost

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onAllocation)(const volatile void*, size_t),
                                                         void (*onDeallocation)(const volatile void*));

namespace {
[[maybe_unused]] const int hooksInstalled =
    __sanitizer_install_malloc_and_free_hooks([](const volatile void*, size_t) { zuhost::noteAllocation(); },
                                              [](const volatile void*) { zuhost::noteDeallocation(); });
}  // namespace

#else

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);
void* __libc_memalign(size_t alignment, size_t size);

void* malloc(size_t size) {
    zuhost::noteAllocation();
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    zuhost::noteAllocation();
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size) {
    zuhost::noteAllocation();
    return __libc_realloc(pointer, size);
}

void free(void* pointer) {
    if (pointer != nullptr) zuhost::noteDeallocation();
    __libc_free(pointer);
}

void* memalign(size_t alignment, size_t size) {
    zuhost::noteAllocation();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    zuhost::noteAllocation();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, size_t alignment, size_t size) {
    const bool powerOfTwo = alignment != 0 && (alignment & (alignment - 1)) == 0;
    if (!powerOfTwo || alignment % sizeof(void*) != 0) return EINVAL;
    zuhost::noteAllocation();
    void* block = __libc_memalign(alignment, size);
    if (block == nullptr) return ENOMEM;
    *out = block;
    return 0;
}
}

#endif

extern "C" {

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    const auto forward = zuhost::mutexLock();
    zuhost::noteLock();
    return forward(mutex);
}

int pthread_rwlock_rdlock(pthread_rwlock_t* lock) {
    const auto forward = zuhost::readLock();
    zuhost::noteLock();
    return forward(lock);
}

int pthread_rwlock_wrlock(pthread_rwlock_t* lock) {
    const auto forward = zuhost::writeLock();
    zuhost::noteLock();
    return forward(lock);
}
}
