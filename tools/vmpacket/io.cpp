#include "tools/vmpacket/io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& out, std::string& error) {
    std::FILE* f = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (!f) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    out.clear();
    std::uint8_t buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        out.insert(out.end(), buffer, buffer + n);
    const bool ok = !std::ferror(f);
    if (f != stdin) std::fclose(f);
    if (!ok) error = path + ": read error";
    return ok;
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes,
                    std::string& error) {
    std::FILE* f = path == "-" ? stdout : std::fopen(path.c_str(), "wb");
    if (!f) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (f == stdout ? std::fflush(f) == 0 : std::fclose(f) == 0) && ok;
    if (!ok) error = path + ": write error";
    return ok;
}
