// Marks the library's one exported symbol; everything else stays hidden.
#pragma once

#if defined(_WIN32)
#define ZU_EXPORT __declspec(dllexport)
#else
#define ZU_EXPORT __attribute__((visibility("default")))
#endif
