#pragma once
// Writing and reading packets in place. PacketWriter appends a packet to a
// byte buffer in one pass: a nested packet is written straight into its
// parent's data area, and lengths are patched once its end is known.
// PacketView reads a packet where its bytes lie: it checks the layout once and
// then hands out views of the items, so a nested record is read from its
// parent's bytes without a copy. The layout itself is described in
// model/rpc_property.h; the item kinds and error codes both share are
// here.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

class TStream;

// Wide texts are UTF-16 (stored as UTF-16LE with a terminating zero unit);
// narrow texts are 8-bit (stored with a terminating zero byte).
using WideText = std::u16string;
using NarrowText = std::string;

// Item kinds. A packet may carry other kinds: their data are kept in the
// block, and the typed getters give 0 or empty for them.
enum RpcKind : std::uint32_t {
    RpcKindNone = 0,   // only in the shared empty item
    RpcKindInt = 1,    // int32, 4 bytes
    RpcKindDouble = 2, // IEEE double, 8 bytes
    RpcKindByte = 3,   // one byte (bools as 0 or 1)
    RpcKindBlock = 4,  // byte block: narrow text with its zero, or a nested packet
    RpcKindWide = 5,   // UTF-16LE text with its terminating zero unit
};

// lastError codes: 1 to 9 no buffer, a packet not built or handed out, a
// negative length or count; 10 and up lengths that do not fit the bytes.
enum RpcError : int {
    RpcOk = 0,
    RpcErrNoBuffer = 1,       // parse: no buffer, or length below 1     -> -1
    RpcErrNoMemory = 5,       // serialize: packet too large to build    -> -4
    RpcErrBufferTooSmall = 6, // serialize with buffer: buffer too small -> -1
    RpcErrNoPacket = 7,       // serialize with buffer: nothing built    -> -2
    RpcErrNegativeLength = 8, // total length negative                   -> -2
    RpcErrNegativeCount = 9,  // item count negative                     -> -5
    RpcErrTruncated = 10,     // fewer bytes present than the total length claims -> -10
    RpcErrShortPacket = 11,   // total length below the 20 bytes of head and count -> -11
    RpcErrIndexOverflow = 12, // item index does not fit the total length -> -12
    RpcErrDataOverflow = 13,  // item data do not fit the total length    -> -13
    RpcErrScalarLength = 14,  // kind 1, 2 or 3 with a length other than 4, 8 or 1 -> -14
    RpcErrStreamWrite = 15,   // writeTo: the stream took fewer bytes     -> -15
};

namespace rpc_packet {

constexpr std::size_t kHeadSize = 12;  // total length, version, flag, reserved
constexpr std::size_t kFixedSize = 20; // head, header word, item count
constexpr std::size_t kIndexEntry = 12;

inline void put32(std::uint8_t* p, std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &v, 4);
    } else {
        for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

inline std::uint32_t get32(const std::uint8_t* p) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return v;
    } else {
        return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }
}

inline void put64(std::uint8_t* p, std::uint64_t v) {
    put32(p, static_cast<std::uint32_t>(v));
    put32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

inline std::uint64_t get64(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(get32(p)) | static_cast<std::uint64_t>(get32(p + 4)) << 32;
}

// A block read as a zero-terminated text; it ends at the block's end when
// there is no terminator (a trailing odd byte of a wide text is ignored).
// Assigning reuses the target's storage.
void assignWide(WideText& out, std::span<const std::uint8_t> block);
void assignNarrow(NarrowText& out, std::span<const std::uint8_t> block);

// The bytes of the packet at the stream's position, the stream moved past
// them: in place when the stream lies in memory, else read into `scratch`.
// When the head is short, claims a negative or too small length, or more
// bytes than the stream holds, only the bytes read so far are returned (a
// PacketView of them reports why).
std::span<const std::uint8_t> takePacket(TStream& stream, std::vector<std::uint8_t>& scratch);

} // namespace rpc_packet

