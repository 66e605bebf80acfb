// Malformed packets: every check fails cleanly with its code, leaves a set
// without items, and record readers then behave as for a packet without items.

#include <gtest/gtest.h>

#include "model/records.h"
#include "tests/model/test_util.h"

using namespace testutil;

namespace {

struct Outcome {
    int parseResult;
    int parseError;
    int readResult;
    int readError;
};

Outcome both(const Bytes& packet) {
    RpcPropertySet a;
    a.addInt(1, 1); // content that a failure must remove
    const int pr = a.parse(packet.data(), static_cast<int>(packet.size()));
    EXPECT_EQ(a.itemCount(), 0);
    RpcPropertySet b;
    b.addInt(1, 1);
    TSpanStream stream(packet);
    const int rr = b.readFrom(stream);
    EXPECT_EQ(b.itemCount(), 0);
    return {pr, a.lastError, rr, b.lastError};
}

Bytes oneIntPacket() {
    return packetOf([](RpcPropertySet& s) { s.addInt(7, 5); });
}

} // namespace

TEST(BadPackets, EachFieldThatDoesNotFitFailsWithItsCode) {
    RpcPropertySet set;
    EXPECT_EQ(set.parse(nullptr, 10), -1);
    EXPECT_EQ(set.lastError, RpcErrNoBuffer);
    const std::uint8_t one = 0;
    EXPECT_EQ(set.parse(&one, 0), -1);

    const Bytes text = packetOf([](RpcPropertySet& s) { s.addText(1, "abc"); });
    struct Case {
        const char* what;
        Bytes packet;
        std::size_t at; // the 32-bit field overwritten
        std::uint32_t value;
        int error, result;
    };
    const Case cases[] = {
        {"negative length", oneIntPacket(), 0, 0x80000000u, RpcErrNegativeLength, -2},
        {"negative count", oneIntPacket(), 16, 0xffffffffu, RpcErrNegativeCount, -5},
        {"claims more bytes than present", oneIntPacket(), 0, 37, RpcErrTruncated, -10},
        {"below head and count", oneIntPacket(), 0, 19, RpcErrShortPacket, -11},
        {"index past the packet", oneIntPacket(), 16, 2, RpcErrIndexOverflow, -12},
        {"count no allocation may be sized by", oneIntPacket(), 16, 0x7fffffffu,
         RpcErrIndexOverflow, -12},
        {"an int of length 5", oneIntPacket(), 28, 5, RpcErrScalarLength, -14},
        {"a block one byte past the data", text, 28, 5, RpcErrDataOverflow, -13},
        {"a block of length -1", text, 28, 0xffffffffu, RpcErrDataOverflow, -13},
    };
    for (Case c : cases) {
        setU32(c.packet, c.at, c.value);
        const Outcome o = both(c.packet);
        EXPECT_EQ(o.parseResult, c.result) << c.what;
        EXPECT_EQ(o.parseError, c.error) << c.what;
        EXPECT_EQ(o.readError, c.error) << c.what;
    }
}

TEST(BadPackets, VersionAfterAFailure) {
    Bytes packet = oneIntPacket();
    setU32(packet, 0, 0xfffffff0u);
    RpcPropertySet set;
    set.version = 5;
    set.parse(packet.data(), static_cast<int>(packet.size()));
    EXPECT_EQ(set.version, 0);

    packet = oneIntPacket();
    setU32(packet, 16, 0xffffffffu);
    set.parse(packet.data(), static_cast<int>(packet.size()));
    EXPECT_EQ(set.version, 1);
}

TEST(BadPackets, EveryTruncationOfARealPacket) {
    velmar_data data;
    data.rahmen.nameId.name = u"Rahmen";
    data.zusatzartikel.items.resize(2);
    const Bytes packet = data.toPacket();
    for (std::size_t n = 1; n < packet.size(); ++n) {
        const Bytes cut(packet.begin(), packet.begin() + static_cast<std::ptrdiff_t>(n));
        RpcPropertySet set;
        EXPECT_LT(set.parse(cut.data(), static_cast<int>(cut.size())), 0) << n;
        EXPECT_EQ(set.itemCount(), 0);
        velmar_data reader;
        reader.option3 = true;
        EXPECT_FALSE(reader.fromPacket(cut)) << n;
        // Read as a packet without items: the chain fails at once and the
        // unread members keep their values.
        EXPECT_EQ(reader.farbe.id, -1);
        EXPECT_TRUE(reader.option3);
    }
}

TEST(BadPackets, ExtraBytesAfterThePacketAreLeftInTheStream) {
    Bytes packet = oneIntPacket();
    packet.push_back(0xaa);
    RpcPropertySet set;
    EXPECT_EQ(set.parse(packet.data(), static_cast<int>(packet.size())), 0);
    TSpanStream stream(packet);
    EXPECT_EQ(set.readFrom(stream), 0);
    EXPECT_EQ(stream.remaining(), 1);
}

TEST(BadPackets, RecordReadersTreatAFailedPacketAsEmpty) {
    Bytes garbage = oneIntPacket();
    setU32(garbage, 16, 9);

    velmar_nameid n;
    n.id = 7;
    n.name = u"x";
    EXPECT_TRUE(n.fromPacket(garbage)); // no nested members: nothing can fail
    EXPECT_EQ(n.id, 0);
    EXPECT_TRUE(n.name.empty());

    velmar_artikel a;
    a.nameId.id = 3;
    a.konstType = 11;
    EXPECT_FALSE(a.fromPacket(garbage));
    EXPECT_EQ(a.nameId.id, 3);
    EXPECT_EQ(a.konstType, 0);

    velmar_vector<velmar_nameid> v;
    v.items.resize(2);
    EXPECT_TRUE(v.fromPacket(garbage));
    EXPECT_TRUE(v.items.empty());
    // (The exchange record parses as any set and reads an empty one as empty.)
}

TEST(BadPackets, UnknownKindsAreKeptAsBlocks) {
    Bytes packet = packetOf([](RpcPropertySet& s) { s.addText(4, "ab"); });
    setU32(packet, 20, 9);
    RpcPropertySet set;
    ASSERT_EQ(set.parse(packet.data(), static_cast<int>(packet.size())), 0);
    EXPECT_EQ(set.findItem(4).kind, 9u);
    EXPECT_EQ(set.findItem(4).block.size(), 3u);
    EXPECT_EQ(set.getInt(4), 0);
    EXPECT_EQ(set.toBytes(), packet);
}

TEST(BadPackets, ListsLongerThanAPacketCarries) {
    // Many one-byte elements, each of which would become a default record.
    RpcPropertySet tiny;
    for (std::uint32_t id = 1; id <= 64000; ++id) tiny.addBlock(id, Bytes{1});
    velmar_vector<velmar_zusatzartikel> list;
    EXPECT_FALSE(list.fromPacket(tiny.toBytes()));
    EXPECT_EQ(list.items.size(), kRpcMaxListElements);

    // Writers refuse such a list and write nothing.
    velmar_data d;
    d.zusatzartikel.items.resize(kRpcMaxListElements + 1);
    TMemoryStream stream;
    EXPECT_FALSE(d.write(stream));
    EXPECT_EQ(stream.size(), 0);
    d.zusatzartikel.items.pop_back();
    EXPECT_TRUE(d.write(stream));
    velmar_data back;
    EXPECT_TRUE(back.fromPacket(stream.bytes()));
    EXPECT_EQ(back.zusatzartikel.items.size(), kRpcMaxListElements);
}
