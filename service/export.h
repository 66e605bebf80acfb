#pragma once
// Marks the functions that the component's library exports to its host.

#if defined(_WIN32)
#define VELMAR_EXPORT __declspec(dllexport)
#else
#define VELMAR_EXPORT __attribute__((visibility("default")))
#endif
