// The exchange record: write rules, item order, reading an answer, lists and
// filling a request from a configuration.

#include <gtest/gtest.h>

#include "model/materialdaten.h"
#include "tests/model/test_util.h"

using namespace testutil;

namespace {

Bytes requestPacket(Materialdaten& m) {
    m.write();
    return m.toBytes();
}

Materialdaten answerFrom(const Bytes& packet) {
    Materialdaten m;
    EXPECT_EQ(m.parse(packet.data(), static_cast<int>(packet.size())), 0);
    m.read();
    return m;
}

// Every scalar set to a value that its write rule sends.
Materialdaten everyScalarSet() {
    Materialdaten m;
    int n = 1;
    for (const auto& f : Materialdaten::scalarFields()) {
        if (int* i = m.intField(f.tag)) *i = 100 + n;
        if (double* d = m.doubleField(f.tag)) *d = n + 0.5;
        if (bool* b = m.flagField(f.tag)) *b = true;
        if (WideText* t = m.textField(f.tag))
            *t = u"t" + std::u16string(1, char16_t(u'a' + n % 26));
        ++n;
    }
    return m;
}

} // namespace

TEST(ExchangeWrite, DefaultRequestCarriesOnlyTheAlwaysItems) {
    Materialdaten m;
    const Bytes packet = requestPacket(m);
    EXPECT_EQ(idsOf(packet),
              (std::vector<std::uint32_t>{1, 9, 3, 2, 105, 83, 84, 106, 117, 118, 120, 125, 110}));
    const RpcPropertySet set = parsed(packet);
    EXPECT_EQ(set.findItem(2).kind, 2u);
    EXPECT_EQ(set.getDouble(2), -1.0);
    EXPECT_EQ(set.getInt(105), -1);
    EXPECT_EQ(set.findItem(84).kind, 3u);
    EXPECT_EQ(f32(packet, 4), 0.0f);
}

TEST(ExchangeWrite, ItemOrderWithEveryFieldSet) {
    Materialdaten m = everyScalarSet();
    m.drawing = {1, 2, 3};
    m.block86 = {4};
    const std::vector<std::uint32_t> scalars{
        1,   9,   3,  2,   4,   8,   7,   5,   123, 15, 10, 11, 6,  27, 60, 62,  61,  64,  63,
        65,  114, 67, 119, 121, 122, 66,  104, 105, 81, 82, 14, 12, 13, 19, 111, 112, 113, 115,
        124, 83,  84, 106, 117, 118, 120, 125, 28,  87, 88, 89, 90, 91, 92, 93,  110, 116};
    EXPECT_EQ(idsOf(requestPacket(m)), scalars); // blocks 80 and 86 never travel

    Materialdaten lists;
    for (const auto& f : Materialdaten::listFields())
        std::visit([&](auto member) { (lists.*member).resize(1); }, f.member);
    std::vector<std::uint32_t> ids = idsOf(requestPacket(lists));
    ids.erase(ids.begin(), ids.begin() + 13);
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{1000,  2000,  3000,  18000, 38000, 39000, 44000,
                                               45000, 47000, 48000, 51000, 4000,  7000,  5000,
                                               16000, 13000, 6000,  46000, 17000, 20000, 49000,
                                               40000, 41000, 42000, 43000, 50000}));
}

