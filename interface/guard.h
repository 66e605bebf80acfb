#pragma once
// Every export runs its body through Guarded: an exception ends the call
// quietly (one line on stderr) instead of unwinding into the host.

#include <cstdio>
#include <exception>

class TForm1;

namespace vm {

// The live instance behind a host's handle; null for null, unknown or
// deleted handles.
TForm1* FormOf(void* handle);

template <class Body> void Guarded(const char* function, Body body) noexcept {
    try {
        body();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velmar: %s: %s\n", function, error.what());
    } catch (...) {
        std::fprintf(stderr, "velmar: %s: unexpected error\n", function);
    }
}

} // namespace vm
