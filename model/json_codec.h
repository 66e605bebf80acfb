#pragma once
// JSON form of the records, for tools and the demo host.
//
// Shape:
// - a record is an object whose keys are its member names (rahmen, nameId,
//   isDefault, konstType, opening1, zusatz, option3, ...); nested records are
//   objects; std::vector, velmar_vector and velmar_vec_artikel members are
//   arrays;
// - wide texts are JSON strings (UTF-16 <-> UTF-8; an unpaired surrogate
//   becomes U+FFFD); narrow texts are strings in which each byte is one
//   character U+0000 to U+00FF, so every byte round-trips; bools are
//   true/false; ints and doubles are numbers (a NaN or infinite double is
//   written as null, read back as 0);
// - Materialdaten uses "t<tag>" for its scalars (texts as strings, the two
//   answer blocks as base64) and "l<base>" for its lists, e.g. "t9": 2,
//   "t84": true, "l40000": [...]. Every scalar and every list is written.
//
// Reading (fromJson): members missing from the JSON keep their values; an
// unknown key or a value of the wrong type throws JsonCodecError naming the
// key's path.

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/materialdaten.h"
#include "model/text_codec.h"

namespace vmjson {

// Objects keep their keys in member order.
using json = nlohmann::ordered_json;

json toJson(const velmar_nameid& r);
json toJson(const velmar_stahl& r);
json toJson(const velmar_artikel& r);
json toJson(const velmar_zusatzartikel& r);
json toJson(const velmar_rollkasten& r);
json toJson(const velmar_vec_artikel& r);
json toJson(const velmar_oeffnung_artikel& r);
json toJson(const velmar_cutpos& r);
json toJson(const velmar_data& r);
json toJson(const velmar_cut& r);
json toJson(const velmar_CutInfo& r);
json toJson(const KSP_MATERIAL& r);
json toJson(const KSP_WA_NAMEID& r);
json toJson(const KSP_WANDANSCHLUSS& r);
json toJson(const Materialdaten& r);

void fromJson(const json& j, velmar_nameid& r);
void fromJson(const json& j, velmar_stahl& r);
void fromJson(const json& j, velmar_artikel& r);
void fromJson(const json& j, velmar_zusatzartikel& r);
void fromJson(const json& j, velmar_rollkasten& r);
void fromJson(const json& j, velmar_vec_artikel& r);
void fromJson(const json& j, velmar_oeffnung_artikel& r);
void fromJson(const json& j, velmar_cutpos& r);
void fromJson(const json& j, velmar_data& r);
void fromJson(const json& j, velmar_cut& r);
void fromJson(const json& j, velmar_CutInfo& r);
void fromJson(const json& j, KSP_MATERIAL& r);
void fromJson(const json& j, KSP_WA_NAMEID& r);
void fromJson(const json& j, KSP_WANDANSCHLUSS& r);
void fromJson(const json& j, Materialdaten& r);

// ---- by type name ------------------------------------------------------------
// The record types a packet can be decoded as / encoded from: velmar_data,
// velmar_nameid, velmar_stahl, velmar_artikel, velmar_zusatzartikel,
// velmar_rollkasten, velmar_cutpos, velmar_oeffnung_artikel, Materialdaten
// (and the service's KSP_MATERIAL, KSP_WANDANSCHLUSS, KSP_WA_NAMEID).
std::span<const std::string_view> recordTypes();
bool isRecordType(std::string_view type);

struct Decoded {
    bool read = false; // the record's read() result (Materialdaten: always true)
    json record;
};

// Decodes the packet at the start of `packet` as `type` with the record's
// own read (Materialdaten: parse, then read()). nullopt with a one-line
// reason in `error` when the type is unknown or the packet is malformed (does
// not parse as a packet).
std::optional<Decoded> decodePacket(std::string_view type, std::span<const std::uint8_t> packet,
                                    std::string* error = nullptr);

// Builds the record from JSON over its defaults and writes it with its own
// write (Materialdaten: write(), then the packet). nullopt with a reason in
// `error` for an unknown type or a JSON value that does not fit the record.
std::optional<std::vector<std::uint8_t>> encodePacket(std::string_view type, const json& record,
                                                      std::string* error = nullptr);

} // namespace vmjson
