#include "tools/vmpacket/dump.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "model/json_codec.h"

namespace {

// Nesting deeper than any record goes is shown as a plain block, so a crafted
// file cannot exhaust the stack.
constexpr int kMaxDepth = 32;

const char* kindName(std::uint32_t kind) {
    switch (kind) {
    case RpcKindInt:
        return "int";
    case RpcKindDouble:
        return "double";
    case RpcKindByte:
        return "byte";
    case RpcKindBlock:
        return "block";
    case RpcKindWide:
        return "wide";
    default:
        return "unknown";
    }
}

// A block holding exactly one well-formed packet.
bool isPacket(std::span<const std::uint8_t> block, RpcPropertySet& set) {
    if (block.size() < 20 || block.size() > INT_MAX) return false;
    if (set.parse(block.data(), static_cast<int>(block.size())) != 0) return false;
    const std::uint32_t total =
        block[0] | block[1] << 8 | block[2] << 16 | static_cast<std::uint32_t>(block[3]) << 24;
    return total == block.size();
}

// A narrow text: printable bytes and one terminating zero at the end.
bool isNarrowText(std::span<const std::uint8_t> block) {
    if (block.empty() || block.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < block.size(); ++i)
        if (block[i] < 0x20 && block[i] != '\t' && block[i] != '\n' && block[i] != '\r')
            return false;
    return true;
}

std::string quoted(const std::string& utf8) {
    return vmjson::json(utf8).dump(-1, ' ', false, vmjson::json::error_handler_t::replace);
}

std::string hex(std::span<const std::uint8_t> block) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "hex";
    const std::size_t shown = block.size() < 32 ? block.size() : 32;
    for (std::size_t i = 0; i < shown; ++i) {
        out += ' ';
        out += digits[block[i] >> 4];
        out += digits[block[i] & 15];
    }
    if (shown < block.size()) out += " ...";
    return out;
}

std::string formatDouble(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    // Shortest form that reads back the same.
    for (int precision = 1; precision <= 17; ++precision) {
        char shorter[64];
        std::snprintf(shorter, sizeof shorter, "%.*g", precision, v);
        if (std::strtod(shorter, nullptr) == v) return shorter;
    }
    return buffer;
}

void dumpSet(const RpcPropertySet& set, std::size_t bytes, int depth, std::string& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 4, ' ');
    char line[160];
    std::snprintf(line, sizeof line, "%sversion %d, header 0x%08x, %d items, %zu bytes\n",
                  indent.c_str(), set.version, set.header, set.itemCount(), bytes);
    out += line;
    for (int i = 0; i < set.itemCount(); ++i) {
        const RpcProperty& item = set.item(i);
        const std::size_t length = item.kind == RpcKindInt      ? 4
                                   : item.kind == RpcKindDouble ? 8
                                   : item.kind == RpcKindByte   ? 1
                                                                : item.block.size();
        std::snprintf(line, sizeof line, "%s[%d] tag %u, kind %u %s, %zu bytes: ", indent.c_str(),
                      i, item.id, item.kind, kindName(item.kind), length);
        out += line;
        RpcPropertySet nested;
        switch (item.kind) {
        case RpcKindInt:
            out += std::to_string(item.intValue) + "\n";
            break;
        case RpcKindDouble:
            out += formatDouble(item.doubleValue) + "\n";
            break;
        case RpcKindByte:
            out += std::to_string(item.byteValue) + "\n";
            break;
        case RpcKindWide:
            out += quoted(vmjson::utf8FromWide(item.getWideText())) + "\n";
            break;
        default:
            if (depth < kMaxDepth && isPacket(item.block, nested)) {
                out += "packet\n";
                dumpSet(nested, item.block.size(), depth + 1, out);
            } else if (isNarrowText(item.block)) {
                out += quoted(vmjson::utf8FromBytes(item.getText())) + "\n";
            } else if (item.block.empty()) {
                out += "empty\n";
            } else {
                out += hex(item.block) + "\n";
            }
        }
    }
}

} // namespace

bool dumpPacket(std::span<const std::uint8_t> packet, std::string& out, std::string& error) {
    out.clear();
    RpcPropertySet set;
    const int length = packet.size() > INT_MAX ? INT_MAX : static_cast<int>(packet.size());
    if (set.parse(packet.data(), length) != 0) {
        error = "malformed packet (error " + std::to_string(set.lastError) + ")";
        return false;
    }
    const std::uint32_t total =
        packet[0] | packet[1] << 8 | packet[2] << 16 | static_cast<std::uint32_t>(packet[3]) << 24;
    dumpSet(set, total, 0, out);
    if (total < packet.size())
        out += std::to_string(packet.size() - total) + " bytes follow the packet\n";
    return true;
}
