#include "model/rpc_property.h"

#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kHeadSize = 12;  // total length, version, flag, reserved
constexpr std::size_t kFixedSize = 20; // head, header word, item count
constexpr std::size_t kIndexEntry = 12;
// Sets this small are searched from the front; larger ones through the index.
constexpr std::size_t kLinearLookup = 16;

void put32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

std::uint32_t get32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void put64(std::uint8_t* p, std::uint64_t v) {
    put32(p, static_cast<std::uint32_t>(v));
    put32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

std::uint64_t get64(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(get32(p)) | static_cast<std::uint64_t>(get32(p + 4)) << 32;
}

// Data length of an item by its kind.
std::size_t dataLength(const RpcProperty& item) {
    switch (item.kind) {
    case RpcKindInt:
        return 4;
    case RpcKindDouble:
        return 8;
    case RpcKindByte:
        return 1;
    default:
        return item.block.size();
    }
}

// The version travels as a float; it is read back rounded. Values outside the
// int range (and NaN) saturate, so record readers reject them as too new.
int versionFromFloat(float f) {
    const double v = static_cast<double>(f) + 0.5;
    if (std::isnan(v) || v >= 2147483647.0) return INT_MAX;
    if (v <= -2147483648.0) return INT_MIN;
    return static_cast<int>(v);
}

} // namespace

// --- RpcProperty -------------------------------------------------------------

void RpcProperty::clear() {
    *this = RpcProperty{};
}

void RpcProperty::setInt(std::int32_t value, std::uint32_t newId) {
    kind = RpcKindInt;
    id = newId;
    intValue = value;
}

void RpcProperty::setDouble(double value, std::uint32_t newId) {
    kind = RpcKindDouble;
    id = newId;
    doubleValue = value;
}

void RpcProperty::setByte(std::uint8_t value, std::uint32_t newId) {
    kind = RpcKindByte;
    id = newId;
    byteValue = value;
}

void RpcProperty::setBlock(std::uint32_t length, const void* bytes, std::uint32_t newId) {
    kind = RpcKindBlock;
    id = newId;
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    if (p && length > 0)
        block.assign(p, p + length);
    else
        block.clear();
}

void RpcProperty::setText(const NarrowText& text, std::uint32_t newId) {
    kind = RpcKindBlock;
    id = newId;
    block.assign(text.begin(), text.end());
    block.push_back(0);
}

void RpcProperty::setWideText(const WideText& text, std::uint32_t newId) {
    kind = RpcKindWide;
    id = newId;
    block.resize((text.size() + 1) * 2);
    std::uint8_t* p = block.data();
    for (char16_t c : text) {
        *p++ = static_cast<std::uint8_t>(c);
        *p++ = static_cast<std::uint8_t>(c >> 8);
    }
    p[0] = 0;
    p[1] = 0;
}

std::int32_t RpcProperty::getInt() const {
    return kind == RpcKindInt ? intValue : 0;
}
double RpcProperty::getDouble() const {
    return kind == RpcKindDouble ? doubleValue : 0.0;
}
std::uint8_t RpcProperty::getByte() const {
    return kind == RpcKindByte ? byteValue : 0;
}

WideText RpcProperty::getWideText() const {
    WideText text;
    const std::size_t units = block.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const auto c = static_cast<char16_t>(block[2 * i] | block[2 * i + 1] << 8);
        if (c == 0) break;
        text.push_back(c);
    }
    return text;
}

NarrowText RpcProperty::getText() const {
    std::size_t n = 0;
    while (n < block.size() && block[n] != 0) ++n;
    return NarrowText(reinterpret_cast<const char*>(block.data()), n);
}

const RpcProperty& RpcProperty::empty() {
    static const RpcProperty item = [] {
        RpcProperty p;
        p.present = false;
        return p;
    }();
    return item;
}

// --- RpcPropertySet: items ---------------------------------------------------

RpcProperty& RpcPropertySet::addItem() {
    return items_.emplace_back();
}

void RpcPropertySet::addBlock(std::uint32_t id, std::span<const std::uint8_t> bytes) {
    addItem().setBlock(static_cast<std::uint32_t>(bytes.size()), bytes.data(), id);
}

void RpcPropertySet::rebuildIndex() const {
    if (indexed_ > items_.size()) {
        index_.clear();
        indexed_ = 0;
    }
    for (; indexed_ < items_.size(); ++indexed_)
        index_.try_emplace(items_[indexed_].id, static_cast<std::uint32_t>(indexed_));
}

