#pragma once
// The calculation service's own records, returned with a cut (material and
// wall-connection data), and velmar_CutInfo that carries them to the host.
// Component and service link the same code, so both sides agree on the tags.
// Every writer sets version 1; readers reject version 2 and higher.

#include <vector>

#include "model/records.h"

// Material data of a cut. Meanings are set by the service; fields are named
// by type and tag.
struct KSP_MATERIAL : public RpcReadWrite {
    int int1 = 0;          // 1
    int int2 = 0;          // 2
    WideText text3;        // 3
    WideText text4;        // 4
    WideText text5;        // 5
    NarrowText narrow6;    // 6  narrow
    NarrowText narrow7;    // 7  narrow
    NarrowText narrow8;    // 8  narrow
    NarrowText narrow9;    // 9  narrow
    NarrowText narrow10;   // 10 narrow
    double double11 = 0.0; // 11
    double double12 = 0.0; // 12
    bool flag13 = false;   // 13
    bool flag14 = false;   // 14
    int int15 = 0;         // 15
    int int16 = 0;         // 16
    int int17 = 0;         // 17
    int int18 = 0;         // 18
    int int19 = 0;         // 19
    int int20 = 0;         // 20
    int int21 = 0;         // 21
    int int22 = 0;         // 22
    WideText text23;       // 23
    double double24 = 0.0; // 24
    double double25 = 0.0; // 25

    void writePacket(PacketWriter& out) const override;
    bool
    readPacket(std::span<const std::uint8_t> packet) override; // true for every version below 2

    bool operator==(const KSP_MATERIAL&) const = default;
};

// One entry of a wall connection.
struct KSP_WA_NAMEID : public RpcReadWrite {
    int number = 0; // 1
    WideText name;  // 2

    void writePacket(PacketWriter& out) const override;
    bool
    readPacket(std::span<const std::uint8_t> packet) override; // true for every version below 2

    bool operator==(const KSP_WA_NAMEID&) const = default;
};

// A wall connection: its own id and name, and its entries.
// Tag 1: nameId as a nested record. Tag 2: the entries as a nested packet
// (version 1) whose items are the entries' packets at tags 1, 2, 3, ...
// (ending at the first missing tag). Chain 1, 2.
struct KSP_WANDANSCHLUSS : public RpcReadWrite {
    velmar_nameid nameId;               // 1 nested
    std::vector<KSP_WA_NAMEID> entries; // 2 nested list from 1

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;

    bool operator==(const KSP_WANDANSCHLUSS&) const = default;
};

// Extra information returned with a cut; not streamed.
struct velmar_CutInfo {
    std::vector<KSP_MATERIAL> materials;
    bool flag1 = false;
    bool flag2 = false;
    std::vector<KSP_WANDANSCHLUSS> wallConnections;

    bool operator==(const velmar_CutInfo&) const = default;
};
