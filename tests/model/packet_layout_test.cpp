// Byte layout of packets and the item set's lookup, list and serialize rules.

#include <gtest/gtest.h>

#include "model/records.h"
#include "tests/model/test_util.h"

using namespace testutil;

TEST(PacketLayout, EmptySetIsTwentyBytes) {
    RpcPropertySet set;
    set.version = 1;
    const Bytes expected{20, 0, 0, 0, 0x00, 0x00, 0x80, 0x3f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(set.toBytes(), expected);
}

TEST(PacketLayout, ScalarItems) {
    const Bytes intPacket = packetOf([](RpcPropertySet& s) { s.addInt(7, 5); });
    ASSERT_EQ(intPacket.size(), 36u);
    EXPECT_EQ(u32(intPacket, 0), 36u);
    EXPECT_EQ(u32(intPacket, 16), 1u);
    EXPECT_EQ(indexOf(intPacket), (std::vector<Entry>{{1, 7, 4}}));
    EXPECT_EQ(Bytes(intPacket.begin() + 32, intPacket.end()), (Bytes{5, 0, 0, 0}));

    const Bytes mixed = packetOf([](RpcPropertySet& s) {
        s.addDouble(2, 1.5);
        s.addByte(3, 1);
        s.addInt(4, -2);
    });
    EXPECT_EQ(indexOf(mixed), (std::vector<Entry>{{2, 2, 8}, {3, 3, 1}, {1, 4, 4}}));
    const Bytes data(mixed.begin() + 56, mixed.end());
    EXPECT_EQ(data, (Bytes{0, 0, 0, 0, 0, 0, 0xf8, 0x3f, 1, 0xfe, 0xff, 0xff, 0xff}));
}

TEST(PacketLayout, TextsCarryTheirTerminator) {
    const Bytes wide = packetOf([](RpcPropertySet& s) { s.addWideText(1, u"abc"); });
    EXPECT_EQ(indexOf(wide), (std::vector<Entry>{{5, 1, 8}}));
    EXPECT_EQ(Bytes(wide.begin() + 32, wide.end()), (Bytes{0x61, 0, 0x62, 0, 0x63, 0, 0, 0}));

    const Bytes narrow = packetOf([](RpcPropertySet& s) { s.addText(1, "ab"); });
    EXPECT_EQ(indexOf(narrow), (std::vector<Entry>{{4, 1, 3}}));
    EXPECT_EQ(Bytes(narrow.begin() + 32, narrow.end()), (Bytes{0x61, 0x62, 0}));

    // Non-ASCII texts travel as UTF-16 code units, surrogate pairs included.
    const WideText umlaut = u"Fl\u00fcgel \U0001F600";
    const RpcPropertySet back =
        parsed(packetOf([&](RpcPropertySet& s) { s.addWideText(9, umlaut); }));
    EXPECT_EQ(back.getWideText(9), umlaut);
}

TEST(PacketLayout, HeaderWordAndItemsRoundTrip) {
    RpcPropertySet set;
    set.version = 1;
    set.header = 0xdeadbeef;
    set.addInt(1, INT32_MIN);
    set.addDouble(2, -0.25);
    set.addByte(3, 200);
    const Bytes block{0, 1, 2, 0, 3};
    set.addBlock(4, block);
    set.addWideText(5, u"x");
    const Bytes packet = set.toBytes();
    EXPECT_EQ(u32(packet, 12), 0xdeadbeefu);

    const RpcPropertySet back = parsed(packet);
    EXPECT_EQ(back.header, 0xdeadbeefu);
    ASSERT_EQ(back.itemCount(), 5);
    EXPECT_EQ(back.getInt(1), INT32_MIN);
    EXPECT_EQ(back.getDouble(2), -0.25);
    EXPECT_EQ(back.getByte(3), 200);
    EXPECT_EQ(Bytes(back.findItem(4).block.begin(), back.findItem(4).block.end()), block);
    EXPECT_EQ(back.getWideText(5), u"x");
    EXPECT_EQ(back.toBytes(), packet);
}

TEST(PacketLayout, VersionIsAFloatReadBackRounded) {
    Bytes packet = packetOf([](RpcPropertySet&) {});
    for (auto [f, v] : {std::pair{1.0f, 1}, {1.6f, 2}, {1.49f, 1}, {0.0f, 0}, {-0.4f, 0}}) {
        setF32(packet, 4, f);
        EXPECT_EQ(parsed(packet).version, v) << f;
    }
    // A version that no int holds reads as too new for any record.
    setF32(packet, 4, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(parsed(packet).version, INT_MAX);
    setF32(packet, 4, 1e30f);
    EXPECT_EQ(parsed(packet).version, INT_MAX);
    velmar_nameid n;
    n.id = 4;
    EXPECT_FALSE(n.fromPacket(packet));
    EXPECT_EQ(n.id, 4);
}

TEST(PacketLayout, FlagAndReservedBytesAreIgnoredWhenRead) {
    Bytes packet = packetOf([](RpcPropertySet& s) { s.addInt(7, 5); });
    packet[8] = 1;
    packet[9] = packet[10] = packet[11] = 0xff;
    RpcPropertySet set;
    EXPECT_EQ(set.parse(packet.data(), static_cast<int>(packet.size())), 0);
    EXPECT_EQ(set.getInt(7), 5);
    TSpanStream stream(packet);
    EXPECT_EQ(set.readFrom(stream), 0);
    EXPECT_EQ(set.getInt(7), 5);
}

TEST(ItemLookup, FirstMatchAndSharedEmptyItem) {
    // Both below and above the size at which the set starts indexing.
    for (int filler : {0, 100}) {
        RpcPropertySet set;
        for (int i = 0; i < filler; ++i) set.addInt(static_cast<std::uint32_t>(1000 + i), i);
        set.addInt(7, 1);
        set.addInt(7, 2);
        EXPECT_EQ(set.getInt(7), 1);
        const RpcProperty& missing = set.findItem(8);
        EXPECT_FALSE(missing.present);
        EXPECT_EQ(&missing, &RpcProperty::empty());
        EXPECT_EQ(missing.kind, 0u);
        EXPECT_TRUE(missing.getWideText().empty());
        // Items appended after a lookup are found too.
        set.addInt(8, 3);
        EXPECT_EQ(set.getInt(8), 3);
        set.reset();
        EXPECT_FALSE(set.findItem(7).present);
    }
}

TEST(ItemLookup, GettersAnswerOnlyTheirOwnKind) {
    RpcPropertySet set;
    set.addDouble(1, 2.5);
    set.addInt(2, 9);
    EXPECT_EQ(set.getInt(1), 0);
    EXPECT_EQ(set.getByte(1), 0);
    EXPECT_EQ(set.getDouble(2), 0.0);
    EXPECT_EQ(set.getDouble(1), 2.5);
    // Texts without a terminator end at the block's end; an odd byte is dropped.
    RpcProperty item;
    const std::uint8_t raw[] = {'a', 0, 'b'};
    item.setBlock(3, raw, 1);
    EXPECT_EQ(item.getWideText(), u"a");
    item.setBlock(1, raw + 2, 1);
    EXPECT_EQ(item.getText(), "b");
}

TEST(Lists, ReadUntilTheFirstGap) {
    std::vector<velmar_nameid> three(3);
    for (int i = 0; i < 3; ++i) three[i].id = 10 + i;
    RpcPropertySet set;
    set.putList(three, 1000);
    std::vector<velmar_nameid> back(5);
    EXPECT_TRUE(parsed(set.toBytes()).getList(back, 1000));
    EXPECT_EQ(back, three);

    RpcPropertySet gap;
    gap.putRecord(three[0], 1000);
    gap.putRecord(three[2], 1002);
    EXPECT_TRUE(gap.getList(back, 1000));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].id, 10);

    // An empty block ends the list, as a missing id does.
    RpcPropertySet emptyBlock;
    emptyBlock.putRecord(three[0], 1);
    emptyBlock.addBlock(2, {});
    emptyBlock.putRecord(three[2], 3);
    EXPECT_TRUE(emptyBlock.getList(back, 1));
    EXPECT_EQ(back.size(), 1u);
}