const RpcProperty& RpcPropertySet::findItem(std::uint32_t id) const {
    if (items_.size() <= kLinearLookup) {
        for (const RpcProperty& item : items_)
            if (item.id == id) return item;
        return RpcProperty::empty();
    }
    rebuildIndex();
    const auto it = index_.find(id);
    return it == index_.end() ? RpcProperty::empty() : items_[it->second];
}

void RpcPropertySet::putRecord(const RpcReadWrite& record, std::uint32_t id) {
    TMemoryStream stream;
    record.write(stream);
    RpcProperty& item = addItem();
    item.kind = RpcKindBlock;
    item.id = id;
    item.block = stream.takeBytes();
}

bool RpcPropertySet::getRecord(RpcReadWrite& record, std::uint32_t id) const {
    const RpcProperty& item = findItem(id);
    if (!item.present) return false;
    TSpanStream stream(item.block);
    return record.read(stream);
}

// --- RpcPropertySet: packets -------------------------------------------------

void RpcPropertySet::reset() {
    items_.clear();
    index_.clear();
    indexed_ = 0;
    packet_.clear();
    packet_.shrink_to_fit();
    packetBuilt_ = false;
    header = 0;
    lastError = 0;
}

int RpcPropertySet::fail(int code) {
    lastError = code;
    switch (code) {
    case RpcErrNoBuffer:
        return -1;
    case RpcErrNoMemory:
        return -4;
    case RpcErrBufferTooSmall:
        return -1;
    case RpcErrNoPacket:
        return -2;
    case RpcErrNegativeLength:
        return -2;
    case RpcErrNegativeCount:
        return -5;
    default:
        return -code;
    }
}

std::vector<std::uint8_t> RpcPropertySet::toBytes() const {
    std::uint64_t total = kFixedSize + kIndexEntry * items_.size();
    for (const RpcProperty& item : items_) total += dataLength(item);
    if (total > INT32_MAX) throw std::bad_alloc();

    std::vector<std::uint8_t> out(static_cast<std::size_t>(total));
    std::uint8_t* p = out.data();
    put32(p, static_cast<std::uint32_t>(total));
    put32(p + 4, std::bit_cast<std::uint32_t>(static_cast<float>(version)));
    // Bytes 8 to 11 (flag and reserved) stay 0.
    put32(p + 12, header);
    put32(p + 16, static_cast<std::uint32_t>(items_.size()));
    std::uint8_t* index = p + kFixedSize;
    std::uint8_t* data = index + kIndexEntry * items_.size();
    for (const RpcProperty& item : items_) {
        const std::size_t length = dataLength(item);
        put32(index, item.kind);
        put32(index + 4, item.id);
        put32(index + 8, static_cast<std::uint32_t>(length));
        index += kIndexEntry;
        switch (item.kind) {
        case RpcKindInt:
            put32(data, static_cast<std::uint32_t>(item.intValue));
            break;
        case RpcKindDouble:
            put64(data, std::bit_cast<std::uint64_t>(item.doubleValue));
            break;
        case RpcKindByte:
            *data = item.byteValue;
            break;
        default:
            if (length > 0) std::memcpy(data, item.block.data(), length);
        }
        data += length;
    }
    return out;
}

int RpcPropertySet::serialize(void* buffer, int size) {
    if (!buffer) {
        try {
            packet_ = toBytes();
        } catch (const std::bad_alloc&) {
            packet_.clear();
            packetBuilt_ = false;
            return fail(RpcErrNoMemory);
        }
        packetBuilt_ = true;
        return static_cast<int>(packet_.size());
    }
    if (!packetBuilt_) return fail(RpcErrNoPacket);
    if (size < 0 || static_cast<std::size_t>(size) < packet_.size())
        return fail(RpcErrBufferTooSmall);
    const int length = static_cast<int>(packet_.size());
    std::memcpy(buffer, packet_.data(), packet_.size());
    packet_.clear();
    packet_.shrink_to_fit();
    packetBuilt_ = false;
    return length;
}

int RpcPropertySet::writeTo(TStream& stream) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = toBytes();
    } catch (const std::bad_alloc&) {
        return fail(RpcErrNoMemory);
    }
    if (!stream.writeExact(bytes.data(), static_cast<std::int64_t>(bytes.size())))
        return fail(RpcErrStreamWrite);
    return 0;
}

