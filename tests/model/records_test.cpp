// Records: defaults, round trips, the read chains and the names of articles.

#include <gtest/gtest.h>

#include "model/records.h"
#include "tests/model/test_util.h"

using namespace testutil;

namespace {

velmar_nameid nameid(int id, const char16_t* name) {
    velmar_nameid n;
    n.id = id;
    n.name = name;
    n.isDefault_ = true;
    n.intValue = id * 2;
    n.value1 = id + 0.5;
    n.value2 = -id;
    return n;
}

velmar_artikel artikel(int id, const char16_t* name) {
    velmar_artikel a;
    a.nameId = nameid(id, name);
    a.text1 = u"t1";
    a.value1 = 1.25;
    a.value2 = 2.5;
    a.intValue = 7;
    a.steel1.nameId = nameid(id + 1, u"Stahl");
    a.steel1.flag = true;
    a.steel1.value3 = 3.0;
    a.steel1.text = u"st";
    a.steel3.nameId.id = id + 3;
    a.konstType = 11;
    a.text2 = u"t2";
    return a;
}

velmar_zusatzartikel zusatz(int id) {
    velmar_zusatzartikel z;
    z.artikel = artikel(id, u"Zusatz");
    z.nameId = nameid(id + 10, u"zn");
    z.intValue1 = 1;
    z.intValue2 = 2;
    z.text1 = "a\xff";
    z.text2 = "b";
    z.text3 = "c";
    z.intValue3 = 3;
    z.intValue4 = 4;
    return z;
}

velmar_data fullData() {
    velmar_data d;
    d.rahmen = artikel(100, u"Rahmen");
    d.fluegel = artikel(200, u"Fl\u00fcgel");
    d.pfosten = artikel(300, u"Pfosten");
    d.stulp = artikel(400, u"Stulp");
    d.glasleisteF = artikel(500, u"GlF");
    d.glasleisteR = artikel(600, u"GlR");
    d.profile6 = artikel(700, u"p6");
    d.profile7 = artikel(800, u"p7");
    d.profile8 = artikel(900, u"p8");
    d.profile9 = artikel(1000, u"p9");
    d.kopplungSenk = artikel(1100, u"KS");
    d.kopplungWaag = artikel(1200, u"KW");
    d.glas = artikel(1300, u"Glas");
    d.rollkasten.box = nameid(1400, u"Box");
    d.rollkasten.part5 = nameid(1405, u"Farbe");
    d.rollkasten.size4 = 4.0;
    d.rollkasten.intValue = 1;
    d.rollkasten.accessory2 = zusatz(1410);
    d.rollkasten.flag2 = true;
    d.system = nameid(1500, u"System");
    d.selection2 = nameid(1600, u"sel");
    d.farbe = nameid(1700, u"Wei\u00df");
    d.text = u"frei";
    d.systemValue = 0.6;
    d.ufValue = 1.3;
    d.option1 = true;
    d.option2 = true;
    d.option3 = true;
    d.zusatzartikel.items = {zusatz(1800), zusatz(1900)};
    return d;
}

Bytes withVersion(Bytes packet, float version) {
    setF32(packet, 4, version);
    return packet;
}

} // namespace

TEST(RecordDefaults, AsTheHostExpectsThem) {
    const velmar_data d;
    EXPECT_EQ(d.farbe.id, -1);
    EXPECT_EQ(d.rahmen.getId(), 0);
    EXPECT_EQ(d.system.id, 0);
    EXPECT_EQ(d.rollkasten.getId(), 0);
    EXPECT_FALSE(d.option1 || d.option2 || d.option3);
    EXPECT_TRUE(d.zusatzartikel.items.empty());

    const velmar_cutpos c;
    EXPECT_TRUE(c.flag2);
    EXPECT_EQ(c.intValue, -1);
    const velmar_cut cut;
    EXPECT_EQ(cut.data.farbe.id, -1);
    EXPECT_FALSE(cut.flag);
    const velmar_CutInfo info;
    EXPECT_TRUE(info.materials.empty() && info.wallConnections.empty());
}

TEST(RecordRoundTrip, EveryMemberButOption3) {
    const velmar_data source = fullData();
    velmar_data back;
    ASSERT_TRUE(back.fromPacket(source.toPacket()));
    EXPECT_FALSE(back.option3);
    back.option3 = true;
    EXPECT_EQ(back, source);

    velmar_data reader = fullData();
    reader.option3 = false;
    velmar_data other;
    other.option3 = true;
    ASSERT_TRUE(reader.fromPacket(other.toPacket()));
    EXPECT_FALSE(reader.option3);

    velmar_cutpos pos;
    pos.opening2.number = 2;
    pos.opening2.artikel.items = {artikel(1, u"a"), artikel(2, u"b")};
    pos.opening3.zusatz = {zusatz(3)};
    velmar_cutpos posBack;
    posBack.flag2 = false;
    ASSERT_TRUE(posBack.fromPacket(pos.toPacket()));
    EXPECT_EQ(posBack, pos);
    ASSERT_TRUE(posBack.fromPacket(velmar_cutpos{}.toPacket()));
    EXPECT_TRUE(posBack.flag2);
    EXPECT_EQ(posBack.intValue, -1);
}

TEST(RecordRead, ArticleChainStopsAtAMissingSteel) {
    const Bytes packet = without(artikel(5, u"a").toPacket(), {2});
    velmar_artikel a;
    a.steel1.nameId.id = 91;
    a.steel2.nameId.id = 92;
    a.steel3.nameId.id = 93;
    EXPECT_FALSE(a.fromPacket(packet));
    EXPECT_EQ(a.nameId.id, 5);
    EXPECT_EQ(a.steel1.nameId.id, 91);
    EXPECT_EQ(a.steel2.nameId.id, 92);
    EXPECT_EQ(a.steel3.nameId.id, 93);
    EXPECT_EQ(a.text1, u"t1");
    EXPECT_EQ(a.konstType, 11);
    EXPECT_EQ(a.text2, u"t2");
}

