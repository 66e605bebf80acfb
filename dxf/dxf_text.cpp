#include "dxf/dxf_text.h"

#include "dxf/dxf_document.h"

#include <cstdint>

namespace dxf {

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; 0 when it is not valid.
std::size_t Utf8Length(std::string_view text, std::size_t i, std::uint32_t& cp) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > text.size()) return 0;
    cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        const auto d = static_cast<unsigned char>(text[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    static constexpr std::uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool ValidUtf8(std::string_view text) {
    std::uint32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8Length(text, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

// Windows-1252 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr std::uint16_t kCp1252[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::string DecodeText(std::string_view raw) {
    std::string text;
    if (ValidUtf8(raw)) {
        text = std::string(raw);
    } else {
        text.reserve(raw.size() + 8);
        for (char ch : raw) {
            const auto c = static_cast<unsigned char>(ch);
            AppendUtf8(text, c >= 0x80 && c < 0xA0 ? kCp1252[c - 0x80] : c);
        }
    }
    if (text.find("\\U+") == std::string::npos && text.find("\\u+") == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 7 <= text.size() && (text[i + 1] == 'U' || text[i + 1] == 'u') &&
            text[i + 2] == '+') {
            std::uint32_t cp = 0;
            bool ok = true;
            for (std::size_t k = 3; ok && k < 7; ++k) {
                const int d = HexDigit(text[i + k]);
                ok = d >= 0;
                cp = cp * 16 + static_cast<std::uint32_t>(d < 0 ? 0 : d);
            }
            if (ok) {
                AppendUtf8(out, cp);
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string DecodeControlCodes(const std::string& text) {
    if (text.find("%%") == std::string::npos) return text;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 2 >= text.size() || text[i + 1] != '%') {
            out += text[i];
            continue;
        }
        const char c = text[i + 2];
        if (c == 'd' || c == 'D') {
            AppendUtf8(out, 0x00B0);
        } else if (c == 'c' || c == 'C') {
            AppendUtf8(out, 0x2300);
        } else if (c == 'p' || c == 'P') {
            AppendUtf8(out, 0x00B1);
        } else if (c == '%') {
            out += '%';
        } else if (c == 'u' || c == 'U' || c == 'o' || c == 'O') {
        } else if (c >= '0' && c <= '9') {
            std::uint32_t cp = 0;
            std::size_t k = i + 2;
            for (; k < text.size() && k < i + 5 && text[k] >= '0' && text[k] <= '9'; ++k)
                cp = cp * 10 + static_cast<std::uint32_t>(text[k] - '0');
            AppendUtf8(out, cp >= 32 ? cp : 0xFFFD);
            i = k - 1;
            continue;
        } else {
            out += "%%";
            out += c;
        }
        i += 2;
    }
    return out;
}

std::string EncodeText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::string decoded = ValidUtf8(utf8) ? std::string(utf8) : DecodeText(utf8);
    static const char* kHex = "0123456789ABCDEF";
    for (std::size_t i = 0; i < decoded.size();) {
        std::uint32_t cp = 0;
        const std::size_t n = Utf8Length(decoded, i, cp);
        i += n;
        if (cp == '\n' || cp == '\r' || cp == '\t' || cp == 0) {
            out += ' ';
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            if (cp > 0xFFFF) cp = 0xFFFD; // the escape has four digits
            out += "\\U+";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(cp >> shift) & 0xF];
        }
    }
    return out;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

std::string MTextPlain(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '}') continue;
        if (c != '\\' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const char code = text[++i];
        switch (code) {
        case 'P':
            out += '\n';
            break;
        case '~':
            out += ' ';
            break;
        case '\\':
        case '{':
        case '}':
            out += code;
            break;
        case 'L':
        case 'l':
        case 'O':
        case 'o':
        case 'K':
        case 'k':
            break;
        case 'S': { // stacked fraction up to ';': "1^2" or "1#2" shown as "1/2"
            for (++i; i < text.size() && text[i] != ';'; ++i)
                out += (text[i] == '^' || text[i] == '#') ? '/' : text[i];
            break;
        }
        default:
            // Formatting with an argument up to ';' (\f, \H, \W, \C, \A, \T, \Q, \p ...).
            if ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z')) {
                const std::size_t end = text.find(';', i);
                if (end == std::string::npos) return out;
                i = end;
            } else {
                out += code;
            }
            break;
        }
    }
    return out;
}

} // namespace dxf
