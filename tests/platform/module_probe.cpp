// Test library: answers from inside a shared library in its own directory.

#include "platform/os/locals.h"
#include "platform/os/module.h"

#include <cstring>
#include <string>

namespace {

int copyOut(const std::string& text, char* buffer, int size) {
    if (!buffer || size <= 0) return -1;
    const std::size_t n = std::min(text.size(), std::size_t(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return int(n);
}

} // namespace

extern "C" __attribute__((visibility("default"))) int probeAnswer() {
    return 42;
}

extern "C" __attribute__((visibility("default"))) int probeModuleDirectory(char* buffer, int size) {
    return copyOut(ModuleDirectory(), buffer, size);
}

extern "C" __attribute__((visibility("default"))) int probeLocalText(const char* key, char* buffer,
                                                                     int size) {
    return copyOut(localText(key).toStdString(), buffer, size);
}
