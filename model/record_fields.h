#pragma once
// One field table per record: every member with its tag, its name in the JSON
// form and its part in the record's read. Writing, reading and the JSON codec
// all walk these tables, so adding a field is one line here.
//
// A record's packet carries its streamed fields in ascending tag order; its
// read takes them in the same order: scalars and texts always (a missing one
// becomes 0, 0.0, false or empty), nested members as a chain (after the first
// one that is missing or unreadable the later ones are not read and keep
// their values), members marked "apart" whatever the chain gave and without
// effect on the result.

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/ksp_records.h"

namespace rpc_fields {

enum class Form : std::uint8_t {
    Item,       // a scalar, a text or a nested record under its tag
    List,       // elements under tag, tag + 1, ... of the record's own packet
    ListPacket, // a nested packet (version 1) holding the elements from tag 1
    Memory,     // carried in memory and in the JSON form only, never streamed
};

enum class Link : std::uint8_t {
    Chain, // nested members and lists: read only while the chain holds
    Apart, // read whatever the chain gave; no effect on the result
};

template <class R, class T> struct Field {
    std::uint32_t tag;
    const char* name;
    T R::*member;
    Form form = Form::Item;
    Link link = Link::Chain;
};

template <class R, class T>
constexpr Field<R, T> field(std::uint32_t tag, const char* name, T R::*member) {
    return {tag, name, member};
}
template <class R, class T>
constexpr Field<R, T> apart(std::uint32_t tag, const char* name, T R::*member) {
    return {tag, name, member, Form::Item, Link::Apart};
}
template <class R, class T>
constexpr Field<R, std::vector<T>> list(std::uint32_t firstTag, const char* name,
                                        std::vector<T> R::*member) {
    return {firstTag, name, member, Form::List};
}
template <class R, class T>
constexpr Field<R, std::vector<T>> listPacket(std::uint32_t tag, const char* name,
                                              std::vector<T> R::*member) {
    return {tag, name, member, Form::ListPacket};
}
template <class R, class T> constexpr Field<R, T> memory(const char* name, T R::*member) {
    return {0, name, member, Form::Memory};
}

// The table of a record: `fields` in declaration order (the JSON order),
// `version` of its packet, and whether its read rejects version 2 and higher.
template <class R> struct Table;

template <> struct Table<velmar_nameid> {
    using R = velmar_nameid;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "id", &R::id),
        field(2, "name", &R::name),
        field(3, "isDefault", &R::isDefault_),
        field(4, "intValue", &R::intValue),
        field(5, "value1", &R::value1),
        field(6, "value2", &R::value2),
    };
};

template <> struct Table<velmar_stahl> {
    using R = velmar_stahl;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "nameId", &R::nameId), field(2, "flag", &R::flag),
        field(3, "value1", &R::value1), field(4, "value2", &R::value2),
        field(5, "value3", &R::value3), field(6, "text", &R::text),
    };
};

template <> struct Table<velmar_artikel> {
    using R = velmar_artikel;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "nameId", &R::nameId),       field(5, "text1", &R::text1),
        field(6, "value1", &R::value1),       field(8, "value2", &R::value2),
        field(7, "intValue", &R::intValue),   field(2, "steel1", &R::steel1),
        field(3, "steel2", &R::steel2),       field(4, "steel3", &R::steel3),
        field(9, "konstType", &R::konstType), field(10, "text2", &R::text2),
    };
};

template <> struct Table<velmar_zusatzartikel> {
    using R = velmar_zusatzartikel;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "artikel", &R::artikel),     field(2, "nameId", &R::nameId),
        field(3, "intValue1", &R::intValue1), field(4, "intValue2", &R::intValue2),
        field(5, "text1", &R::text1),         field(6, "text2", &R::text2),
        field(7, "text3", &R::text3),         field(8, "intValue3", &R::intValue3),
        field(9, "intValue4", &R::intValue4),
    };
};

template <> struct Table<velmar_rollkasten> {
    using R = velmar_rollkasten;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "box", &R::box),
        field(2, "part2", &R::part2),
        field(12, "part3", &R::part3),
        field(13, "part4", &R::part4),
        // The curtain colour came later to the box: packets without it still
        // read as complete.
        apart(16, "part5", &R::part5),
        field(5, "size1", &R::size1),
        field(6, "size2", &R::size2),
        field(7, "size3", &R::size3),
        field(17, "size4", &R::size4),
        field(8, "size5", &R::size5),
        field(9, "size6", &R::size6),
        field(18, "intValue", &R::intValue),
        field(10, "accessory1", &R::accessory1),
        field(11, "accessory2", &R::accessory2),
        field(14, "flag1", &R::flag1),
        field(15, "flag2", &R::flag2),
    };
};

template <class T> struct Table<velmar_vector<T>> {
    using R = velmar_vector<T>;
    static constexpr int version = 0;
    static constexpr bool checksVersion = false;
    static constexpr auto fields = std::tuple{list(1, "items", &R::items)};
};

template <> struct Table<velmar_vec_artikel> {
    using R = velmar_vec_artikel;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{list(1, "items", &R::items)};
};

template <> struct Table<velmar_oeffnung_artikel> {
    using R = velmar_oeffnung_artikel;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "number", &R::number),
        field(2, "artikel", &R::artikel),
        list(1000, "zusatz", &R::zusatz),
    };
};