TEST(RecordRead, DataChainStopsAtAMissingMullion) {
    const velmar_data source = fullData();
    velmar_data d;
    d.pfosten.nameId.id = -3;
    d.glas.nameId.id = -6;
    d.farbe.id = -19;
    d.rollkasten.box.id = -24;
    EXPECT_FALSE(d.fromPacket(without(source.toPacket(), {3})));
    EXPECT_EQ(d.rahmen, source.rahmen);
    EXPECT_EQ(d.fluegel, source.fluegel);
    EXPECT_EQ(d.pfosten.nameId.id, -3);
    EXPECT_EQ(d.glas.nameId.id, -6);
    EXPECT_EQ(d.farbe.id, -19);
    EXPECT_EQ(d.rollkasten.box.id, -24);
    EXPECT_EQ(d.systemValue, 0.6);
    EXPECT_EQ(d.ufValue, 1.3);
    EXPECT_TRUE(d.option1);
    EXPECT_TRUE(d.option2);
    EXPECT_EQ(d.text, u"frei");
    EXPECT_EQ(d.profile8, source.profile8);           // tag 26, outside the chain
    EXPECT_EQ(d.zusatzartikel, source.zusatzartikel); // tag 27, outside the chain
}

TEST(RecordRead, MissingScalarsBecomeEmpty) {
    velmar_data d = fullData();
    EXPECT_TRUE(d.fromPacket(without(fullData().toPacket(), {9, 13, 20, 23, 25})));
    EXPECT_EQ(d.systemValue, 0.0);
    EXPECT_EQ(d.ufValue, 0.0);
    EXPECT_FALSE(d.option1);
    EXPECT_FALSE(d.option2);
    EXPECT_TRUE(d.text.empty());

    velmar_cutpos p;
    EXPECT_TRUE(p.fromPacket(without(velmar_cutpos{}.toPacket(), {8, 9})));
    EXPECT_FALSE(p.flag2);
    EXPECT_EQ(p.intValue, 0);
}

TEST(RecordRead, LateMembersOutsideTheChain) {
    // Without tags 26 and 27 a configuration is still complete.
    velmar_data d;
    EXPECT_TRUE(d.fromPacket(without(fullData().toPacket(), {26, 27})));
    EXPECT_EQ(d.rahmen.nameId.id, 100);

    // The box's curtain colour is read even when its chain failed first, and
    // its absence does not fail the box.
    const velmar_rollkasten box = fullData().rollkasten;
    velmar_rollkasten r;
    EXPECT_FALSE(r.fromPacket(without(box.toPacket(), {1})));
    EXPECT_EQ(r.part5.id, 1405);
    EXPECT_EQ(r.accessory2.nameId.id, 0); // after the failure: unchanged
    velmar_rollkasten r2;
    EXPECT_TRUE(r2.fromPacket(without(box.toPacket(), {16})));
    EXPECT_EQ(r2.box.id, 1400);
}

TEST(RecordRead, VersionTwoIsRejected) {
    const Bytes packet = withVersion(fullData().toPacket(), 2.0f);
    velmar_data d;
    d.text = u"keep";
    EXPECT_FALSE(d.fromPacket(packet));
    EXPECT_EQ(d.text, u"keep");
    EXPECT_EQ(d.rahmen.nameId.id, 0);

    velmar_nameid n;
    n.id = 1;
    EXPECT_FALSE(n.fromPacket(withVersion(nameid(9, u"n").toPacket(), 1.6f)));
    EXPECT_EQ(n.id, 1);
    EXPECT_TRUE(n.fromPacket(withVersion(nameid(9, u"n").toPacket(), 1.4f)));
    EXPECT_EQ(n.id, 9);

    // The list record reads whatever its version says.
    velmar_vector<velmar_nameid> v;
    v.items = {nameid(1, u"a")};
    velmar_vector<velmar_nameid> vBack;
    EXPECT_TRUE(vBack.fromPacket(withVersion(v.toPacket(), 7.0f)));
    EXPECT_EQ(vBack, v);
}

TEST(RecordRead, OpeningListBelongsToTheChain) {
    velmar_oeffnung_artikel o;
    o.number = 4;
    o.zusatz = {zusatz(1), zusatz(2)};
    velmar_oeffnung_artikel back;
    back.zusatz = {zusatz(9)};
    EXPECT_FALSE(back.fromPacket(without(o.toPacket(), {2})));
    EXPECT_EQ(back.number, 4);
    ASSERT_EQ(back.zusatz.size(), 1u);
    EXPECT_EQ(back.zusatz[0].intValue1, 1);
    EXPECT_EQ(back.zusatz[0].artikel.nameId.id, 9);
}

TEST(RecordNames, ArticleOfType43ShowsItsReinforcement) {
    velmar_artikel a = artikel(5, u"Profil");
    EXPECT_EQ(a.getName(), u"Profil");
    a.konstType = 43;
    EXPECT_EQ(a.getName(), u"Profil, Stahl");
    a.steel1.nameId.name.clear();
    EXPECT_EQ(a.getName(), u"Profil");
    a.steel1.nameId.name = u"Stahl";
    a.steel1.nameId.id = 0;
    EXPECT_EQ(a.getName(), u"Profil");
}