TEST(ExchangeWrite, PositiveAndSpecialRules) {
    Materialdaten m;
    m.dimension12 = -1.0;
    m.dimension13 = 0.0;
    m.thermalValue = 0.001;
    m.dimension19 = 2.0;
    m.glassId = -5;
    m.articleId = 0;
    m.frameId = 1;
    m.text28 = u"";
    m.text87 = u"x";
    std::vector<std::uint32_t> ids = idsOf(requestPacket(m));
    auto has = [&](std::uint32_t id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
    EXPECT_FALSE(has(12));
    EXPECT_FALSE(has(13));
    EXPECT_TRUE(has(14));
    EXPECT_TRUE(has(19));
    EXPECT_FALSE(has(15));
    EXPECT_FALSE(has(63));
    EXPECT_TRUE(has(60));
    EXPECT_FALSE(has(28));
    EXPECT_TRUE(has(87));

    // Tag 6 travels for these systems even at 0.
    for (int system : {8404, 10089, 9541}) {
        m.systemId = system;
        ids = idsOf(requestPacket(m));
        EXPECT_TRUE(has(6)) << system;
        EXPECT_EQ(parsed(m.toBytes()).getInt(6), 0);
    }
    m.systemId = 8405;
    ids = idsOf(requestPacket(m));
    EXPECT_FALSE(has(6));
    m.int6 = 2;
    ids = idsOf(requestPacket(m));
    EXPECT_TRUE(has(6));
}

TEST(ExchangeWrite, WriteResetsTheItemsButKeepsTheFields) {
    Materialdaten m;
    m.header = 9;
    m.addInt(999, 1);
    m.write();
    EXPECT_FALSE(m.findItem(999).present);
    EXPECT_EQ(m.header, 0u);
    const int count = m.itemCount();
    m.write();
    EXPECT_EQ(m.itemCount(), count);
}

TEST(ExchangeRead, EveryFieldIsAssignedFromTheAnswer) {
    Materialdaten request = everyScalarSet();
    request.frames.resize(2);
    request.frames[1].nameId.id = 42;
    request.materials.resize(1);
    request.materials[0].text23 = u"m";
    request.wallConnections.resize(1);
    request.wallConnections[0].entries.resize(2);
    const Materialdaten answer = answerFrom(requestPacket(request));
    EXPECT_EQ(answer, request);

    // An answer without items empties every field and list; the constructor
    // defaults do not survive.
    Materialdaten reused = request;
    reused.reset();
    reused.read();
    EXPECT_EQ(reused.int105, 0);
    EXPECT_EQ(reused.double2, 0.0);
    EXPECT_EQ(reused.thermalValue, 0.0);
    EXPECT_FALSE(reused.option1);
    EXPECT_TRUE(reused.text87.empty());
    EXPECT_TRUE(reused.frames.empty());
    EXPECT_TRUE(reused.wallConnections.empty());
}

TEST(ExchangeRead, AnswerBlocks) {
    RpcPropertySet answer;
    const Bytes drawing{9, 8, 7, 0, 6};
    answer.addBlock(80, drawing);
    Materialdaten m;
    m.block86 = {1, 2};
    const Bytes packet = answer.toBytes();
    m.parse(packet.data(), static_cast<int>(packet.size()));
    m.read();
    EXPECT_EQ(m.drawing, drawing);
    EXPECT_TRUE(m.block86.empty());
    m.reset();
    m.read();
    EXPECT_TRUE(m.drawing.empty());
}

TEST(ExchangeLists, ThousandElementsAreContiguousAndAGapEndsAList) {
    Materialdaten m;
    m.frames.resize(1000);
    for (int i = 0; i < 1000; ++i) m.frames[i].nameId.id = i;
    const Bytes packet = requestPacket(m);
    const std::vector<std::uint32_t> ids = idsOf(packet);
    const std::vector<std::uint32_t> listIds(ids.end() - 1000, ids.end());
    for (std::uint32_t i = 0; i < 1000; ++i) ASSERT_EQ(listIds[i], 1000 + i);
    EXPECT_EQ(answerFrom(packet).frames, m.frames);

    // A full list ends where the next list's base begins.
    m.sashes.resize(2);
    m.sashes[0].nameId.id = 5000;
    const Materialdaten both = answerFrom(requestPacket(m));
    EXPECT_EQ(both.frames, m.frames);
    EXPECT_EQ(both.sashes, m.sashes);

    RpcPropertySet gappy;
    gappy.putRecord(m.frames[0], 1000);
    gappy.putRecord(m.frames[1], 1001);
    gappy.putRecord(m.frames[3], 1003);
    const Materialdaten back = answerFrom(gappy.toBytes());
    EXPECT_EQ(back.frames.size(), 2u);
}

TEST(ExchangeFields, LookupByTagAndBase) {
    Materialdaten m;
    EXPECT_EQ(m.intField(63), &m.articleId);
    EXPECT_EQ(m.intField(2), nullptr); // a double
    EXPECT_EQ(m.doubleField(2), &m.double2);
    EXPECT_EQ(m.flagField(125), &m.option3);
    EXPECT_EQ(m.blockField(80), &m.drawing);
    EXPECT_EQ(m.textField(116), &m.text116);
    EXPECT_EQ(m.artikelList(39000), &m.articleTexts2());
    EXPECT_EQ(m.nameidList(39000), nullptr);
    EXPECT_EQ(m.cutposList(ks_list::accessoryPositions), &m.accessoryPositions);
    EXPECT_EQ(Materialdaten::scalarFields().size(), 58u);
    EXPECT_EQ(Materialdaten::listFields().size(), 26u);
}

TEST(ExchangeFill, RequestFromAConfiguration) {
    velmar_data d;
    auto setId = [](velmar_artikel& a, int id) { a.nameId.id = id; };
    d.system.id = 5;
    setId(d.glas, 6);
    setId(d.glasleisteF, 7);
    setId(d.glasleisteR, 18);
    setId(d.rahmen, 1);
    setId(d.fluegel, 2);
    setId(d.pfosten, 3);
    setId(d.stulp, 4);
    setId(d.profile6, 15);
    setId(d.profile7, 16);
    setId(d.profile9, 17);
    setId(d.kopplungSenk, 21);
    setId(d.kopplungWaag, 22);
    setId(d.profile8, 26);
    d.farbe.id = 19;
    Materialdaten m;
    m.fillFrom(d);
    const std::pair<int, int> expected[] = {{4, 5},    {15, 6},   {65, 7},   {114, 18}, {60, 1},
                                            {62, 2},   {61, 3},   {64, 4},   {111, 15}, {112, 16},
                                            {113, 17}, {119, 21}, {121, 22}, {124, 26}, {10, 19}};
    for (auto [tag, id] : expected) EXPECT_EQ(*m.intField(tag), id) << tag;
}
