#pragma once
// The tagged record stream: an item set (RpcPropertySet) of typed items
// (RpcProperty), each with a kind and an integer id (its tag), and its packet
// layout. Every record that crosses a boundary - host and component, component
// and calculation service - is stored as one such packet.
//
// Packet layout (little-endian):
//   0  int32   total length of the packet, these 12 head bytes included
//   4  float32 version
//   8  uint8   flag, written as 0, ignored when read
//   9  3 bytes reserved, written as 0, ignored when read
//   12 uint32  header word
//   16 int32   item count N
//   20 N x (uint32 kind, uint32 id, uint32 length)   item index
//   20+12N     item data, concatenated in index order

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/packet.h"
#include "model/tstream.h"

class RpcReadWrite;

// The bytes of a block item: its own copy, or a view of the packet bytes its
// set holds. Read-only; copying a view copies the view.
class RpcBlock {
public:
    RpcBlock() = default;
    RpcBlock(const RpcBlock& other) { *this = other; }
    RpcBlock(RpcBlock&&) noexcept = default;
    RpcBlock& operator=(const RpcBlock& other);
    RpcBlock& operator=(RpcBlock&&) noexcept = default;

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::uint8_t* begin() const { return data_; }
    const std::uint8_t* end() const { return data_ + size_; }
    std::uint8_t operator[](std::size_t i) const { return data_[i]; }
    operator std::span<const std::uint8_t>() const { return {data_, size_}; }

    // Takes its own copy of the bytes / the bytes themselves.
    void assign(std::span<const std::uint8_t> bytes);
    void adopt(std::vector<std::uint8_t>&& bytes);
    // Views bytes owned elsewhere (the set's packet).
    void view(std::span<const std::uint8_t> bytes);
    void clear();
    bool owns() const { return !own_.empty(); }

    bool operator==(const RpcBlock& other) const;

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::vector<std::uint8_t> own_;
};

// One item.
class RpcProperty {
public:
    std::uint32_t kind = RpcKindNone;
    std::uint32_t id = 0;
    bool present = true; // false only in the shared empty item
    RpcBlock block;      // content of kinds 4 and 5 (and of unknown kinds)
    std::int32_t intValue = 0;
    double doubleValue = 0.0;
    std::uint8_t byteValue = 0;

    std::uint32_t blockLength() const { return static_cast<std::uint32_t>(block.size()); }

    // Kind, id and values to 0, block freed, present true.
    void clear();

    void setInt(std::int32_t value, std::uint32_t id);
    void setDouble(double value, std::uint32_t id);
    void setByte(std::uint8_t value, std::uint32_t id);
    void setBlock(std::uint32_t length, const void* bytes, std::uint32_t id);
    void setText(const NarrowText& text, std::uint32_t id);   // kind 4, with its zero
    void setWideText(const WideText& text, std::uint32_t id); // kind 5, with its zero unit

    // Value of the getter's own kind; 0 for the empty item and other kinds.
    std::int32_t getInt() const;
    double getDouble() const;
    std::uint8_t getByte() const;
    // The block (empty span when there is none).
    std::span<const std::uint8_t> getBlock() const { return block; }
    // The block read as a zero-terminated text; stops at the block's end when
    // there is no terminator (a trailing odd byte of a wide text is ignored).
    WideText getWideText() const;
    NarrowText getText() const;

    // The shared empty item: kind 0, present false, all values 0, no block.
    static const RpcProperty& empty();

    bool operator==(const RpcProperty&) const = default;
};

// An ordered set of items plus packet state.
class RpcPropertySet {
public:
    RpcPropertySet() = default;
    RpcPropertySet(const RpcPropertySet& other) { *this = other; }
    RpcPropertySet(RpcPropertySet&&) noexcept = default;
    RpcPropertySet& operator=(const RpcPropertySet& other);
    RpcPropertySet& operator=(RpcPropertySet&&) noexcept = default;
    virtual ~RpcPropertySet() = default;

    int lastError = 0;        // code of the last failure (RpcError); 0 after reset
    std::uint32_t header = 0; // free word carried in the packet
    int version = 0;          // packet version; record writers set 1

    // --- items -----------------------------------------------------------
    int itemCount() const { return static_cast<int>(items().size()); }
    const RpcProperty& item(int index) const { return items()[static_cast<std::size_t>(index)]; }
    std::span<const RpcProperty> items() const;