TEST(Lists, ElementsAfterAFailedOneAreAppendedUnread) {
    velmar_nameid good;
    good.id = 5;
    RpcPropertySet set;
    set.putRecord(good, 1);
    set.addBlock(2, packetOf([](RpcPropertySet& s) { s.addInt(1, 6); }, 2)); // too new
    set.putRecord(good, 3);
    std::vector<velmar_nameid> back;
    EXPECT_FALSE(set.getList(back, 1));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].id, 5);
    EXPECT_EQ(back[1].id, 0);
    EXPECT_EQ(back[2].id, 0);
}

TEST(Serialize, TwoCallsAndTheirFailures) {
    RpcPropertySet set;
    set.version = 1;
    set.addInt(7, 5);
    std::uint8_t buffer[64];
    EXPECT_EQ(set.serialize(buffer, sizeof buffer), -2);
    EXPECT_EQ(set.lastError, RpcErrNoPacket);

    EXPECT_EQ(set.serialize(nullptr, 0), 36);
    EXPECT_EQ(set.serialize(buffer, 35), -1);
    EXPECT_EQ(set.lastError, RpcErrBufferTooSmall);
    EXPECT_EQ(set.serialize(buffer, sizeof buffer), 36);
    EXPECT_EQ(Bytes(buffer, buffer + 36), set.toBytes());
    // The packet was handed out and freed.
    EXPECT_EQ(set.serialize(buffer, sizeof buffer), -2);

    set.reset();
    EXPECT_EQ(set.lastError, 0);
    EXPECT_EQ(set.itemCount(), 0);
    EXPECT_EQ(set.header, 0u);
}
