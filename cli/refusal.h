#pragma once
// Why a record refuses its packet, in words a host developer can act on: the
// meaning of the stream's error code and the byte offset where the fault
// lies. Shared by vmpacket and the demo host; uses only what the component's
// library exports.

#include <cstdint>
#include <span>
#include <string>

// The meaning of a lastError code of RpcPropertySet ("item data run past the
// packet's end").
std::string packetErrorText(int code);

// Why `packet` does not read as the record whose default packet is
// `defaults` (the record's own write of a default record, which tells which
// of its members are nested records): the first fault in member order, with
// its offset from the start of `packet`. Empty when no fault is found.
std::string packetRefusal(std::span<const std::uint8_t> packet,
                          std::span<const std::uint8_t> defaults);
