#include "model/text_codec.h"

#include <string>

namespace vmjson {

namespace {
void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xc0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xe0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    } else {
        out.push_back(static_cast<char>(0xf0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    }
}

// Decodes UTF-8 strictly (no overlong forms, no surrogates, at most U+10FFFF).
std::vector<char32_t> decodeUtf8(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra;
        char32_t c;
        if (b < 0x80) {
            extra = 0;
            c = b;
        } else if ((b & 0xe0) == 0xc0) {
            extra = 1;
            c = b & 0x1f;
        } else if ((b & 0xf0) == 0xe0) {
            extra = 2;
            c = b & 0x0f;
        } else if ((b & 0xf8) == 0xf0) {
            extra = 3;
            c = b & 0x07;
        } else {
            throw JsonCodecError("invalid UTF-8");
        }
        if (i + static_cast<std::size_t>(extra) >= s.size())
            throw JsonCodecError("truncated UTF-8");
        for (int k = 1; k <= extra; ++k) {
            const auto cb = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((cb & 0xc0) != 0x80) throw JsonCodecError("invalid UTF-8");
            c = (c << 6) | (cb & 0x3f);
        }
        static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (c < minimum[extra] || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff))
            throw JsonCodecError("invalid UTF-8");
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}
} // namespace

std::string utf8FromWide(const WideText& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u >= 0xd800 && u <= 0xdbff && i + 1 < text.size() && text[i + 1] >= 0xdc00 &&
            text[i + 1] <= 0xdfff) {
            appendUtf8(out, 0x10000 + ((char32_t(u) - 0xd800) << 10) + (text[i + 1] - 0xdc00));
            ++i;
        } else if (u >= 0xd800 && u <= 0xdfff) {
            appendUtf8(out, 0xfffd);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

WideText wideFromUtf8(std::string_view utf8) {
    WideText out;
    for (char32_t c : decodeUtf8(utf8)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xd800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xdc00 + (c & 0x3ff)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::string utf8FromBytes(const NarrowText& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, static_cast<unsigned char>(b));
    return out;
}

NarrowText bytesFromUtf8(std::string_view utf8) {
    NarrowText out;
    for (char32_t c : decodeUtf8(utf8)) {
        if (c > 0xff) throw JsonCodecError("narrow text holds a character above U+00FF");
        out.push_back(static_cast<char>(c));
    }
    return out;
}

namespace {
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}

std::string base64Encode(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const std::uint32_t v = bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2];
        for (int k = 18; k >= 0; k -= 6) out.push_back(kBase64[(v >> k) & 0x3f]);
    }
    if (i < bytes.size()) {
        std::uint32_t v = bytes[i] << 16;
        if (i + 1 < bytes.size()) v |= bytes[i + 1] << 8;
        out.push_back(kBase64[(v >> 18) & 0x3f]);
        out.push_back(kBase64[(v >> 12) & 0x3f]);
        out.push_back(i + 1 < bytes.size() ? kBase64[(v >> 6) & 0x3f] : '=');
        out.push_back('=');
    }
    return out;
}

std::vector<std::uint8_t> base64Decode(std::string_view text) {
    if (text.size() % 4 != 0) throw JsonCodecError("base64 length is not a multiple of 4");
    std::vector<std::uint8_t> out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        std::uint32_t v = 0;
        int pad = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            int d;
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                ++pad;
                d = 0;
            } else {
                if (pad > 0) throw JsonCodecError("invalid base64");
                const char* p = std::char_traits<char>::find(kBase64, 64, c);
                if (!p) throw JsonCodecError("invalid base64");
                d = static_cast<int>(p - kBase64);
            }
            v = v << 6 | static_cast<std::uint32_t>(d);
        }
        out.push_back(static_cast<std::uint8_t>(v >> 16));
        if (pad < 2) out.push_back(static_cast<std::uint8_t>(v >> 8));
        if (pad < 1) out.push_back(static_cast<std::uint8_t>(v));
    }
    return out;
}

} // namespace vmjson
