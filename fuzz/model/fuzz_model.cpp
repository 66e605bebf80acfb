// Feeds arbitrary bytes to parse, to readFrom and to every record's read, and
// checks what a parsed packet must satisfy.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/json_codec.h"

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

// Inputs above this size are only read and written, not checked by a second
// round, to keep the executions per second up.
constexpr std::size_t kCheckedSize = 4096;

template <class R> void readAs(std::span<const std::uint8_t> bytes) {
    R record;
    record.fromPacket(bytes);
    const std::vector<std::uint8_t> packet = record.toPacket();
    if (bytes.size() > kCheckedSize) return;
    // Whatever was read must write and read back to the same record (compared
    // as packets, so NaN values compare too).
    R again;
    check(again.fromPacket(packet));
    check(again.toPacket() == packet);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const int length = static_cast<int>(size > 0x7fffffff ? 0x7fffffff : size);

    // parse: on success the packet writes back byte for byte, apart from the
    // total length, the version float, the flag and reserved bytes, and any
    // unused bytes at the end of the packet's data area.
    RpcPropertySet set;
    if (set.parse(data, length) == 0) {
        std::uint32_t total;
        std::memcpy(&total, data, 4);
        const std::vector<std::uint8_t> again = set.toBytes();
        check(again.size() <= total);
        check(std::memcmp(again.data() + 12, data + 12, again.size() - 12) == 0);
    } else {
        check(set.itemCount() == 0 && set.lastError != 0);
    }
    // In place: the same items as the copy holds, or the same refusal.
    RpcPropertySet inPlace;
    const int result = inPlace.parseInPlace(data, length);
    check(result == set.parse(data, length) && inPlace.lastError == set.lastError);
    check(result != 0 || inPlace.toBytes() == set.toBytes());

    // readFrom: packets one after the other, never past the end.
    TSpanStream stream(bytes);
    for (int i = 0; i < 4; ++i) {
        RpcPropertySet next;
        const std::int64_t before = stream.position();
        if (next.readFrom(stream) != 0) break;
        check(stream.position() > before && stream.position() <= stream.size());
    }

    // One record type per input, chosen by a reserved byte of the head (byte
    // 9, which readers ignore), so a large packet costs one read, not twelve.
    const unsigned selector = size > 9 ? data[9] : static_cast<unsigned>(size);
    switch (selector % 14) {
    case 0:
        readAs<velmar_data>(bytes);
        break;
    case 1:
        readAs<velmar_nameid>(bytes);
        break;
    case 2:
        readAs<velmar_stahl>(bytes);
        break;
    case 3:
        readAs<velmar_artikel>(bytes);
        break;
    case 4:
        readAs<velmar_zusatzartikel>(bytes);
        break;
    case 5:
        readAs<velmar_rollkasten>(bytes);
        break;
    case 6:
        readAs<velmar_vec_artikel>(bytes);
        break;
    case 7:
        readAs<velmar_oeffnung_artikel>(bytes);
        break;
    case 8:
        readAs<velmar_cutpos>(bytes);
        break;
    case 9:
        readAs<KSP_MATERIAL>(bytes);
        break;
    case 10:
        readAs<KSP_WA_NAMEID>(bytes);
        break;
    case 11:
        readAs<KSP_WANDANSCHLUSS>(bytes);
        break;
    case 12: {
        velmar_vector<velmar_zusatzartikel> list;
        list.fromPacket(bytes);
        const std::vector<std::uint8_t> packet = list.toPacket();
        velmar_vector<velmar_zusatzartikel> again;
        again.fromPacket(packet);
        check(again.toPacket() == packet);
        break;
    }
    default: {
        Materialdaten answer;
        answer.parse(data, length);
        answer.read();
        answer.write();
        const std::vector<std::uint8_t> request = answer.toBytes();
        Materialdaten again;
        check(again.parse(request.data(), static_cast<int>(request.size())) == 0);
        if (size <= kCheckedSize) (void)vmjson::toJson(answer).dump();
        break;
    }
    }
    return 0;
}
