#include "model/packet.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

#include "model/tstream.h"

using namespace rpc_packet;

namespace {

// The version travels as a float; it is read back rounded. Values outside the
// int range (and NaN) saturate, so record readers reject them as too new.
int versionFromFloat(float f) {
    const double v = static_cast<double>(f) + 0.5;
    if (std::isnan(v) || v >= 2147483647.0) return INT_MAX;
    if (v <= -2147483648.0) return INT_MIN;
    return static_cast<int>(v);
}

// Packets up to this many items are searched from the front when their ids
// are out of order; larger ones through a sorted index.
constexpr std::size_t kLinearLookup = 32;

} // namespace

// --- texts -------------------------------------------------------------------

void rpc_packet::assignWide(WideText& out, std::span<const std::uint8_t> block) {
    const std::size_t units = block.size() / 2;
    std::size_t n = 0;
    while (n < units && (block[2 * n] | block[2 * n + 1]) != 0) ++n;
    out.resize(n);
    if constexpr (std::endian::native == std::endian::little) {
        if (n > 0) std::memcpy(out.data(), block.data(), 2 * n);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            out[i] = static_cast<char16_t>(block[2 * i] | block[2 * i + 1] << 8);
    }
}

void rpc_packet::assignNarrow(NarrowText& out, std::span<const std::uint8_t> block) {
    const void* zero = block.empty() ? nullptr : std::memchr(block.data(), 0, block.size());
    const std::size_t n =
        zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - block.data())
             : block.size();
    out.assign(reinterpret_cast<const char*>(block.data()), n);
}

// --- taking a packet from a stream -------------------------------------------

std::span<const std::uint8_t> rpc_packet::takePacket(TStream& stream,
                                                     std::vector<std::uint8_t>& scratch) {
    // How far the packet reaches, given the head bytes in hand: the head
    // first, the rest only when the head is sound and the stream holds it.
    const auto reach = [](const std::uint8_t* head, std::size_t have,
                          std::int64_t available) -> std::size_t {
        if (have < 4) return have;
        const auto total = static_cast<std::int32_t>(get32(head));
        if (total < 0) return 4;
        if (have < kHeadSize) return have;
        if (static_cast<std::size_t>(total) < kFixedSize || total > available) return kHeadSize;
        return static_cast<std::size_t>(total);
    };
    const std::int64_t at = stream.position();
    const std::int64_t available = stream.remaining();
    if (const std::uint8_t* memory = stream.memory()) {
        const std::uint8_t* head = memory + at;
        const std::size_t have = static_cast<std::size_t>(std::min<std::int64_t>(available, 12));
        const std::size_t take = reach(head, have, available);
        stream.seek(at + static_cast<std::int64_t>(take));
        return {head, take};
    }
    // Read step by step, as far as the head allows.
    scratch.clear();
    const auto readMore = [&](std::size_t n) {
        const std::size_t old = scratch.size();
        scratch.resize(old + n);
        const std::int64_t got = stream.read(scratch.data() + old, static_cast<std::int64_t>(n));
        scratch.resize(old + static_cast<std::size_t>(got > 0 ? got : 0));
    };
    readMore(4);
    if (scratch.size() < 4 || static_cast<std::int32_t>(get32(scratch.data())) < 0) return scratch;
    readMore(kHeadSize - 4);
    const std::size_t take = reach(scratch.data(), scratch.size(), available);
    if (take > scratch.size()) readMore(take - scratch.size());
    return scratch;
}

// --- PacketWriter ------------------------------------------------------------

std::uint8_t* PacketWriter::grow(std::size_t length) {
    if (out_.size() - size_ < length) {
        // Within the buffer's capacity it grows by cache-sized steps, so the
        // zeros a resize writes are overwritten while they are still cached.
        std::size_t want = size_ + length;
        if (want <= out_.capacity())
            want = std::min(out_.capacity(), std::max(want, size_ + 65536));
        else
            want = std::max(want + 256, 2 * out_.size());
        out_.resize(want);
    }
    std::uint8_t* p = out_.data() + size_;
    size_ += length;
    return p;
}

PacketWriter::Frame PacketWriter::open(std::size_t count, int version, std::uint32_t header) {
    const Frame enclosing = frame_;
    frame_.start = size_;
    frame_.entry = frame_.start + kFixedSize;
    std::uint8_t* p = grow(kFixedSize + kIndexEntry * count);
    put32(p + 4, std::bit_cast<std::uint32_t>(static_cast<float>(version)));
    put32(p + 8, 0); // flag and reserved bytes
    put32(p + 12, header);
    put32(p + 16, static_cast<std::uint32_t>(count));
    return enclosing;
}

void PacketWriter::close(Frame enclosing) {
    const std::size_t total = size_ - frame_.start;
    if (total > INT32_MAX) refused_ = true;
    put32(out_.data() + frame_.start, static_cast<std::uint32_t>(total));
    frame_ = enclosing;
}

std::uint8_t* PacketWriter::item(std::uint32_t kind, std::uint32_t id, std::size_t length) {
    std::uint8_t* data = grow(length);
    std::uint8_t* e = out_.data() + frame_.entry;
    put32(e, kind);
    put32(e + 4, id);
    put32(e + 8, static_cast<std::uint32_t>(length));
    frame_.entry += kIndexEntry;
    return data;
}

void PacketWriter::putInt(std::uint32_t id, std::int32_t value) {
    put32(item(RpcKindInt, id, 4), static_cast<std::uint32_t>(value));
}

void PacketWriter::putDouble(std::uint32_t id, double value) {
    put64(item(RpcKindDouble, id, 8), std::bit_cast<std::uint64_t>(value));
}

void PacketWriter::putByte(std::uint32_t id, std::uint8_t value) {
    *item(RpcKindByte, id, 1) = value;
}

