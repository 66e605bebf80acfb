// Feeds arbitrary text to the init file's parser. Checks that it is all or
// nothing: accepted settings lie in the documented ranges, a refusal names
// its line and leaves the built-in defaults.
#include "platform/drawing/adinit.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    DrawingSettings s;
    s.legendSize = 99; // overwritten either way
    std::string error;
    if (ParseDrawingSettings(text, s, &error)) {
        check(s.background <= 0xFFFFFF && s.foreground <= 0xFFFFFF);
        check(s.defaultLineWeight >= 0 && s.defaultLineWeight <= 2.11);
        check(s.lineWeightScale >= 0 && s.lineWeightScale <= 100);
        check(s.legendSize >= 4 && s.legendSize <= 72);
        check(s.maxPrimitives >= 1000 && s.maxPrimitives <= 10000000);
        check(s.maxPoints >= 10000 && s.maxPoints <= 100000000);
        check(s.maxBlockDepth >= 1 && s.maxBlockDepth <= 64);
        check(!s.textFont.empty() && !s.legendFont.empty());
    } else {
        check(s == DrawingSettings{});
        check(!error.empty());
    }
    return 0;
}
