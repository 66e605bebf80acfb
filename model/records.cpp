#include "model/records.h"

#include "model/record_fields.h"

namespace {

using rpc_fields::Form;
using rpc_fields::Link;
using rpc_fields::Table;

template <class T>
constexpr bool isValue =
    std::is_same_v<T, int> || std::is_same_v<T, double> || std::is_same_v<T, bool> ||
    std::is_same_v<T, WideText> || std::is_same_v<T, NarrowText>;

template <class T> struct IsVector : std::false_type {};
template <class T> struct IsVector<std::vector<T>> : std::true_type {};

// Items of the record's packet: one per field, one per element of a list.
template <class R> std::size_t itemCount(const R& r) {
    std::size_t n = 0;
    rpc_fields::forEachStreamed<R>([&](const auto& f) {
        const auto& m = r.*f.member;
        if constexpr (IsVector<std::remove_cvref_t<decltype(m)>>::value)
            n += f.form == Form::List ? PacketWriter::listItems(m) : 1;
        else
            ++n;
    });
    return n;
}

template <class R> void writeFields(const R& r, PacketWriter& out) {
    const PacketWriter::Frame frame = out.open(itemCount(r), Table<R>::version);
    rpc_fields::forEachStreamed<R>([&](const auto& f) {
        const auto& m = r.*f.member;
        using T = std::remove_cvref_t<decltype(m)>;
        if constexpr (std::is_same_v<T, int>) {
            out.putInt(f.tag, m);
        } else if constexpr (std::is_same_v<T, double>) {
            out.putDouble(f.tag, m);
        } else if constexpr (std::is_same_v<T, bool>) {
            out.putBool(f.tag, m);
        } else if constexpr (std::is_same_v<T, WideText>) {
            out.putWideText(f.tag, m);
        } else if constexpr (std::is_same_v<T, NarrowText>) {
            out.putText(f.tag, m);
        } else if constexpr (IsVector<T>::value) {
            if (f.form == Form::List) {
                out.putList(f.tag, m);
            } else { // a nested packet of version 1 holding the list from 1
                const PacketWriter::Block block = out.beginBlock(f.tag);
                const PacketWriter::Frame inner = out.open(PacketWriter::listItems(m), 1);
                out.putList(1, m);
                out.close(inner);
                out.endBlock(block);
            }
        } else {
            out.putRecord(f.tag, m);
        }
    });
    out.close(frame);
}

template <class T> void readValue(const PacketView::Item& item, T& v) {
    if constexpr (std::is_same_v<T, int>)
        v = item.getInt();
    else if constexpr (std::is_same_v<T, double>)
        v = item.getDouble();
    else if constexpr (std::is_same_v<T, bool>)
        v = item.getByte() != 0;
    else if constexpr (std::is_same_v<T, WideText>)
        rpc_packet::assignWide(v, item.block());
    else
        rpc_packet::assignNarrow(v, item.block());
}

// A nested member or list under the field's tag; false when it is missing or
// was not read completely.
template <class F, class T> bool readNested(const PacketView& packet, const F& f, T& m) {
    if constexpr (IsVector<T>::value) {
        if (f.form == Form::List) return packet.getList(m, f.tag, kRpcMaxListElements, true);
        const PacketView::Item item = packet.find(f.tag);
        if (!item.present) return false;
        const PacketView list(item.block());
        return list.version() < 2 && list.getList(m, 1, kRpcMaxListElements, true);
    } else {
        const PacketView::Item item = packet.find(f.tag);
        return item.present && m.T::readPacket(item.block());
    }
}

template <class R> bool readFields(R& r, std::span<const std::uint8_t> bytes) {
    const PacketView packet(bytes);
    if (Table<R>::checksVersion && packet.version() >= 2) return false;
    bool ok = true;
    rpc_fields::forEachStreamed<R>([&](const auto& f) {
        auto& m = r.*f.member;
        using T = std::remove_cvref_t<decltype(m)>;
        if constexpr (isValue<T>) {
            readValue(packet.find(f.tag), m);
        } else if (f.link == Link::Apart) {
            readNested(packet, f, m);
        } else if (ok) {
            ok = readNested(packet, f, m);
        }
    });
    return ok;
}

} // namespace

#define VELMAR_STREAMED(R)                                                                         \
    void R::writePacket(PacketWriter& out) const {                                                 \
        writeFields(*this, out);                                                                   \
    }                                                                                              \
    bool R::readPacket(std::span<const std::uint8_t> packet) {                                     \
        return readFields(*this, packet);                                                          \
    }

VELMAR_STREAMED(velmar_nameid)
VELMAR_STREAMED(velmar_stahl)
VELMAR_STREAMED(velmar_artikel)
VELMAR_STREAMED(velmar_zusatzartikel)
VELMAR_STREAMED(velmar_rollkasten)
VELMAR_STREAMED(velmar_vec_artikel)
VELMAR_STREAMED(velmar_oeffnung_artikel)
VELMAR_STREAMED(velmar_cutpos)
VELMAR_STREAMED(velmar_data)
VELMAR_STREAMED(KSP_MATERIAL)
VELMAR_STREAMED(KSP_WA_NAMEID)
VELMAR_STREAMED(KSP_WANDANSCHLUSS)
#undef VELMAR_STREAMED

WideText velmar_artikel::getName() const {
    // Type 43 articles are shown with their first reinforcement.
    if (konstType == 43 && steel1.nameId.id > 0 && !steel1.nameId.name.empty())
        return nameId.name + u", " + steel1.nameId.name;
    return nameId.name;
}

velmar_data::velmar_data() {
    farbe.id = -1;
}

bool velmar_data::write(TStream& stream) const {
    return RpcReadWrite::write(stream);
}

bool velmar_data::read(TStream& stream) {
    return RpcReadWrite::read(stream);
}
