// Records: round trips and the read chains that decide what a packet with a
// missing member still sets.

#include <gtest/gtest.h>

#include "model/records.h"
#include "tests/model/test_util.h"
#include "tests/support/filled.h"

using namespace testutil;
using test_support::filled;

namespace {

Bytes withVersion(Bytes packet, float version) {
    setF32(packet, 4, version);
    return packet;
}

} // namespace

// (Every member's round trip is pinned by the golden packets.)
TEST(RecordRoundTrip, Option3IsNotStreamedAndAnEmptyPositionKeepsItsDefaults) {
    velmar_data back;
    ASSERT_TRUE(back.fromPacket(filled<velmar_data>().toPacket()));
    EXPECT_FALSE(back.option3); // never streamed: the reader keeps its own
    velmar_cutpos posBack;
    ASSERT_TRUE(posBack.fromPacket(velmar_cutpos{}.toPacket()));
    EXPECT_TRUE(posBack.flag2);
    EXPECT_EQ(posBack.intValue, -1);
}

TEST(RecordRead, ArticleChainStopsAtAMissingSteel) {
    const velmar_artikel source = filled<velmar_artikel>();
    velmar_artikel a;
    a.steel1.nameId.id = 91;
    a.steel3.nameId.id = 93;
    EXPECT_FALSE(a.fromPacket(without(source.toPacket(), {2})));
    EXPECT_EQ(a.nameId, source.nameId);
    EXPECT_EQ(a.steel1.nameId.id, 91);
    EXPECT_EQ(a.steel3.nameId.id, 93);
    // Scalars lie outside the chain.
    EXPECT_EQ(a.text1, source.text1);
    EXPECT_EQ(a.konstType, source.konstType);
    EXPECT_EQ(a.text2, source.text2);
}

TEST(RecordRead, DataChainStopsAtAMissingMullion) {
    const velmar_data source = filled<velmar_data>();
    velmar_data d;
    d.glas.nameId.id = -6;
    d.farbe.id = -19;
    d.rollkasten.box.id = -24;
    EXPECT_FALSE(d.fromPacket(without(source.toPacket(), {3})));
    EXPECT_EQ(d.rahmen, source.rahmen);
    EXPECT_EQ(d.fluegel, source.fluegel);
    EXPECT_EQ(d.pfosten, velmar_artikel{});
    EXPECT_EQ(d.glas.nameId.id, -6);
    EXPECT_EQ(d.farbe.id, -19);
    EXPECT_EQ(d.rollkasten.box.id, -24);
    EXPECT_EQ(d.systemValue, source.systemValue);
    EXPECT_EQ(d.option2, source.option2);
    EXPECT_EQ(d.text, source.text);
    EXPECT_EQ(d.profile8, source.profile8);           // tag 26, outside the chain
    EXPECT_EQ(d.zusatzartikel, source.zusatzartikel); // tag 27, outside the chain
}

TEST(RecordRead, MissingScalarsBecomeEmptyAndLateMembersAreOptional) {
    velmar_data d = filled<velmar_data>();
    EXPECT_TRUE(d.fromPacket(without(d.toPacket(), {9, 13, 20, 23, 25, 26, 27})));
    EXPECT_EQ(d.systemValue, 0.0);
    EXPECT_EQ(d.ufValue, 0.0);
    EXPECT_FALSE(d.option1 || d.option2);
    EXPECT_TRUE(d.text.empty());
    EXPECT_EQ(d.rahmen, filled<velmar_data>().rahmen);

    velmar_cutpos p;
    EXPECT_TRUE(p.fromPacket(without(velmar_cutpos{}.toPacket(), {8, 9})));
    EXPECT_FALSE(p.flag2);
    EXPECT_EQ(p.intValue, 0);

    // The box's curtain colour is read even when its chain failed first, and
    // its absence does not fail the box.
    const velmar_rollkasten box = filled<velmar_rollkasten>();
    velmar_rollkasten r;
    EXPECT_FALSE(r.fromPacket(without(box.toPacket(), {1})));
    EXPECT_EQ(r.part5, box.part5);
    EXPECT_EQ(r.accessory2, velmar_zusatzartikel{}); // after the failure: unchanged
    velmar_rollkasten r2;
    EXPECT_TRUE(r2.fromPacket(without(box.toPacket(), {16})));
    EXPECT_EQ(r2.box, box.box);
}

TEST(RecordRead, VersionTwoIsRejected) {
    velmar_data d;
    d.text = u"keep";
    EXPECT_FALSE(d.fromPacket(withVersion(filled<velmar_data>().toPacket(), 2.0f)));
    EXPECT_EQ(d.text, u"keep");
    EXPECT_EQ(d.rahmen.nameId.id, 0);

    // The list record reads whatever its version says.
    const auto v = filled<velmar_vector<velmar_nameid>>();
    velmar_vector<velmar_nameid> vBack;
    EXPECT_TRUE(vBack.fromPacket(withVersion(v.toPacket(), 7.0f)));
    EXPECT_EQ(vBack, v);
}

TEST(RecordRead, OpeningListBelongsToTheChain) {
    const velmar_oeffnung_artikel o = filled<velmar_oeffnung_artikel>();
    velmar_oeffnung_artikel back;
    back.zusatz.resize(1);
    back.zusatz[0].artikel.nameId.id = 9;
    EXPECT_FALSE(back.fromPacket(without(o.toPacket(), {2})));
    EXPECT_EQ(back.number, o.number);
    ASSERT_EQ(back.zusatz.size(), 1u);
    EXPECT_EQ(back.zusatz[0].artikel.nameId.id, 9);
}
