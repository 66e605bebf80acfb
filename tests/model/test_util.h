#pragma once
// Helpers for building and inspecting packets in the model tests.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "model/rpc_property.h"

namespace testutil {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t u32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline void setU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void setF32(Bytes& b, std::size_t at, float f) {
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    setU32(b, at, v);
}

// The (kind, id, length) entries of a packet's index.
struct Entry {
    std::uint32_t kind, id, length;
    bool operator==(const Entry&) const = default;
};

inline std::vector<Entry> indexOf(const Bytes& packet) {
    std::vector<Entry> out;
    const std::uint32_t n = u32(packet, 16);
    for (std::uint32_t i = 0; i < n; ++i)
        out.push_back(
            {u32(packet, 20 + 12 * i), u32(packet, 24 + 12 * i), u32(packet, 28 + 12 * i)});
    return out;
}

inline std::vector<std::uint32_t> idsOf(const Bytes& packet) {
    std::vector<std::uint32_t> ids;
    for (const Entry& e : indexOf(packet)) ids.push_back(e.id);
    return ids;
}

// A set parsed from packet bytes.
inline RpcPropertySet parsed(const Bytes& packet) {
    RpcPropertySet set;
    set.parse(packet.data(), static_cast<int>(packet.size()));
    return set;
}

// The packet of a set with the given items, version 1.
template <class Fill> Bytes packetOf(Fill fill, int version = 1) {
    RpcPropertySet set;
    set.version = version;
    fill(set);
    return set.toBytes();
}

// The packet without the items of the given tags.
inline Bytes without(const Bytes& packet, std::initializer_list<std::uint32_t> tags) {
    const RpcPropertySet source = parsed(packet);
    RpcPropertySet out;
    out.version = source.version;
    for (const RpcProperty& item : source.items())
        if (std::find(tags.begin(), tags.end(), item.id) == tags.end()) out.addItem() = item;
    return out.toBytes();
}

} // namespace testutil
