// Counts the allocations made through the global operator new of a test
// executable that compiles AllocationCounter.cpp, which replaces it: a test
// reads allocationCount() before and after the work it checks. Work done on
// the test's behalf (a host's, say) can be left out by running it inside an
// UncountedScope, which covers its own thread only.
#pragma once

namespace zutest {

// Allocations counted so far, on every thread.
long allocationCount();

// While one lives, allocations on its thread are not counted. Nests.
class UncountedScope {
public:
    UncountedScope();
    ~UncountedScope();
    UncountedScope(const UncountedScope&) = delete;
    UncountedScope& operator=(const UncountedScope&) = delete;
};

}  // namespace zutest
