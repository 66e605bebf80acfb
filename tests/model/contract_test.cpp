// The contract between host, component and service, pinned with its literal
// numbers: the item tags and kinds of every record, the exchange record's
// scalars and list bases, the bytes of a fully filled record of each type, and
// the read chains of the member records.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "model/materialdaten.h"
#include "model/record_fields.h"
#include "tests/model/test_util.h"

using namespace testutil;

namespace {

enum Kind : std::uint32_t { I = 1, D = 2, Y = 3, B = 4, W = 5 };
using Layout = std::vector<std::pair<std::uint32_t, std::uint32_t>>; // (tag, kind) in order

Layout layoutOf(const Bytes& packet) {
    Layout out;
    for (const Entry& e : indexOf(packet)) out.emplace_back(e.id, e.kind);
    return out;
}

// Every member set to a value of its own: ints and doubles count up, flags
// are true, texts carry an umlaut (narrow ones a byte above 0x7f), lists
// hold two elements.
struct Filler {
    int next = 1;
    template <class T> void fill(T& v) {
        if constexpr (std::is_same_v<T, int>)
            v = next++;
        else if constexpr (std::is_same_v<T, double>)
            v = next++ + 0.25;
        else if constexpr (std::is_same_v<T, bool>)
            v = true;
        else if constexpr (std::is_same_v<T, WideText>)
            v = u"\u00e4" + WideText(1, static_cast<char16_t>(u'A' + next++ % 26));
        else if constexpr (std::is_same_v<T, NarrowText>)
            v = std::string("\xfc") + static_cast<char>('a' + next++ % 26);
        else if constexpr (requires { v.items; })
            fill(v.items);
        else if constexpr (requires { v.push_back(v[0]); }) {
            v.resize(2);
            for (auto& e : v) fill(e);
        } else
            rpc_fields::forEach<T>([&](const auto& f) { fill(v.*f.member); });
    }
};

template <class T> T filled() {
    T r{};
    Filler{}.fill(r);
    return r;
}

std::filesystem::path golden(const char* type) {
    return std::filesystem::path(VELMAR_MODEL_TEST_DATA) / "golden" / (std::string(type) + ".bin");
}

Bytes fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(Contract, ItemTagsAndKindsOfEveryRecord) {
    const Layout nameid{{1, I}, {2, W}, {3, Y}, {4, I}, {5, D}, {6, D}};
    const Layout artikel{{1, B}, {2, B}, {3, B}, {4, B}, {5, W},
                         {6, D}, {7, I}, {8, D}, {9, I}, {10, W}};
    const Layout zusatz{{1, B}, {2, B}, {3, I}, {4, I}, {5, B}, {6, B}, {7, B}, {8, I}, {9, I}};
    const Layout rollkasten{{1, B},  {2, B},  {5, D},  {6, D},  {7, D},  {8, D},  {9, D},  {10, B},
                            {11, B}, {12, B}, {13, B}, {14, Y}, {15, Y}, {16, B}, {17, D}, {18, I}};
    EXPECT_EQ(layoutOf(filled<velmar_nameid>().toPacket()), nameid);
    EXPECT_EQ(layoutOf(filled<velmar_stahl>().toPacket()),
              (Layout{{1, B}, {2, Y}, {3, D}, {4, D}, {5, D}, {6, W}}));
    EXPECT_EQ(layoutOf(filled<velmar_artikel>().toPacket()), artikel);
    EXPECT_EQ(layoutOf(filled<velmar_zusatzartikel>().toPacket()), zusatz);
    EXPECT_EQ(layoutOf(filled<velmar_rollkasten>().toPacket()), rollkasten);
    EXPECT_EQ(layoutOf(filled<velmar_oeffnung_artikel>().toPacket()),
              (Layout{{1, I}, {2, B}, {1000, B}, {1001, B}}));
    EXPECT_EQ(layoutOf(filled<velmar_cutpos>().toPacket()),
              (Layout{{1, I}, {2, B}, {3, B}, {4, B}, {5, Y}, {6, D}, {7, D}, {8, Y}, {9, I}}));
    EXPECT_EQ(
        layoutOf(filled<KSP_MATERIAL>().toPacket()),
        (Layout{{1, I},  {2, I},  {3, W},  {4, W},  {5, W},  {6, B},  {7, B},  {8, B},  {9, B},
                {10, B}, {11, D}, {12, D}, {13, Y}, {14, Y}, {15, I}, {16, I}, {17, I}, {18, I},
                {19, I}, {20, I}, {21, I}, {22, I}, {23, W}, {24, D}, {25, D}}));
    EXPECT_EQ(layoutOf(filled<KSP_WA_NAMEID>().toPacket()), (Layout{{1, I}, {2, W}}));

    // The configuration, and the type of each nested member by its layout.
    const Bytes data = filled<velmar_data>().toPacket();
    EXPECT_EQ(layoutOf(data),
              (Layout{{1, B},  {2, B},  {3, B},  {4, B},  {5, B},  {6, B},  {7, B},  {8, B},
                      {9, D},  {13, D}, {15, B}, {16, B}, {17, B}, {18, B}, {19, B}, {20, Y},
                      {21, B}, {22, B}, {23, Y}, {24, B}, {25, W}, {26, B}, {27, B}}));
    const RpcPropertySet set = parsed(data);
    for (std::uint32_t tag : {1, 2, 3, 4, 6, 7, 15, 16, 17, 18, 21, 22, 26})
        EXPECT_EQ(layoutOf(Bytes(set.findItem(tag).block.begin(), set.findItem(tag).block.end())),
                  artikel)
            << tag;
    for (std::uint32_t tag : {5, 8, 19})
        EXPECT_EQ(layoutOf(Bytes(set.findItem(tag).block.begin(), set.findItem(tag).block.end())),
                  nameid)
            << tag;
    const auto& box = set.findItem(24).block;
    EXPECT_EQ(layoutOf(Bytes(box.begin(), box.end())), rollkasten);
    // Additional articles: a list packet of version 0 from tag 1.
    const Bytes list(set.findItem(27).block.begin(), set.findItem(27).block.end());
    EXPECT_EQ(f32(list, 4), 0.0f);
    EXPECT_EQ(layoutOf(list), (Layout{{1, B}, {2, B}}));

    // A wall connection's entries: a nested packet of version 1 from tag 1.
    const RpcPropertySet wall = parsed(filled<KSP_WANDANSCHLUSS>().toPacket());
    EXPECT_EQ(layoutOf(wall.toBytes()), (Layout{{1, B}, {2, B}}));
    const Bytes entries(wall.findItem(2).block.begin(), wall.findItem(2).block.end());
    EXPECT_EQ(f32(entries, 4), 1.0f);
    EXPECT_EQ(layoutOf(entries), (Layout{{1, B}, {2, B}}));
    EXPECT_EQ(f32(filled<velmar_vec_artikel>().toPacket(), 4), 1.0f);
}

// ---- the exchange record ----------------------------------------------------------

namespace {

using M = Materialdaten;

struct ScalarRow {
    std::uint32_t tag;
    Kind kind;
    std::variant<int M::*, double M::*, bool M::*, WideText M::*> member;
};

// Every scalar of the exchange record in declaration order, but the two
// answer blocks (80, 86).
// clang-format off
const ScalarRow kScalars[] = {
    {1, I, &M::hostKey1}, {3, I, &M::hostKey2}, {9, I, &M::requestKind},
    {2, D, &M::double2}, {4, I, &M::systemId}, {7, I, &M::int7},
    {8, I, &M::int8}, {5, I, &M::elementCode}, {123, I, &M::elementSubcode},
    {15, I, &M::glassId}, {10, I, &M::colourId}, {11, I, &M::int11},
    {6, I, &M::int6}, {27, I, &M::int27}, {67, I, &M::int67},
    {60, I, &M::frameId}, {61, I, &M::mullionId}, {62, I, &M::sashId},
    {64, I, &M::astragalId}, {63, I, &M::articleId}, {65, I, &M::beadSashSideId},
    {114, I, &M::beadFrameSideId}, {66, I, &M::int66}, {111, I, &M::profile6Id},
    {112, I, &M::profile7Id}, {113, I, &M::profile9Id}, {119, I, &M::couplingVerticalId},
    {121, I, &M::couplingHorizontalId}, {122, I, &M::int122}, {124, I, &M::profile8Id},
    {104, I, &M::int104}, {105, I, &M::int105}, {81, I, &M::rollerShutterMax},
    {82, I, &M::rollerShutterMin}, {115, I, &M::int115}, {116, W, &M::text116},
    {28, W, &M::text28}, {87, W, &M::text87}, {88, W, &M::text88},
    {89, W, &M::text89}, {90, W, &M::text90}, {91, W, &M::text91},
    {92, W, &M::text92}, {93, W, &M::text93}, {14, D, &M::thermalValue},
    {12, D, &M::dimension12}, {13, D, &M::dimension13}, {19, D, &M::dimension19},
    {110, I, &M::int110}, {84, Y, &M::flag84}, {83, Y, &M::fireProtectionOk},
    {106, Y, &M::option1}, {117, Y, &M::serviceFlag}, {118, Y, &M::option2},
    {120, Y, &M::flag120}, {125, Y, &M::option3}};
// clang-format on

struct ListRow {
    std::uint32_t base;
    std::variant<std::vector<velmar_nameid> M::*, std::vector<velmar_stahl> M::*,
                 std::vector<velmar_artikel> M::*, std::vector<velmar_rollkasten> M::*,
                 std::vector<velmar_cutpos> M::*, std::vector<KSP_MATERIAL> M::*,
                 std::vector<KSP_WANDANSCHLUSS> M::*>
        member;
};

// Every list in declaration order, with its base; the member's type is the
// element type.
// clang-format off
const ListRow kLists[] = {
    {4000, &M::systems}, {5000, &M::colours}, {7000, &M::ornaments},
    {6000, &M::nameid6000}, {13000, &M::nameid13000}, {46000, &M::reinforcements},
    {1000, &M::frames}, {2000, &M::sashes}, {3000, &M::mullions},
    {18000, &M::astragals}, {38000, &M::articleTexts1}, {39000, &M::beadsSashSide},
    {44000, &M::beadsFrameSide}, {41000, &M::barsGlassDividing}, {42000, &M::barsAdhesive},
    {43000, &M::barsInternal}, {50000, &M::barsViennese}, {45000, &M::glasses},
    {47000, &M::couplingsVertical}, {16000, &M::couplingsHorizontal}, {48000, &M::rollerShutterBoxes},
    {51000, &M::nameid51000}, {40000, &M::cutPositions}, {17000, &M::accessoryPositions},
    {20000, &M::materials}, {49000, &M::wallConnections}};
// clang-format on

// A value of the scalar's type that its write rule always sends.
void setSent(M& m, const ScalarRow& row, int n) {
    std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(m.*member)>;
            if constexpr (std::is_same_v<T, int>)
                m.*member = 100 + n;
            else if constexpr (std::is_same_v<T, double>)
                m.*member = n + 0.5;
            else if constexpr (std::is_same_v<T, bool>)
                m.*member = true;
            else
                m.*member = u"\u00fc" + std::u16string(1, static_cast<char16_t>(u'a' + n % 26));
        },
        row.member);
}