template <> struct Table<velmar_cutpos> {
    using R = velmar_cutpos;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "number", &R::number),     field(2, "opening1", &R::opening1),
        field(3, "opening2", &R::opening2), field(4, "opening3", &R::opening3),
        field(5, "flag1", &R::flag1),       field(6, "value1", &R::value1),
        field(7, "value2", &R::value2),     field(8, "flag2", &R::flag2),
        field(9, "intValue", &R::intValue),
    };
};

template <> struct Table<velmar_data> {
    using R = velmar_data;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "rahmen", &R::rahmen),
        field(2, "fluegel", &R::fluegel),
        field(3, "pfosten", &R::pfosten),
        field(4, "stulp", &R::stulp),
        field(7, "glasleisteF", &R::glasleisteF),
        field(18, "glasleisteR", &R::glasleisteR),
        field(15, "profile6", &R::profile6),
        field(16, "profile7", &R::profile7),
        // Later additions to the record: older packets still read as complete.
        apart(26, "profile8", &R::profile8),
        field(17, "profile9", &R::profile9),
        field(21, "kopplungSenk", &R::kopplungSenk),
        field(22, "kopplungWaag", &R::kopplungWaag),
        field(6, "glas", &R::glas),
        field(24, "rollkasten", &R::rollkasten),
        field(5, "system", &R::system),
        field(8, "selection2", &R::selection2),
        field(19, "farbe", &R::farbe),
        field(25, "text", &R::text),
        field(9, "systemValue", &R::systemValue),
        field(13, "ufValue", &R::ufValue),
        field(20, "option1", &R::option1),
        field(23, "option2", &R::option2),
        memory("option3", &R::option3),
        apart(27, "zusatzartikel", &R::zusatzartikel),
    };
};

template <> struct Table<velmar_cut> {
    using R = velmar_cut;
    static constexpr auto fields = std::tuple{
        memory("positions", &R::positions), memory("intValue", &R::intValue),
        memory("data", &R::data),           memory("flag", &R::flag),
        memory("intValue2", &R::intValue2),
    };
};

template <> struct Table<velmar_CutInfo> {
    using R = velmar_CutInfo;
    static constexpr auto fields = std::tuple{
        memory("materials", &R::materials),
        memory("flag1", &R::flag1),
        memory("flag2", &R::flag2),
        memory("wallConnections", &R::wallConnections),
    };
};

template <> struct Table<KSP_MATERIAL> {
    using R = KSP_MATERIAL;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "int1", &R::int1),          field(2, "int2", &R::int2),
        field(3, "text3", &R::text3),        field(4, "text4", &R::text4),
        field(5, "text5", &R::text5),        field(6, "narrow6", &R::narrow6),
        field(7, "narrow7", &R::narrow7),    field(8, "narrow8", &R::narrow8),
        field(9, "narrow9", &R::narrow9),    field(10, "narrow10", &R::narrow10),
        field(11, "double11", &R::double11), field(12, "double12", &R::double12),
        field(13, "flag13", &R::flag13),     field(14, "flag14", &R::flag14),
        field(15, "int15", &R::int15),       field(16, "int16", &R::int16),
        field(17, "int17", &R::int17),       field(18, "int18", &R::int18),
        field(19, "int19", &R::int19),       field(20, "int20", &R::int20),
        field(21, "int21", &R::int21),       field(22, "int22", &R::int22),
        field(23, "text23", &R::text23),     field(24, "double24", &R::double24),
        field(25, "double25", &R::double25),
    };
};

template <> struct Table<KSP_WA_NAMEID> {
    using R = KSP_WA_NAMEID;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "number", &R::number),
        field(2, "name", &R::name),
    };
};

template <> struct Table<KSP_WANDANSCHLUSS> {
    using R = KSP_WANDANSCHLUSS;
    static constexpr int version = 1;
    static constexpr bool checksVersion = true;
    static constexpr auto fields = std::tuple{
        field(1, "nameId", &R::nameId),
        listPacket(2, "entries", &R::entries),
    };
};

// ---- walking a table ----------------------------------------------------------

template <class R> constexpr std::size_t fieldCount() {
    return std::tuple_size_v<std::remove_cvref_t<decltype(Table<R>::fields)>>;
}

// Calls f(field) for every field in declaration order.
template <class R, class F> constexpr void forEach(F&& f) {
    std::apply([&](const auto&... field) { (f(field), ...); }, Table<R>::fields);
}

// Positions of the streamed fields in ascending tag order.
template <class R> constexpr auto streamOrder() {
    constexpr std::size_t n = fieldCount<R>();
    std::array<std::uint32_t, n> tags{};
    std::size_t i = 0;
    forEach<R>([&](const auto& field) { tags[i++] = field.form == Form::Memory ? 0 : field.tag; });
    std::size_t streamed = 0;
    for (std::uint32_t t : tags) streamed += t != 0 ? 1 : 0;
    std::array<std::size_t, n> order{};
    std::size_t k = 0;
    for (std::size_t j = 0; j < n; ++j)
        if (tags[j] != 0) order[k++] = j;
    for (std::size_t a = 1; a < streamed; ++a) // insertion sort: tables are short
        for (std::size_t b = a; b > 0 && tags[order[b - 1]] > tags[order[b]]; --b)
            std::swap(order[b - 1], order[b]);
    return std::pair{order, streamed};
}

template <class R> inline constexpr auto kStreamOrder = streamOrder<R>();

// Calls f(field) for every streamed field in ascending tag order.
template <class R, class F> constexpr void forEachStreamed(F&& f) {
    constexpr const auto& order = kStreamOrder<R>;
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (f(std::get<order.first[I]>(Table<R>::fields)), ...);
    }
    (std::make_index_sequence<order.second>{});
}

} // namespace rpc_fields