// Elements a list in a packet holds at most. A record writer refuses a longer
// list (its write returns false and writes nothing); a record reader takes
// the first elements and reports the list as not read. This bounds the cost
// of a packet that names many tiny elements, each of which would become a
// full default record.
inline constexpr std::size_t kRpcMaxListElements = 1000;

class PacketWriter {
public:
    // Appends to `out`; the buffer is grown ahead in large steps and cut to
    // the bytes written when the writer goes.
    explicit PacketWriter(std::vector<std::uint8_t>& out) : out_(out), size_(out.size()) {}
    ~PacketWriter() { finish(); }
    PacketWriter(const PacketWriter&) = delete;
    PacketWriter& operator=(const PacketWriter&) = delete;

    // Where the enclosing packet continues; open() hands it out, close()
    // takes it back.
    struct Frame {
        std::size_t start = 0;
        std::size_t entry = 0;
    };
    // Opens a packet of exactly `count` items at the end of the buffer.
    Frame open(std::size_t count, int version, std::uint32_t header = 0);
    // Patches the packet's total length and returns to the enclosing one.
    void close(Frame enclosing);

    void putInt(std::uint32_t id, std::int32_t value);
    void putDouble(std::uint32_t id, double value);
    void putByte(std::uint32_t id, std::uint8_t value);
    void putBool(std::uint32_t id, bool value) { putByte(id, value ? 1 : 0); }
    void putText(std::uint32_t id, const NarrowText& text);   // kind 4, with its zero
    void putWideText(std::uint32_t id, const WideText& text); // kind 5, with its zero unit
    void putBlock(std::uint32_t kind, std::uint32_t id, std::span<const std::uint8_t> bytes);
    // A kind-4 item whose content the caller appends next (a nested packet);
    // endBlock patches its length.
    struct Block {
        std::size_t entry; // its index entry
        std::size_t start; // its first data byte
    };
    Block beginBlock(std::uint32_t id);
    void endBlock(Block block);

    // A nested record (its writePacket) under `id`.
    template <class T> void putRecord(std::uint32_t id, const T& record) {
        const Block block = beginBlock(id);
        record.T::writePacket(*this); // of exactly type T: no virtual dispatch
        endBlock(block);
    }
    // Elements under firstId, firstId + 1, ...; at most `limit` of them
    // (listItems gives the count to open the packet with). A longer list is
    // cut there and the writer marked as having refused it.
    template <class T>
    void putList(std::uint32_t firstId, const std::vector<T>& list,
                 std::size_t limit = kRpcMaxListElements) {
        const std::size_t n = listItems(list, limit);
        if (n < list.size()) refused_ = true;
        for (std::size_t i = 0; i < n; ++i)
            putRecord(firstId + static_cast<std::uint32_t>(i), list[i]);
    }
    template <class T>
    static std::size_t listItems(const std::vector<T>& list,
                                 std::size_t limit = kRpcMaxListElements) {
        return list.size() < limit ? list.size() : limit;
    }

    // Cuts the buffer to the bytes written (also done when the writer goes).
    void finish() { out_.resize(size_); }

    // A list was longer than a packet carries, or a packet grew past 2 GiB.
    bool refused() const { return refused_; }

private:
    std::uint8_t* item(std::uint32_t kind, std::uint32_t id, std::size_t length);
    std::uint8_t* grow(std::size_t length);

    std::vector<std::uint8_t>& out_;
    std::size_t size_; // bytes written; out_ may hold more, not yet used
    Frame frame_;
    bool refused_ = false;
};

class PacketView {
public:
    // No packet: no items, version 0.
    PacketView() = default;
    // The packet at the start of `bytes` (more bytes may follow). Every
    // length is checked against the bytes present; on failure error() is
    // the RpcError code, the view holds no items, and version() is what the
    // head said, if it was read.
    explicit PacketView(std::span<const std::uint8_t> bytes);

    int error() const { return error_; }
    int version() const { return version_; }
    std::uint32_t header() const { return header_; }
    std::size_t count() const { return count_; }
    // Bytes of the packet (its total length) when it is valid.
    std::size_t length() const { return length_; }