Materialdaten everyFieldSet() {
    Materialdaten m;
    int n = 0;
    for (const ScalarRow& row : kScalars) setSent(m, row, n++);
    for (const ListRow& row : kLists)
        std::visit(
            [&](auto member) {
                using T = typename std::remove_cvref_t<decltype(m.*member)>::value_type;
                (m.*member).push_back(filled<T>());
            },
            row.member);
    return m;
}

Bytes request(Materialdaten m) {
    m.write();
    return m.toBytes();
}

Materialdaten answer(const Bytes& packet) {
    Materialdaten m;
    m.parse(packet.data(), static_cast<int>(packet.size()));
    m.read();
    return m;
}

} // namespace

TEST(Contract, ExchangeRecordScalarsByTagAndKind) {
    int n = 0;
    for (const ScalarRow& row : kScalars) {
        Materialdaten m;
        setSent(m, row, n++);
        const RpcPropertySet sent = parsed(request(m));
        const RpcProperty& item = sent.findItem(row.tag);
        ASSERT_TRUE(item.present) << row.tag;
        EXPECT_EQ(item.kind, row.kind) << row.tag;
        // An answer carrying the item alone assigns the field.
        RpcPropertySet alone;
        alone.addItem() = item;
        const Materialdaten back = answer(alone.toBytes());
        std::visit([&](auto member) { EXPECT_EQ(back.*member, m.*member) << row.tag; }, row.member);
    }
}

