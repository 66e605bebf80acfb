// The contract between host, component and service, pinned by its bytes: the
// packet of a fully filled record of each type, read back as it was written,
// and the read chains of the member records.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "model/materialdaten.h"
#include "tests/model/test_util.h"
#include "tests/support/filled.h"

using namespace testutil;
using test_support::filled;

namespace {

std::filesystem::path golden(const char* type) {
    return std::filesystem::path(VELMAR_MODEL_TEST_DATA) / "golden" / (std::string(type) + ".bin");
}

Bytes fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void mark(velmar_nameid& e, int n) { e.id = n; }
void mark(velmar_stahl& e, int n) { e.nameId.id = n; }
void mark(velmar_artikel& e, int n) { e.nameId.id = n; }
void mark(velmar_rollkasten& e, int n) { e.box.id = n; }
void mark(velmar_cutpos& e, int n) { e.number = n; }
void mark(KSP_MATERIAL& e, int n) { e.int1 = n; }
void mark(KSP_WANDANSCHLUSS& e, int n) { e.nameId.id = n; }

// Every scalar and list of the exchange record set to a value its write rule
// always sends (the answer-only blocks stay empty), each scalar its own.
Materialdaten everyFieldSet() {
    Materialdaten m;
    int n = 0;
    for (const Materialdaten::ScalarField& field : Materialdaten::scalarFields())
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(m.*member)>;
                if constexpr (std::is_same_v<T, int>)
                    m.*member = 100 + n++;
                else if constexpr (std::is_same_v<T, double>)
                    m.*member = n++ + 0.5;
                else if constexpr (std::is_same_v<T, bool>)
                    m.*member = (++n, true);
                else if constexpr (std::is_same_v<T, WideText>)
                    m.*member =
                        u"\u00fc" + std::u16string(1, static_cast<char16_t>(u'a' + n++ % 26));
            },
            field.member);
    // Each list's element is told apart by its own number, so that two lists
    // of one element type that trade their bases change the bytes.
    for (const Materialdaten::ListField& field : Materialdaten::listFields())
        std::visit(
            [&](auto member) {
                using T = typename std::remove_cvref_t<decltype(m.*member)>::value_type;
                T element = filled<T>();
                mark(element, 9000 + n++);
                (m.*member).push_back(element);
            },
            field.member);
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

// The packet is the pinned one, and reads back as the record it came from.
template <class T> void expectGolden(const char* type, const T& record) {
    Bytes packet;
    if constexpr (std::is_same_v<T, Materialdaten>)
        packet = request(record);
    else
        packet = record.toPacket();
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
    if constexpr (std::is_same_v<T, velmar_data>) back.option3 = record.option3; // not streamed
    EXPECT_TRUE(back == record) << type;
}

} // namespace

TEST(Contract, GoldenPacketOfEveryRecordType) {
    expectGolden("velmar_nameid", filled<velmar_nameid>());
    expectGolden("velmar_stahl", filled<velmar_stahl>());
    expectGolden("velmar_artikel", filled<velmar_artikel>());
    expectGolden("velmar_zusatzartikel", filled<velmar_zusatzartikel>());
    expectGolden("velmar_rollkasten", filled<velmar_rollkasten>());
    expectGolden("velmar_oeffnung_artikel", filled<velmar_oeffnung_artikel>());
    expectGolden("velmar_cutpos", filled<velmar_cutpos>());
    expectGolden("velmar_data", filled<velmar_data>());
    expectGolden("KSP_MATERIAL", filled<KSP_MATERIAL>());
    expectGolden("KSP_WANDANSCHLUSS", filled<KSP_WANDANSCHLUSS>());
    expectGolden("KSP_WA_NAMEID", filled<KSP_WA_NAMEID>());
    expectGolden("Materialdaten", everyFieldSet());
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
