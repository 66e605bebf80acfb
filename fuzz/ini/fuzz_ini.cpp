// Feeds arbitrary bytes to the localisation file's reader. Checks that keys
// are trimmed and never empty, and that later lines never change a text.
#include "platform/os/locals.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QHash<QString, QString> texts = locals::parseTexts(bytes);
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        check(!it.key().isEmpty());
        check(it.key() == it.key().trimmed());
    }
    // The first of equal keys wins: lines added at the end change no text.
    if (bytes.endsWith('\n')) {
        QByteArray more = bytes + "[texts]\n";
        for (auto it = texts.begin(); it != texts.end(); ++it)
            more += it.key().toUtf8() + "=another value\n";
        check(locals::parseTexts(more) == texts);
    }
    return 0;
}