TEST(Contract, ExchangeRecordListBasesAndElementTypes) {
    for (const ListRow& row : kLists) {
        std::visit(
            [&](auto member) {
                using T =
                    typename std::remove_cvref_t<decltype(Materialdaten{}.*member)>::value_type;
                const T element = filled<T>();
                Materialdaten m;
                (m.*member).push_back(element);
                const RpcPropertySet sent = parsed(request(m));
                const RpcProperty& item = sent.findItem(row.base);
                ASSERT_TRUE(item.present) << row.base;
                EXPECT_EQ(Bytes(item.block.begin(), item.block.end()), element.toPacket())
                    << row.base;
                EXPECT_FALSE(sent.findItem(row.base + 1).present) << row.base;

                RpcPropertySet reply;
                reply.addBlock(row.base, element.toPacket());
                const Materialdaten back = answer(reply.toBytes());
                ASSERT_EQ((back.*member).size(), 1u) << row.base;
                EXPECT_EQ((back.*member)[0], element) << row.base;
            },
            row.member);
    }
}

TEST(Contract, ExchangeRecordItemOrder) {
    const std::vector<std::uint32_t> order{
        1,     9,     3,     2,     4,     8,     7,     5,     123,   15,   10,    11,
        6,     27,    60,    62,    61,    64,    63,    65,    114,   67,   119,   121,
        122,   66,    104,   105,   81,    82,    14,    12,    13,    19,   111,   112,
        113,   115,   124,   83,    84,    106,   117,   118,   120,   125,  28,    87,
        88,    89,    90,    91,    92,    93,    110,   116,   1000,  2000, 3000,  18000,
        38000, 39000, 44000, 45000, 47000, 48000, 51000, 4000,  7000,  5000, 16000, 13000,
        6000,  46000, 17000, 20000, 49000, 40000, 41000, 42000, 43000, 50000};
    Materialdaten m = everyFieldSet();
    m.drawing = {1, 2};
    m.block86 = {3}; // answer-only: never sent
    EXPECT_EQ(idsOf(request(m)), order);
}

