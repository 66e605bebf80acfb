#include "model/records.h"

#include "model/record_fields.h"

namespace {

using rpc_fields::Form;
using rpc_fields::Link;

template <class T>
void writeList(RpcPropertySet& set, const std::vector<T>& list, std::uint32_t first) {
    set.putList(list, first);
}

template <class T> void writeValue(RpcPropertySet& set, std::uint32_t tag, const T& v) {
    if constexpr (std::is_same_v<T, int>)
        set.addInt(tag, v);
    else if constexpr (std::is_same_v<T, double>)
        set.addDouble(tag, v);
    else if constexpr (std::is_same_v<T, bool>)
        set.addBool(tag, v);
    else if constexpr (std::is_same_v<T, WideText>)
        set.addWideText(tag, v);
    else if constexpr (std::is_same_v<T, NarrowText>)
        set.addText(tag, v);
    else
        set.putRecord(v, tag);
}

template <class T> void readValue(const RpcPropertySet& set, std::uint32_t tag, T& v) {
    if constexpr (std::is_same_v<T, int>)
        v = set.getInt(tag);
    else if constexpr (std::is_same_v<T, double>)
        v = set.getDouble(tag);
    else if constexpr (std::is_same_v<T, bool>)
        v = set.getBool(tag);
    else if constexpr (std::is_same_v<T, WideText>)
        v = set.getWideText(tag);
    else
        v = set.getText(tag);
}

template <class T> constexpr bool isScalar() {
    return std::is_same_v<T, int> || std::is_same_v<T, double> || std::is_same_v<T, bool> ||
           std::is_same_v<T, WideText> || std::is_same_v<T, NarrowText>;
}

template <class R> void writeRecord(const R& r, TStream& stream) {
    RpcPropertySet set;
    set.version = rpc_fields::Table<R>::version;
    rpc_fields::forEachStreamed<R>([&](const auto& f) {
        const auto& m = r.*f.member;
        using T = std::remove_cvref_t<decltype(m)>;
        if constexpr (requires { m.begin(); } && !isScalar<T>()) {
            if (f.form == Form::List) {
                set.putList(m, f.tag);
            } else {
                RpcPropertySet list;
                list.version = 1;
                list.putList(m, 1);
                set.addBlock(f.tag, list.toBytes());
            }
        } else {
            writeValue(set, f.tag, m);
        }
    });
    set.writeTo(stream);
}

template <class R> bool readRecord(R& r, TStream& stream) {
    RpcPropertySet set;
    set.readFrom(stream);
    if (rpc_fields::Table<R>::checksVersion && set.version >= 2) return false;
    bool ok = true;
    rpc_fields::forEachStreamed<R>([&](const auto& f) {
        auto& m = r.*f.member;
        using T = std::remove_cvref_t<decltype(m)>;
        if constexpr (isScalar<T>()) {
            readValue(set, f.tag, m);
        } else {
            bool read = false;
            if (f.link == Link::Chain && !ok) return;
            if constexpr (requires { m.begin(); }) {
                if (f.form == Form::List) {
                    read = set.getList(m, f.tag);
                } else {
                    const RpcProperty& item = set.findItem(f.tag);
                    if (item.present) {
                        RpcPropertySet list;
                        TSpanStream packet(item.block);
                        list.readFrom(packet);
                        read = list.version < 2 && list.getList(m, 1);
                    }
                }
            } else {
                read = set.getRecord(m, f.tag);
            }
            if (f.link == Link::Chain) ok = read;
        }
    });
    return ok;
}

} // namespace

#define VELMAR_STREAMED(R)                                                                         \
    void R::write(TStream& stream) const {                                                         \
        writeRecord(*this, stream);                                                                \
    }                                                                                              \
    bool R::read(TStream& stream) {                                                                \
        return readRecord(*this, stream);                                                          \
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
