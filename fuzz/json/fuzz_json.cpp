// Feeds arbitrary input to vmpacket's JSON codec. The first byte chooses the
// record type; the rest is JSON text to encode, or (when it is no JSON) a
// packet to decode. Checks that whatever decodes encodes again, and that
// encode and decode agree after one round (a first round may normalise:
// NaN becomes null, null becomes 0).
#include "model/json_codec.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// JSON -> packet -> JSON -> packet: the second packet is stable.
void settles(std::string_view type, const std::vector<std::uint8_t>& packet) {
    const auto decoded = vmjson::decodePacket(type, packet);
    check(decoded.has_value());
    const auto again = vmjson::encodePacket(type, decoded->record);
    check(again.has_value());
    const auto decodedAgain = vmjson::decodePacket(type, *again);
    check(decodedAgain.has_value());
    const auto third = vmjson::encodePacket(type, decodedAgain->record);
    check(third.has_value() && *third == *again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::span<const std::string_view> types = vmjson::recordTypes();
    const std::string_view type = types[data[0] % types.size()];
    const std::span<const std::uint8_t> rest(data + 1, size - 1);

    const vmjson::json input = vmjson::json::parse(rest.begin(), rest.end(), nullptr, false);
    if (!input.is_discarded()) {
        std::string error;
        const auto packet = vmjson::encodePacket(type, input, &error);
        if (packet)
            settles(type, *packet);
        else
            check(!error.empty());
        return 0;
    }
    const auto decoded = vmjson::decodePacket(type, rest);
    if (!decoded) return 0;
    const auto packet = vmjson::encodePacket(type, decoded->record);
    check(packet.has_value());
    settles(type, *packet);
    return 0;
}