    struct Item {
        std::uint32_t kind = 0;
        std::uint32_t id = 0;
        const std::uint8_t* data = nullptr;
        std::uint32_t length = 0;
        bool present = false;

        std::int32_t getInt() const {
            return kind == 1 ? static_cast<std::int32_t>(rpc_packet::get32(data)) : 0;
        }
        double getDouble() const {
            return kind == 2 ? std::bit_cast<double>(rpc_packet::get64(data)) : 0.0;
        }
        std::uint8_t getByte() const { return kind == 3 ? *data : 0; }
        // The block of kinds other than 1, 2 and 3 (empty for those).
        std::span<const std::uint8_t> block() const {
            if (!present || kind == 1 || kind == 2 || kind == 3) return {};
            return {data, length};
        }
    };
    // The items in packet order: f(item).
    template <class F> void forEach(F&& f) const {
        const std::uint8_t* data = data_;
        for (std::size_t i = 0; i < count_; ++i) {
            const Item it = at(i, data);
            f(it);
            data += it.length;
        }
    }
    // The first item with that id; an item with present false when there is
    // none. Cheap for lookups in ascending id order.
    Item find(std::uint32_t id) const {
        if (ascending_ && cursor_ < count_) {
            // Records look their fields up in the order they were written.
            const std::uint8_t* e = index_ + cursor_ * rpc_packet::kIndexEntry;
            if (rpc_packet::get32(e + 4) == id) {
                const Item it{rpc_packet::get32(e), id, cursorData_, rpc_packet::get32(e + 8),
                              true};
                cursorData_ += it.length;
                ++cursor_;
                return it;
            }
        }
        return search(id);
    }

    // Clears the list, then for id = firstId, firstId + 1, ... until an id is
    // missing or has an empty block: appends a default element, read from
    // the block as long as every earlier element was read. True when every
    // appended element was read. At most maxCount elements are taken; with
    // refuseBeyond a further element makes the result false.
    template <class T>
    bool getList(std::vector<T>& list, std::uint32_t firstId, std::size_t maxCount,
                 bool refuseBeyond) const;

private:
    Item at(std::size_t i, const std::uint8_t* data) const;
    Item search(std::uint32_t id) const;
    void buildIndex() const;

    const std::uint8_t* index_ = nullptr;
    const std::uint8_t* data_ = nullptr;
    std::size_t count_ = 0;
    std::size_t length_ = 0;
    int error_ = 0;
    int version_ = 0;
    std::uint32_t header_ = 0;
    bool ascending_ = true; // ids strictly ascending: each id at most once

    // Lookup state: the entry after the last one found, and its data.
    mutable std::size_t cursor_ = 0;
    mutable const std::uint8_t* cursorData_ = nullptr;
    // For large packets out of order: (id, entry, offset), sorted by id.
    struct Slot {
        std::uint32_t id;
        std::uint32_t entry;
        std::size_t offset;
    };
    mutable std::vector<Slot> sorted_;
};

template <class T>
bool PacketView::getList(std::vector<T>& list, std::uint32_t firstId, std::size_t maxCount,
                         bool refuseBeyond) const {
    list.clear();
    std::size_t n = 0;
    for (; n <= maxCount && firstId + std::uint64_t{n} <= UINT32_MAX; ++n) {
        const Item it = find(firstId + static_cast<std::uint32_t>(n));
        if (!it.present || it.block().empty()) break;
    }
    const bool refused = n > maxCount && refuseBeyond;
    if (n > maxCount) n = maxCount;
    list.reserve(n);
    bool ok = true;
    for (std::size_t i = 0; i < n; ++i) {
        T& element = list.emplace_back();
        // Elements are of exactly type T: no virtual dispatch.
        if (ok) ok = element.T::readPacket(find(firstId + static_cast<std::uint32_t>(i)).block());
    }
    return ok && !refused;
}
