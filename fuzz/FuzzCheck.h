// Property checks inside fuzz targets. A broken property is a finding like a
// sanitizer report: it prints what broke and aborts, so libFuzzer keeps the
// input as a crash artifact.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace zufuzz {

inline void check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "fuzz property broken: %s\n", property);
    std::abort();
}

}  // namespace zufuzz