    // Appends a cleared item; the caller sets it at once with one of the
    // item's setters (its id must be set before the next lookup).
    RpcProperty& addItem();
    // Shortcuts: addItem() followed by the setter.
    void addInt(std::uint32_t id, std::int32_t value) { addItem().setInt(value, id); }
    void addDouble(std::uint32_t id, double value) { addItem().setDouble(value, id); }
    void addByte(std::uint32_t id, std::uint8_t value) { addItem().setByte(value, id); }
    void addBool(std::uint32_t id, bool value) { addItem().setByte(value ? 1 : 0, id); }
    void addText(std::uint32_t id, const NarrowText& text) { addItem().setText(text, id); }
    void addWideText(std::uint32_t id, const WideText& text) { addItem().setWideText(text, id); }
    void addBlock(std::uint32_t id, std::span<const std::uint8_t> bytes);

    // The first item with that id, else the shared empty item. Constant time
    // (an index of first occurrences is built when the set is large).
    const RpcProperty& findItem(std::uint32_t id) const;
    // findItem(id) and the getter; absent items give 0 / 0.0 / false / empty.
    std::int32_t getInt(std::uint32_t id) const { return findItem(id).getInt(); }
    double getDouble(std::uint32_t id) const { return findItem(id).getDouble(); }
    std::uint8_t getByte(std::uint32_t id) const { return findItem(id).getByte(); }
    bool getBool(std::uint32_t id) const { return findItem(id).getByte() != 0; }
    NarrowText getText(std::uint32_t id) const { return findItem(id).getText(); }
    WideText getWideText(std::uint32_t id) const { return findItem(id).getWideText(); }

    // --- nested records and lists ----------------------------------------
    // Appends a kind-4 item holding the record's packet.
    void putRecord(const RpcReadWrite& record, std::uint32_t id);
    // If the set holds the id: the record's read of the item's block.
    // Otherwise false, and the record is unchanged.
    bool getRecord(RpcReadWrite& record, std::uint32_t id) const;
    // putRecord(element, firstId + index) for every element; no count.
    template <class T> void putList(const std::vector<T>& list, std::uint32_t firstId);
    // Clears the list, then for id = firstId, firstId + 1, ... until an id is
    // missing or has an empty block: appends a default element, read from the
    // block as long as every earlier element read successfully. True when
    // every appended element was read successfully. At most maxCount elements
    // are taken.
    template <class T>
    bool getList(std::vector<T>& list, std::uint32_t firstId,
                 std::size_t maxCount = SIZE_MAX) const;

    // --- packets ---------------------------------------------------------
    // Deletes all items, frees the packet, header and lastError to 0. The
    // version is kept.
    void reset();
    // With no buffer: builds the packet and returns its length (-4, lastError
    // 5, when it cannot be built). With a buffer: copies the built packet into
    // it, frees the packet and returns its length (-1 and lastError 6 when
    // `size` is smaller; -2 and lastError 7 when none was built).
    int serialize(void* buffer, int size);
    // Replaces the content by the packet in the buffer (the buffer may hold
    // more bytes after it; unused bytes after the last item's data inside the
    // packet are ignored). The set keeps its own copy of the packet. 0 on
    // success; on failure a negative result, a lastError code (see RpcError)
    // and a set without items.
    int parse(const void* buffer, int length);
    // As parse, without the copy: the items are views into `buffer`, which
    // must stay as it is until the set is reset or replaced. For an answer
    // that is read at once and then let go (a vendor's lists are megabytes).
    int parseInPlace(const void* buffer, int length);
    // Builds the packet and writes it to the stream at its position.
    // 0 on success, negative (with lastError) on failure.
    int writeTo(TStream& stream);
    // Reads one packet at the stream's position and parses it; never reads
    // past the packet's total length or the stream's end. 0 on success;
    // on failure a negative result (as parse) and a set without items.
    int readFrom(TStream& stream);

