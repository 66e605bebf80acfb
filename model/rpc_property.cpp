#include "model/rpc_property.h"

#include <bit>
#include <climits>
#include <cstring>

using namespace rpc_packet;

namespace {

// Sets this small are searched from the front; larger ones through the index.
constexpr std::size_t kLinearLookup = 16;

// The packet bytes of a record write when the stream cannot take them in
// place; kept per thread so that a write allocates nothing in the steady
// state.
thread_local std::vector<std::uint8_t> tScratch;
thread_local bool tScratchInUse = false;

// Writes the record straight into `out`; false (and `out` as it was) when the
// writer refused the record.
bool appendPacket(const RpcReadWrite& record, std::vector<std::uint8_t>& out) {
    const std::size_t start = out.size();
    PacketWriter writer(out);
    record.writePacket(writer);
    writer.finish();
    if (!writer.refused()) return true;
    out.resize(start);
    return false;
}

std::uint64_t slotHash(std::uint32_t id) {
    return (id * 0x9e3779b97f4a7c15ull) >> 20;
}

} // namespace

// --- RpcBlock ----------------------------------------------------------------

RpcBlock& RpcBlock::operator=(const RpcBlock& other) {
    if (this == &other) return *this;
    if (other.owns()) {
        own_ = other.own_;
        data_ = own_.data();
        size_ = own_.size();
    } else {
        own_.clear();
        data_ = other.data_;
        size_ = other.size_;
    }
    return *this;
}

