#pragma once
// Text conversions of the JSON form (and of the tools that print texts):
// wide texts as UTF-8 (an unpaired surrogate becomes U+FFFD), narrow texts
// one byte per character U+0000 to U+00FF, and base64. Apart from the JSON
// codec so that a caller who only converts a text does not compile the JSON
// library.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/packet.h"

namespace vmjson {

struct JsonCodecError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string utf8FromWide(const WideText& text);
WideText wideFromUtf8(std::string_view utf8); // throws JsonCodecError on bad UTF-8
std::string utf8FromBytes(const NarrowText& bytes);
NarrowText bytesFromUtf8(std::string_view utf8); // throws on characters above U+00FF
std::string base64Encode(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> base64Decode(std::string_view text); // throws on bad input

} // namespace vmjson