    // The packet as bytes (serialize in one call).
    std::vector<std::uint8_t> toBytes() const;
    // The same, taken out of the set, which is reset: the packet a record
    // wrote is handed over without a copy (a request of a vendor's lists
    // holds megabytes).
    std::vector<std::uint8_t> takeBytes();

protected:
    // Replaces the items by a packet that `write` appends to the set's own
    // storage in one pass (it opens the packet itself); the items are taken
    // from it when they are asked for. False when the writer refused a list.
    template <class F> bool writeOwnPacket(F&& write);

private:
    int fail(int code);
    void takeItems(const PacketView& view) const;
    void ensureItems() const;
    // The item after `item` when it is what findItem would give for its id
    // (the set holds no id twice); null otherwise.
    const RpcProperty* following(const RpcProperty& item) const;
    bool packetIsStorage() const { return storageIsPacket_ && !itemsAdded_; }
    const std::vector<std::uint8_t>& patchedStorage();
    int adopt(std::span<const std::uint8_t> bytes);

    // Items; views of their blocks point into storage_.
    mutable std::vector<RpcProperty> items_;
    std::vector<std::uint8_t> storage_;
    mutable bool itemsPending_ = false; // storage_ holds items not yet in items_
    bool storageIsPacket_ = false;      // storage_ is the packet (version/header aside)
    bool itemsAdded_ = false;           // items were added after storage_ was written
    std::vector<std::uint8_t> packet_;  // built by serialize(nullptr)
    bool packetBuilt_ = false;
    std::size_t takenSize_ = 0; // of the packet takeBytes took, reserved for the next

    // Open-addressed index of first occurrences (id + 1, position); empty
    // while the set is small.
    mutable std::vector<std::uint64_t> index_;
    mutable std::size_t indexed_ = 0;
    mutable bool idsUnique_ = false; // of the indexed items
};

// Root of every streamable record.
class RpcReadWrite {
public:
    virtual ~RpcReadWrite() = default;
    // Writes the record as one packet at the stream's position. False when
    // the stream took fewer bytes, or when the record holds a list longer
    // than a packet carries (kRpcMaxListElements; nothing is written then).
    virtual bool write(TStream& stream) const;
    // Reads one packet at the stream's position; true when the record was
    // read completely.
    virtual bool read(TStream& stream);

    // The record's packet appended to the writer's buffer.
    virtual void writePacket(PacketWriter& out) const = 0;
    // Reads the record from the packet at the start of `packet`, in place.
    virtual bool readPacket(std::span<const std::uint8_t> packet) = 0;

    // The packet bytes (empty when write refuses the record).
    std::vector<std::uint8_t> toPacket() const;
    // read() from the bytes.
    bool fromPacket(std::span<const std::uint8_t> bytes) { return readPacket(bytes); }

    bool operator==(const RpcReadWrite&) const = default;
};

// --- templates -------------------------------------------------------------

template <class T> void RpcPropertySet::putList(const std::vector<T>& list, std::uint32_t firstId) {
    for (std::size_t i = 0; i < list.size(); ++i)
        putRecord(list[i], firstId + static_cast<std::uint32_t>(i));
}

template <class T>
bool RpcPropertySet::getList(std::vector<T>& list, std::uint32_t firstId,
                             std::size_t maxCount) const {
    list.clear();
    // Room for the elements written one after another, so that a long list
    // does not move its records each time it grows.
    std::size_t run = 0;
    for (const RpcProperty* p = &findItem(firstId);
         p != nullptr && p->present && !p->block.empty() && run < maxCount &&
         p->id == firstId + run;
         p = following(*p))
        ++run;
    list.reserve(run);
    bool ok = true;
    // Every element needs an item of its own, so the loop ends within
    // itemCount() steps.
    const RpcProperty* next = nullptr;
    for (std::uint32_t id = firstId; list.size() < maxCount; ++id) {
        // A list is written element after element: the item after the last
        // one found is the next element's, a lookup only where it is not.
        const RpcProperty& item = next && next->id == id ? *next : findItem(id);
        if (!item.present || item.block.empty()) break;
        T& element = list.emplace_back();
        if (ok) ok = element.T::readPacket(item.block);
        if (id == UINT32_MAX) break;
        next = following(item);
    }
    return ok;
}

template <class F> bool RpcPropertySet::writeOwnPacket(F&& write) {
    reset();
    // Storage handed over by takeBytes is gone: room for a packet as large
    // as that one, so that the writer does not grow it step by step.
    if (storage_.capacity() < takenSize_) storage_.reserve(takenSize_);
    PacketWriter writer(storage_);
    write(writer);
    writer.finish();
    storageIsPacket_ = true;
    itemsPending_ = true;
    return !writer.refused();
}
