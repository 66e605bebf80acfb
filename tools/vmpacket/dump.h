#pragma once
// Human-readable listing of a packet: version, header word, item count, then
// every item (tag, kind, length, value). A block that is itself a complete
// packet is listed nested and indented; wide texts and narrow texts are shown
// as quoted text, other blocks as hex.

#include <cstdint>
#include <span>
#include <string>

// False with a reason in `error` when the packet does not parse; `out` then
// holds nothing.
bool dumpPacket(std::span<const std::uint8_t> packet, std::string& out, std::string& error);