void PacketWriter::putText(std::uint32_t id, const NarrowText& text) {
    std::uint8_t* p = item(RpcKindBlock, id, text.size() + 1);
    if (!text.empty()) std::memcpy(p, text.data(), text.size());
    p[text.size()] = 0;
}

void PacketWriter::putWideText(std::uint32_t id, const WideText& text) {
    const std::size_t n = text.size();
    std::uint8_t* p = item(RpcKindWide, id, 2 * (n + 1));
    if constexpr (std::endian::native == std::endian::little) {
        if (n > 0) std::memcpy(p, text.data(), 2 * n);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            p[2 * i] = static_cast<std::uint8_t>(text[i]);
            p[2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
        }
    }
    p[2 * n] = 0;
    p[2 * n + 1] = 0;
}

void PacketWriter::putBlock(std::uint32_t kind, std::uint32_t id,
                            std::span<const std::uint8_t> bytes) {
    std::uint8_t* p = item(kind, id, bytes.size());
    if (!bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
}

PacketWriter::Block PacketWriter::beginBlock(std::uint32_t id) {
    const Block block{frame_.entry, size_};
    item(RpcKindBlock, id, 0);
    return block;
}

void PacketWriter::endBlock(Block block) {
    put32(out_.data() + block.entry + 8, static_cast<std::uint32_t>(size_ - block.start));
}

// --- PacketView --------------------------------------------------------------

PacketView::PacketView(std::span<const std::uint8_t> bytes) {
    const std::uint8_t* p = bytes.data();
    const std::size_t available = bytes.size();
    if (available < 4) {
        error_ = RpcErrTruncated;
        return;
    }
    const auto total = static_cast<std::int32_t>(get32(p));
    if (total < 0) {
        error_ = RpcErrNegativeLength;
        return;
    }
    if (available < kHeadSize) {
        error_ = RpcErrTruncated;
        return;
    }
    version_ = versionFromFloat(std::bit_cast<float>(get32(p + 4)));
    if (static_cast<std::size_t>(total) < kFixedSize) {
        error_ = RpcErrShortPacket;
        return;
    }
    if (static_cast<std::size_t>(total) > available) {
        error_ = RpcErrTruncated;
        return;
    }
    header_ = get32(p + 12);
    const auto count = static_cast<std::int32_t>(get32(p + 16));
    if (count < 0) {
        error_ = RpcErrNegativeCount;
        return;
    }
    const std::size_t n = static_cast<std::size_t>(count);
    const std::size_t room = static_cast<std::size_t>(total) - kFixedSize;
    if (n > room / kIndexEntry) {
        error_ = RpcErrIndexOverflow;
        return;
    }
    const std::uint8_t* index = p + kFixedSize;
    const std::size_t dataRoom = room - n * kIndexEntry;
    std::uint64_t dataTotal = 0;
    std::uint32_t previous = 0;
    bool ascending = true;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* e = index + i * kIndexEntry;
        const std::uint32_t kind = get32(e);
        const std::uint32_t id = get32(e + 4);
        const std::uint32_t length = get32(e + 8);
        if ((kind == RpcKindInt && length != 4) || (kind == RpcKindDouble && length != 8) ||
            (kind == RpcKindByte && length != 1)) {
            error_ = RpcErrScalarLength;
            return;
        }
        dataTotal += length;
        if (dataTotal > dataRoom) {
            error_ = RpcErrDataOverflow;
            return;
        }
        if (i > 0 && id <= previous) ascending = false;
        previous = id;
    }
    index_ = index;
    data_ = index + n * kIndexEntry;
    count_ = n;
    length_ = static_cast<std::size_t>(total);
    ascending_ = ascending;
    cursorData_ = data_;
}

PacketView::Item PacketView::at(std::size_t i, const std::uint8_t* data) const {
    const std::uint8_t* e = index_ + i * kIndexEntry;
    return {get32(e), get32(e + 4), data, get32(e + 8), true};
}

void PacketView::buildIndex() const {
    sorted_.reserve(count_);
    std::size_t offset = 0;
    for (std::size_t i = 0; i < count_; ++i) {
        const std::uint8_t* e = index_ + i * kIndexEntry;
        sorted_.push_back({get32(e + 4), static_cast<std::uint32_t>(i), offset});
        offset += get32(e + 8);
    }
    std::stable_sort(sorted_.begin(), sorted_.end(),
                     [](const Slot& a, const Slot& b) { return a.id < b.id; });
}

PacketView::Item PacketView::search(std::uint32_t id) const {
    if (ascending_) {
        // Records look their fields up in tag order: go on from the last hit.
        if (cursor_ > 0 && get32(index_ + (cursor_ - 1) * kIndexEntry + 4) >= id) {
            cursor_ = 0;
            cursorData_ = data_;
        }
        while (cursor_ < count_) {
            const std::uint8_t* e = index_ + cursor_ * kIndexEntry;
            const std::uint32_t at = get32(e + 4);
            if (at > id) break;
            const Item it = this->at(cursor_, cursorData_);
            cursorData_ += it.length;
            ++cursor_;
            if (at == id) return it;
        }
        return {};
    }
    if (count_ <= kLinearLookup) {
        const std::uint8_t* data = data_;
        for (std::size_t i = 0; i < count_; ++i) {
            const Item it = at(i, data);
            if (it.id == id) return it;
            data += it.length;
        }
        return {};
    }
    if (sorted_.empty()) buildIndex();
    const auto it = std::lower_bound(sorted_.begin(), sorted_.end(), id,
                                     [](const Slot& s, std::uint32_t v) { return s.id < v; });
    if (it == sorted_.end() || it->id != id) return {};
    return at(it->entry, data_ + it->offset);
}
