// The exchange record: write rules, item order, reading an answer and lists.

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

} // namespace

TEST(ExchangeWrite, DefaultRequestCarriesOnlyTheAlwaysItems) {
    Materialdaten m;
    const Bytes packet = requestPacket(m);
    EXPECT_EQ(idsOf(packet),
              (std::vector<std::uint32_t>{1, 9, 3, 2, 105, 83, 84, 106, 117, 118, 120, 125, 110}));
    // (Kinds and version are pinned by the golden packet.)
    const RpcPropertySet set = parsed(packet);
    EXPECT_EQ(set.getDouble(2), -1.0);
    EXPECT_EQ(set.getInt(105), -1);
}

TEST(ExchangeWrite, PositiveAndSpecialRules) {
    Materialdaten m;
    m.firstDimension = -1.0;
    m.secondDimension = 0.0;
    m.thermalValue = 0.001;
    m.glassWeight = 2.0;
    m.glassId = -5;
    m.articleId = 0;
    m.frameId = 1;
    m.spareText1 = u"";
    m.spareText2 = u"x";
    std::vector<std::uint32_t> ids = idsOf(requestPacket(m));
    auto has = [&](std::uint32_t id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
    for (std::uint32_t sent : {14, 19, 60, 87}) EXPECT_TRUE(has(sent)) << sent;
    for (std::uint32_t dropped : {12, 13, 15, 63, 28}) EXPECT_FALSE(has(dropped)) << dropped;

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
    m.spareInt2 = 2;
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

TEST(ExchangeRead, AnAnswerWithoutItemsEmptiesEveryField) {
    // The constructor defaults do not survive an answer that omits them.
    Materialdaten m;
    m.spareText2 = u"x";
    m.option1 = true;
    m.frames.resize(2);
    m.wallConnections.resize(1);
    m.read();
    EXPECT_EQ(m.spareInt6, 0);
    EXPECT_EQ(m.psiG, 0.0);
    EXPECT_EQ(m.thermalValue, 0.0);
    EXPECT_FALSE(m.option1);
    EXPECT_TRUE(m.spareText2.empty());
    EXPECT_TRUE(m.frames.empty());
    EXPECT_TRUE(m.wallConnections.empty());
}

TEST(ExchangeRead, AnswerBlocks) {
    RpcPropertySet answer;
    const Bytes drawing{9, 8, 7, 0, 6};
    answer.addBlock(80, drawing);
    Materialdaten m;
    m.spareBlock = {1, 2};
    const Bytes packet = answer.toBytes();
    m.parse(packet.data(), static_cast<int>(packet.size()));
    m.read();
    EXPECT_EQ(m.drawing, drawing);
    EXPECT_TRUE(m.spareBlock.empty());
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

    // An element whose tag comes twice is read from its first item, also
    // where the list is read item after item.
    RpcPropertySet twice;
    twice.putRecord(m.frames[999], 1001);
    for (int i = 0; i < 40; ++i) twice.putRecord(m.frames[static_cast<std::size_t>(i)], 1000 + i);
    const Materialdaten first = answerFrom(twice.toBytes());
    ASSERT_EQ(first.frames.size(), 40u);
    EXPECT_EQ(first.frames[1], m.frames[999]);
    EXPECT_EQ(first.frames[2], m.frames[2]);
}
