#include "cli/refusal.h"

#include <climits>

#include "model/rpc_property.h"

namespace {

constexpr std::size_t kFixedSize = 20; // total length, version, flags, header, count
constexpr std::size_t kIndexEntry = 12;

std::uint32_t get32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::string at(std::size_t offset) {
    return " at offset " + std::to_string(offset);
}

// Offset of the index entry a failed parse stopped at (error 13 or 14).
std::size_t failedEntry(std::span<const std::uint8_t> packet, int code) {
    const std::size_t count = get32(packet.data() + 16);
    const std::size_t total = get32(packet.data());
    const std::size_t dataRoom = total - kFixedSize - count * kIndexEntry;
    std::uint64_t data = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = packet.data() + kFixedSize + i * kIndexEntry;
        const std::uint32_t kind = get32(e), length = get32(e + 8);
        const bool scalarWrong = (kind == RpcKindInt && length != 4) ||
                                 (kind == RpcKindDouble && length != 8) ||
                                 (kind == RpcKindByte && length != 1);
        if (code == RpcErrScalarLength && scalarWrong) return kFixedSize + i * kIndexEntry + 8;
        data += length;
        if (code == RpcErrDataOverflow && data > dataRoom) return kFixedSize + i * kIndexEntry + 8;
    }
    return kFixedSize;
}

// Why the packet at `packet` (which starts at `base` in the file) does not
// parse; empty when it does.
std::string parseFault(std::span<const std::uint8_t> packet, std::size_t base,
                       RpcPropertySet& set) {
    const int length = packet.size() > INT_MAX ? INT_MAX : static_cast<int>(packet.size());
    if (set.parse(packet.data(), length) == 0) return {};
    const int code = set.lastError;
    std::string where;
    switch (code) {
    case RpcErrTruncated:
        if (packet.size() >= 4)
            return packetErrorText(code) + ": it claims " + std::to_string(get32(packet.data())) +
                   " bytes, " + std::to_string(packet.size()) + " are there" + at(base);
        where = at(base);
        break;
    case RpcErrNegativeCount:
    case RpcErrIndexOverflow:
        where = at(base + 16);
        break;
    case RpcErrDataOverflow:
    case RpcErrScalarLength:
        where = at(base + failedEntry(packet, code));
        break;
    default:
        where = at(base);
    }
    return packetErrorText(code) + " (error " + std::to_string(code) + ")" + where;
}

// Offset of each item's data from the start of its packet.
std::size_t dataOffset(const RpcPropertySet& set, int index) {
    std::size_t offset = kFixedSize + kIndexEntry * static_cast<std::size_t>(set.itemCount());
    for (int i = 0; i < index; ++i) {
        const RpcProperty& item = set.item(i);
        offset += item.kind == RpcKindInt      ? 4
                  : item.kind == RpcKindDouble ? 8
                  : item.kind == RpcKindByte   ? 1
                                               : item.block.size();
    }
    return offset;
}

int indexOf(const RpcPropertySet& set, std::uint32_t id) {
    for (int i = 0; i < set.itemCount(); ++i)
        if (set.item(i).id == id) return i;
    return -1;
}

std::string refusal(std::span<const std::uint8_t> packet, std::size_t base,
                    std::span<const std::uint8_t> defaults, int depth) {
    RpcPropertySet set;
    if (std::string fault = parseFault(packet, base, set); !fault.empty()) return fault;
    if (set.version >= 2)
        return "packet version " + std::to_string(set.version) +
               " is newer than this reader understands (1)" + at(base + 4);
    RpcPropertySet shape;
    if (depth > 32 || defaults.empty() || !parseFault(defaults, 0, shape).empty()) return {};
    // Members that the default record writes as nested packets are records.
    for (const RpcProperty& member : shape.items()) {
        RpcPropertySet nested;
        if (member.kind != RpcKindBlock || !parseFault(member.block, 0, nested).empty()) continue;
        const int i = indexOf(set, member.id);
        if (i < 0)
            return "the member record with tag " + std::to_string(member.id) + " is missing" +
                   " from the packet" + at(base);
        const std::size_t offset = base + dataOffset(set, i);
        if (set.item(i).kind != RpcKindBlock)
            return "the member with tag " + std::to_string(member.id) + " is no record (kind " +
                   std::to_string(set.item(i).kind) + ")" + at(offset);
        std::string fault = refusal(set.item(i).block, offset, member.block, depth + 1);
        if (!fault.empty()) return fault + " (member tag " + std::to_string(member.id) + ")";
    }
    return {};
}

} // namespace

std::string packetErrorText(int code) {
    switch (code) {
    case RpcOk:
        return "no error";
    case RpcErrNoBuffer:
        return "the packet is empty";
    case RpcErrNoMemory:
        return "the packet is too large to build";
    case RpcErrBufferTooSmall:
        return "the buffer is too small for the packet";
    case RpcErrNoPacket:
        return "no packet was built";
    case RpcErrNegativeLength:
        return "the packet's total length is negative";
    case RpcErrNegativeCount:
        return "the item count is negative";
    case RpcErrTruncated:
        return "the packet is cut short";
    case RpcErrShortPacket:
        return "the total length is below the 20 bytes of the packet's head";
    case RpcErrIndexOverflow:
        return "the item index does not fit in the packet";
    case RpcErrDataOverflow:
        return "item data run past the packet's end";
    case RpcErrScalarLength:
        return "a number item has the wrong length";
    case RpcErrStreamWrite:
        return "the stream took fewer bytes than written";
    default:
        return "unknown error";
    }
}

std::string packetRefusal(std::span<const std::uint8_t> packet,
                          std::span<const std::uint8_t> defaults) {
    return refusal(packet, 0, defaults, 0);
}