void RpcBlock::assign(std::span<const std::uint8_t> bytes) {
    adopt(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void RpcBlock::adopt(std::vector<std::uint8_t>&& bytes) {
    own_ = std::move(bytes);
    data_ = own_.empty() ? nullptr : own_.data();
    size_ = own_.size();
}

void RpcBlock::view(std::span<const std::uint8_t> bytes) {
    own_.clear();
    data_ = bytes.empty() ? nullptr : bytes.data();
    size_ = bytes.size();
}

void RpcBlock::clear() {
    view({});
}

bool RpcBlock::operator==(const RpcBlock& other) const {
    return size_ == other.size_ && (size_ == 0 || std::memcmp(data_, other.data_, size_) == 0);
}

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
        block.assign({p, length});
    else
        block.clear();
}

void RpcProperty::setText(const NarrowText& text, std::uint32_t newId) {
    kind = RpcKindBlock;
    id = newId;
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    block.adopt(std::move(bytes));
}

void RpcProperty::setWideText(const WideText& text, std::uint32_t newId) {
    kind = RpcKindWide;
    id = newId;
    std::vector<std::uint8_t> bytes((text.size() + 1) * 2);
    std::uint8_t* p = bytes.data();
    for (char16_t c : text) {
        *p++ = static_cast<std::uint8_t>(c);
        *p++ = static_cast<std::uint8_t>(c >> 8);
    }
    block.adopt(std::move(bytes));
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
    assignWide(text, block);
    return text;
}

NarrowText RpcProperty::getText() const {
    NarrowText text;
    assignNarrow(text, block);
    return text;
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

RpcPropertySet& RpcPropertySet::operator=(const RpcPropertySet& other) {
    if (this == &other) return *this;
    lastError = other.lastError;
    header = other.header;
    version = other.version;
    storage_ = other.storage_;
    items_ = other.items_;
    itemsPending_ = other.itemsPending_;
    storageIsPacket_ = other.storageIsPacket_;
    itemsAdded_ = other.itemsAdded_;
    packet_ = other.packet_;
    packetBuilt_ = other.packetBuilt_;
    index_.clear();
    indexed_ = 0;
    // Views into the other set's packet now view this set's copy of it.
    const std::uint8_t* from = other.storage_.data();
    const std::uint8_t* to = storage_.data();
    for (RpcProperty& item : items_) {
        const std::uint8_t* p = item.block.data();
        if (!item.block.owns() && p && p >= from && p < from + other.storage_.size())
            item.block.view({to + (p - from), item.block.size()});
    }
    return *this;
}

void RpcPropertySet::takeItems(const PacketView& view) const {
    items_.clear();
    items_.reserve(view.count());
    view.forEach([&](const PacketView::Item& it) {
        RpcProperty& item = items_.emplace_back();
        item.kind = it.kind;
        item.id = it.id;
        switch (it.kind) {
        case RpcKindInt:
            item.intValue = it.getInt();
            break;
        case RpcKindDouble:
            item.doubleValue = it.getDouble();
            break;
        case RpcKindByte:
            item.byteValue = it.getByte();
            break;
        default:
            item.block.view(it.block());
        }
    });
}

void RpcPropertySet::ensureItems() const {
    if (!itemsPending_) return;
    itemsPending_ = false;
    takeItems(PacketView(storage_));
}

std::span<const RpcProperty> RpcPropertySet::items() const {
    ensureItems();
    return items_;
}

RpcProperty& RpcPropertySet::addItem() {
    ensureItems();
    itemsAdded_ = true;
    return items_.emplace_back();
}

void RpcPropertySet::addBlock(std::uint32_t id, std::span<const std::uint8_t> bytes) {
    addItem().setBlock(static_cast<std::uint32_t>(bytes.size()), bytes.data(), id);
}

const RpcProperty* RpcPropertySet::following(const RpcProperty& item) const {
    // Only with the index built for the items as they are (findItem builds
    // it for a large set, where lookups cost).
    if (indexed_ != items_.size() || !idsUnique_ || items_.empty()) return nullptr;
    const RpcProperty* first = items_.data();
    if (&item < first || &item >= first + items_.size() - 1) return nullptr;
    return &item + 1;
}

const RpcProperty& RpcPropertySet::findItem(std::uint32_t id) const {
    ensureItems();
    const std::size_t n = items_.size();
    if (n <= kLinearLookup) {
        for (const RpcProperty& item : items_)
            if (item.id == id) return item;
        return RpcProperty::empty();
    }
    if (indexed_ != n) {
        // Rebuilt whole when items were added since: lookups and additions
        // do not interleave on large sets.
        std::size_t size = 64;
        while (size < 2 * n) size *= 2;
        index_.assign(size, 0);
        idsUnique_ = true;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t key = items_[i].id;
            for (std::size_t s = slotHash(key) & (size - 1);; s = (s + 1) & (size - 1)) {
                if (index_[s] == 0) {
                    index_[s] = (std::uint64_t{key} + 1) << 32 | i;
                    break;
                }
                if (index_[s] >> 32 == std::uint64_t{key} + 1) { // keep the first
                    idsUnique_ = false;
                    break;
                }
            }
        }
        indexed_ = n;
    }
    const std::size_t size = index_.size();
    for (std::size_t s = slotHash(id) & (size - 1);; s = (s + 1) & (size - 1)) {
        const std::uint64_t slot = index_[s];
        if (slot == 0) return RpcProperty::empty();
        if (slot >> 32 == std::uint64_t{id} + 1) return items_[slot & 0xffffffffu];
    }
}

void RpcPropertySet::putRecord(const RpcReadWrite& record, std::uint32_t id) {
    std::vector<std::uint8_t> bytes;
    {
        PacketWriter writer(bytes);
        record.writePacket(writer);
    }
    RpcProperty& item = addItem();
    item.kind = RpcKindBlock;
    item.id = id;
    item.block.adopt(std::move(bytes));
}

bool RpcPropertySet::getRecord(RpcReadWrite& record, std::uint32_t id) const {
    const RpcProperty& item = findItem(id);
    if (!item.present) return false;
    return record.readPacket(item.block);
}

// --- RpcPropertySet: packets -------------------------------------------------

void RpcPropertySet::reset() {
    items_.clear();
    storage_.clear();
    itemsPending_ = false;
    storageIsPacket_ = false;
    itemsAdded_ = false;
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

const std::vector<std::uint8_t>& RpcPropertySet::patchedStorage() {
    put32(storage_.data() + 4, std::bit_cast<std::uint32_t>(static_cast<float>(version)));
    put32(storage_.data() + 12, header);
    return storage_;
}

std::vector<std::uint8_t> RpcPropertySet::takeBytes() {
    std::vector<std::uint8_t> out;
    if (packetIsStorage()) {
        if (storage_.size() > INT32_MAX) throw std::bad_alloc();
        out = std::move(storage_);
        storage_ = {};
        put32(out.data() + 4, std::bit_cast<std::uint32_t>(static_cast<float>(version)));
        put32(out.data() + 12, header);
        takenSize_ = out.size();
    } else {
        out = toBytes();
    }
    reset();
    return out;
}

std::vector<std::uint8_t> RpcPropertySet::toBytes() const {
    if (packetIsStorage()) {
        if (storage_.size() > INT32_MAX) throw std::bad_alloc();
        std::vector<std::uint8_t> out = storage_;
        put32(out.data() + 4, std::bit_cast<std::uint32_t>(static_cast<float>(version)));
        put32(out.data() + 12, header);
        return out;
    }
    const std::span<const RpcProperty> all = items();
    std::uint64_t total = kFixedSize + kIndexEntry * all.size();
    for (const RpcProperty& item : all)
        total += item.kind == RpcKindInt      ? 4
                 : item.kind == RpcKindDouble ? 8
                 : item.kind == RpcKindByte   ? 1
                                              : item.block.size();
    if (total > INT32_MAX) throw std::bad_alloc();
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(total));
    PacketWriter writer(out);
    const PacketWriter::Frame frame = writer.open(all.size(), version, header);
    for (const RpcProperty& item : all) {
        switch (item.kind) {
        case RpcKindInt:
            writer.putInt(item.id, item.intValue);
            break;
        case RpcKindDouble:
            writer.putDouble(item.id, item.doubleValue);
            break;
        case RpcKindByte:
            writer.putByte(item.id, item.byteValue);
            break;
        default:
            writer.putBlock(item.kind, item.id, item.block);
        }
    }
    writer.close(frame);
    writer.finish();
    return out;
}

int RpcPropertySet::serialize(void* buffer, int size) {
    if (!buffer) {
        packet_.clear();
        packetBuilt_ = false;
        if (packetIsStorage()) {
            patchedStorage();
            packetBuilt_ = true;
            return static_cast<int>(storage_.size());
        }
        try {
            packet_ = toBytes();
        } catch (const std::bad_alloc&) {
            packet_.clear();
            return fail(RpcErrNoMemory);
        }
        packetBuilt_ = true;
        return static_cast<int>(packet_.size());
    }
    if (!packetBuilt_) return fail(RpcErrNoPacket);
    const std::vector<std::uint8_t>& packet = packetIsStorage() ? storage_ : packet_;
    if (size < 0 || static_cast<std::size_t>(size) < packet.size())
        return fail(RpcErrBufferTooSmall);
    const int length = static_cast<int>(packet.size());
    std::memcpy(buffer, packet.data(), packet.size());
    packet_.clear();
    packet_.shrink_to_fit();
    packetBuilt_ = false;
    return length;
}

int RpcPropertySet::writeTo(TStream& stream) {
    if (packetIsStorage()) {
        const std::vector<std::uint8_t>& bytes = patchedStorage();
        if (!stream.writeExact(bytes.data(), static_cast<std::int64_t>(bytes.size())))
            return fail(RpcErrStreamWrite);
        return 0;
    }
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

// Keeps the packet at the start of `bytes` (a copy, unless the bytes are the
// set's own storage already) and takes its items as views of it.
int RpcPropertySet::adopt(std::span<const std::uint8_t> bytes) {
    const PacketView view(bytes);
    std::vector<std::uint8_t> own;
    if (!bytes.empty() && bytes.data() == storage_.data()) own = std::move(storage_);
    reset();
    version = view.version();
    header = view.header();
    if (view.error() != 0) return fail(view.error());
    if (own.empty()) {
        storage_.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(view.length()));
    } else {
        own.resize(view.length());
        storage_ = std::move(own);
    }
    takeItems(PacketView(storage_));
    return 0;
}

int RpcPropertySet::parse(const void* buffer, int length) {
    if (!buffer || length < 1) {
        reset();
        version = 0;
        return fail(RpcErrNoBuffer);
    }
    return adopt({static_cast<const std::uint8_t*>(buffer), static_cast<std::size_t>(length)});
}

int RpcPropertySet::parseInPlace(const void* buffer, int length) {
    reset();
    if (!buffer || length < 1) {
        version = 0;
        return fail(RpcErrNoBuffer);
    }
    const std::span<const std::uint8_t> bytes(static_cast<const std::uint8_t*>(buffer),
                                              static_cast<std::size_t>(length));
    const PacketView view(bytes);
    version = view.version();
    header = view.header();
    if (view.error() != 0) return fail(view.error());
    takeItems(PacketView(bytes.first(view.length())));
    return 0;
}

int RpcPropertySet::readFrom(TStream& stream) {
    const std::span<const std::uint8_t> bytes = takePacket(stream, storage_);
    return adopt(bytes);
}

// --- RpcReadWrite ------------------------------------------------------------

bool RpcReadWrite::write(TStream& stream) const {
    if (tScratchInUse) {
        std::vector<std::uint8_t> bytes;
        return appendPacket(*this, bytes) &&
               stream.writeExact(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    }
    tScratchInUse = true;
    tScratch.clear();
    const bool ok = appendPacket(*this, tScratch) &&
                    stream.writeExact(tScratch.data(), static_cast<std::int64_t>(tScratch.size()));
    // A rare huge packet does not stay in memory.
    if (tScratch.capacity() > (std::size_t{1} << 20)) std::vector<std::uint8_t>().swap(tScratch);
    tScratchInUse = false;
    return ok;
}

bool RpcReadWrite::read(TStream& stream) {
    std::vector<std::uint8_t> scratch;
    return readPacket(takePacket(stream, scratch));
}

std::vector<std::uint8_t> RpcReadWrite::toPacket() const {
    TMemoryStream stream;
    write(stream);
    return stream.takeBytes();
}