// ---- golden packets -----------------------------------------------------------------

namespace {

template <class T> void expectGolden(const char* type, const Bytes& packet) {
    const std::filesystem::path path = golden(type);
    if (std::getenv("VELMAR_WRITE_GOLDEN")) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(packet.data()),
                   static_cast<std::streamsize>(packet.size()));
    }
    EXPECT_EQ(packet, fileBytes(path)) << type;
    T back{};
    if constexpr (std::is_same_v<T, Materialdaten>)
        back = answer(packet);
    else
        EXPECT_TRUE(back.fromPacket(packet)) << type;
}

} // namespace

TEST(Contract, GoldenPacketOfEveryRecordType) {
    expectGolden<velmar_nameid>("velmar_nameid", filled<velmar_nameid>().toPacket());
    expectGolden<velmar_stahl>("velmar_stahl", filled<velmar_stahl>().toPacket());
    expectGolden<velmar_artikel>("velmar_artikel", filled<velmar_artikel>().toPacket());
    expectGolden<velmar_zusatzartikel>("velmar_zusatzartikel",
                                       filled<velmar_zusatzartikel>().toPacket());
    expectGolden<velmar_rollkasten>("velmar_rollkasten", filled<velmar_rollkasten>().toPacket());
    expectGolden<velmar_oeffnung_artikel>("velmar_oeffnung_artikel",
                                          filled<velmar_oeffnung_artikel>().toPacket());
    expectGolden<velmar_cutpos>("velmar_cutpos", filled<velmar_cutpos>().toPacket());
    expectGolden<velmar_data>("velmar_data", filled<velmar_data>().toPacket());
    expectGolden<KSP_MATERIAL>("KSP_MATERIAL", filled<KSP_MATERIAL>().toPacket());
    expectGolden<KSP_WANDANSCHLUSS>("KSP_WANDANSCHLUSS", filled<KSP_WANDANSCHLUSS>().toPacket());
    expectGolden<KSP_WA_NAMEID>("KSP_WA_NAMEID", filled<KSP_WA_NAMEID>().toPacket());
    expectGolden<Materialdaten>("Materialdaten", request(everyFieldSet()));
}

// ---- read chains ----------------------------------------------------------------------

TEST(Contract, ReadChainsOfTheMemberRecords) {
    // Additional article: chain 1, 2; scalars and narrow texts always.
    const velmar_zusatzartikel z = filled<velmar_zusatzartikel>();
    velmar_zusatzartikel zBack;
    zBack.nameId.id = -2;
    EXPECT_FALSE(zBack.fromPacket(without(z.toPacket(), {1})));
    EXPECT_EQ(zBack.nameId.id, -2);
    EXPECT_EQ(zBack.intValue1, z.intValue1);
    EXPECT_EQ(zBack.text3, z.text3);
    EXPECT_EQ(zBack.intValue4, z.intValue4);
    EXPECT_FALSE(zBack.fromPacket(without(z.toPacket(), {2})));
    EXPECT_EQ(zBack.artikel, z.artikel);

    // Reinforcement: its head is the whole chain.
    const velmar_stahl s = filled<velmar_stahl>();
    velmar_stahl sBack;
    sBack.nameId.id = -1;
    EXPECT_FALSE(sBack.fromPacket(without(s.toPacket(), {1})));
    EXPECT_EQ(sBack.nameId.id, -1);
    EXPECT_TRUE(sBack.flag);
    EXPECT_EQ(sBack.value3, s.value3);
    EXPECT_EQ(sBack.text, s.text);

    // Cut position: chain 2, 3, 4.
    const velmar_cutpos c = filled<velmar_cutpos>();
    velmar_cutpos cBack;
    cBack.opening2.number = -2;
    cBack.opening3.number = -3;
    EXPECT_FALSE(cBack.fromPacket(without(c.toPacket(), {3})));
    EXPECT_EQ(cBack.opening1, c.opening1);
    EXPECT_EQ(cBack.opening2.number, -2);
    EXPECT_EQ(cBack.opening3.number, -3);
    EXPECT_EQ(cBack.number, c.number);
    EXPECT_EQ(cBack.value2, c.value2);
    EXPECT_EQ(cBack.intValue, c.intValue);
    EXPECT_TRUE(cBack.fromPacket(c.toPacket()));
    EXPECT_EQ(cBack, c);
}