// Body: everything after the 12 head bytes (header word, count, index, data).
// Every length is checked against the bytes present before anything is
// allocated for it.
int RpcPropertySet::parseBody(const std::uint8_t* body, std::size_t bodyLength) {
    if (bodyLength < kFixedSize - kHeadSize) return fail(RpcErrShortPacket);
    header = get32(body);
    const auto count = static_cast<std::int32_t>(get32(body + 4));
    if (count < 0) return fail(RpcErrNegativeCount);
    const std::size_t n = static_cast<std::size_t>(count);
    const std::size_t room = bodyLength - (kFixedSize - kHeadSize);
    if (n > room / kIndexEntry) return fail(RpcErrIndexOverflow);
    const std::uint8_t* index = body + (kFixedSize - kHeadSize);
    const std::size_t dataRoom = room - n * kIndexEntry;

    std::uint64_t dataTotal = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* e = index + i * kIndexEntry;
        const std::uint32_t kind = get32(e);
        const std::uint32_t length = get32(e + 8);
        if ((kind == RpcKindInt && length != 4) || (kind == RpcKindDouble && length != 8) ||
            (kind == RpcKindByte && length != 1))
            return fail(RpcErrScalarLength);
        dataTotal += length;
        if (dataTotal > dataRoom) return fail(RpcErrDataOverflow);
    }

    items_.reserve(n);
    const std::uint8_t* data = index + n * kIndexEntry;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* e = index + i * kIndexEntry;
        RpcProperty& item = items_.emplace_back();
        item.kind = get32(e);
        item.id = get32(e + 4);
        const std::uint32_t length = get32(e + 8);
        switch (item.kind) {
        case RpcKindInt:
            item.intValue = static_cast<std::int32_t>(get32(data));
            break;
        case RpcKindDouble:
            item.doubleValue = std::bit_cast<double>(get64(data));
            break;
        case RpcKindByte:
            item.byteValue = *data;
            break;
        default:
            item.block.assign(data, data + length);
        }
        data += length;
    }
    return 0;
}

int RpcPropertySet::parse(const void* buffer, int length) {
    items_.clear();
    index_.clear();
    indexed_ = 0;
    version = 0;
    header = 0;
    if (!buffer || length < 1) return fail(RpcErrNoBuffer);
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    const auto available = static_cast<std::size_t>(length);
    if (available < 4) return fail(RpcErrTruncated);
    const auto total = static_cast<std::int32_t>(get32(p));
    if (total < 0) return fail(RpcErrNegativeLength);
    if (available < kHeadSize) return fail(RpcErrTruncated);
    version = versionFromFloat(std::bit_cast<float>(get32(p + 4)));
    if (static_cast<std::size_t>(total) < kFixedSize) return fail(RpcErrShortPacket);
    if (static_cast<std::size_t>(total) > available) return fail(RpcErrTruncated);
    const int result = parseBody(p + kHeadSize, static_cast<std::size_t>(total) - kHeadSize);
    if (result != 0) items_.clear();
    return result;
}

int RpcPropertySet::readFrom(TStream& stream) {
    items_.clear();
    index_.clear();
    indexed_ = 0;
    version = 0;
    header = 0;
    std::uint8_t head[kHeadSize];
    if (!stream.readExact(head, 4)) return fail(RpcErrTruncated);
    const auto total = static_cast<std::int32_t>(get32(head));
    if (total < 0) return fail(RpcErrNegativeLength);
    if (!stream.readExact(head + 4, kHeadSize - 4)) return fail(RpcErrTruncated);
    version = versionFromFloat(std::bit_cast<float>(get32(head + 4)));
    if (static_cast<std::size_t>(total) < kFixedSize) return fail(RpcErrShortPacket);
    const std::int64_t bodyLength = static_cast<std::int64_t>(total) - kHeadSize;
    if (bodyLength > stream.remaining()) return fail(RpcErrTruncated);
    int result;
    if (const std::uint8_t* memory = stream.memory()) {
        // In memory: parse in place instead of copying the body first.
        const std::int64_t at = stream.position();
        result = parseBody(memory + at, static_cast<std::size_t>(bodyLength));
        stream.seek(at + bodyLength);
    } else {
        std::vector<std::uint8_t> body(static_cast<std::size_t>(bodyLength));
        if (!stream.readExact(body.data(), bodyLength)) return fail(RpcErrTruncated);
        result = parseBody(body.data(), body.size());
    }
    if (result != 0) items_.clear();
    return result;
}

// --- RpcReadWrite ------------------------------------------------------------

std::vector<std::uint8_t> RpcReadWrite::toPacket() const {
    TMemoryStream stream;
    write(stream);
    return stream.takeBytes();
}

bool RpcReadWrite::fromPacket(std::span<const std::uint8_t> bytes) {
    TSpanStream stream(bytes);
    return read(stream);
}
