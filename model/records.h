#pragma once
// The configuration record exchanged with the host (velmar_data), its member
// records, and the records of the cut query. Every streamable record writes
// itself as one packet of tagged items (model/rpc_property.h) and reads itself
// back by tag; the tag of each field is given beside it.
//
// Reading rules shared by every record:
// - a packet of version 2 or higher is rejected: false, record unchanged;
// - nested members are read in write order as a chain: after the first one
//   that is missing or unreadable, the later ones are not read and keep their
//   values; the result is the chain's;
// - scalars and texts are always read; a missing one becomes 0, 0.0, false or
//   empty.
//
// All records are value types with deep copy. Meanings of the neutrally named
// fields (intValue, value1, ...) are set by the calculation service.

#include <cstdint>
#include <string>
#include <vector>

#include "model/rpc_property.h"

// Everything with an id and a name.
class adg_nameid_props : public RpcReadWrite {
public:
    virtual WideText getName() const = 0;
    virtual int getId() const = 0;
    virtual bool isDefault() const = 0;

    bool operator==(const adg_nameid_props&) const = default;
};

// An entry with id and name: profile systems, colours, the head of every
// article.
class velmar_nameid : public adg_nameid_props {
public:
    int id = 0;              // 1  identifier given by the service
    WideText name;           // 2  display name
    bool isDefault_ = false; // 3  the service's default entry of a list ("isDefault")
    int intValue = 0;        // 4  flags word of the service (system: bit 1 aluminium
                             //    cladding; box: bits 1/2 left/right overhang;
                             //    glass article: 2 = no edge seal)
    double value1 = 0.0;     // 5  glass article: Ug
    double value2 = 0.0;     // 6  glass article: PsiG

    void writePacket(PacketWriter& out) const override;
    bool
    readPacket(std::span<const std::uint8_t> packet) override; // true for every version below 2
    WideText getName() const override { return name; }
    int getId() const override { return id; }
    bool isDefault() const override { return isDefault_; }

    bool operator==(const velmar_nameid&) const = default;
};

// A steel reinforcement of a profile; a glass article uses its first one for
// the ornament or function glass.
class velmar_stahl : public adg_nameid_props {
public:
    velmar_nameid nameId; // 1  nested
    bool flag = false;    // 2
    double value1 = 0.0;  // 3
    double value2 = 0.0;  // 4
    double value3 = 0.0;  // 5
    WideText text;        // 6

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;
    WideText getName() const override { return nameId.name; }
    int getId() const override { return nameId.id; }
    bool isDefault() const override { return nameId.isDefault_; }

    bool operator==(const velmar_stahl&) const = default;
};

// One article: a profile, a glazing bead, a coupling, the glass.
// Write order 1..10; chain 1, 2, 3, 4.
class velmar_artikel : public adg_nameid_props {
public:
    velmar_nameid nameId; // 1  nested: id, name and default mark
    WideText text1;       // 5
    double value1 = 0.0;  // 6
    double value2 = 0.0;  // 8
    int intValue = 0;     // 7  glass article: spacer code (1..11, 0 none)
    velmar_stahl steel1;  // 2  nested; glass article: the ornament
    velmar_stahl steel2;  // 3  nested
    velmar_stahl steel3;  // 4  nested
    int konstType = 0;    // 9  construction type (11 frame, 23 sash, 24 mullion,
                          //    25 astragal, 26 glazing bead, 43 see getName)
    WideText text2;       // 10

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;
    // The name of nameId; with konstType 43 and a steel1 of id > 0 and a
    // non-empty name: "<nameId.name>, <steel1 name>".
    WideText getName() const override;
    int getId() const override { return nameId.id; }
    bool isDefault() const override { return nameId.isDefault_; }

    bool operator==(const velmar_artikel&) const = default;
};

// A glass as the host hands glass lists to the service (vm_setGlaeser): a
// glass article.
class velmar_glas : public velmar_artikel {};

// An additional article (accessory of a profile or of a roller-shutter box).
// Answers getName/getId/isDefault from artikel.nameId. Chain 1, 2.
class velmar_zusatzartikel : public adg_nameid_props {
public:
    velmar_artikel artikel; // 1  nested
    velmar_nameid nameId;   // 2  nested
    int intValue1 = 0;      // 3
    int intValue2 = 0;      // 4
    NarrowText text1;       // 5  narrow
    NarrowText text2;       // 6  narrow
    NarrowText text3;       // 7  narrow
    int intValue3 = 0;      // 8
    int intValue4 = 0;      // 9

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;
    WideText getName() const override { return artikel.nameId.name; }
    int getId() const override { return artikel.nameId.id; }
    bool isDefault() const override { return artikel.nameId.isDefault_; }

    bool operator==(const velmar_zusatzartikel&) const = default;
};

// The roller-shutter box with its parts. Answers getName/getId/isDefault from
// box. Write order 1, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18;
// chain 1, 2, 10, 11, 12, 13; tag 16 is read whatever the chain gave and does
// not count for the result.
class velmar_rollkasten : public adg_nameid_props {
public:
    velmar_nameid box;               // 1  nested: box type (id 0 = none); intValue bits
                                     //    1/2: left/right overhang allowed
    velmar_nameid part2;             // 2  nested: construction type of the box
    velmar_nameid part3;             // 12 nested: drive
    velmar_nameid part4;             // 13 nested: curtain
    velmar_nameid part5;             // 16 nested: curtain colour
    double size1 = 0.0;              // 5
    double size2 = 0.0;              // 6
    double size3 = 0.0;              // 7
    double size4 = 0.0;              // 17
    double size5 = 0.0;              // 8
    double size6 = 0.0;              // 9
    int intValue = 0;                // 18 operating side: 0 left, 1 right
    velmar_zusatzartikel accessory1; // 10 nested: guide rail
    velmar_zusatzartikel accessory2; // 11 nested
    bool flag1 = false;              // 14 box overhang on the left
    bool flag2 = false;              // 15 box overhang on the right

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;
    WideText getName() const override { return box.name; }
    int getId() const override { return box.id; }
    bool isDefault() const override { return box.isDefault_; }

    bool operator==(const velmar_rollkasten&) const = default;
};

// A streamable list: elements at tags 1, 2, 3, ... of a version-0 packet. Its
// read does not look at the version and returns the list's result.
template <class T> class velmar_vector : public RpcReadWrite {
public:
    std::vector<T> items;

    void writePacket(PacketWriter& out) const override {
        const PacketWriter::Frame frame = out.open(PacketWriter::listItems(items), 0);
        out.putList(1, items);
        out.close(frame);
    }
    bool readPacket(std::span<const std::uint8_t> packet) override {
        return PacketView(packet).getList(items, 1, kRpcMaxListElements, true);
    }

    bool operator==(const velmar_vector&) const = default;
};

// A streamable list of articles: elements at tags 1, 2, 3, ... of a
// version-1 packet.
class velmar_vec_artikel : public RpcReadWrite {
public:
    std::vector<velmar_artikel> items;

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;

    bool operator==(const velmar_vec_artikel&) const = default;
};

// The articles of one opening. Chain: 2, then the list from 1000.
class velmar_oeffnung_artikel : public RpcReadWrite {
public:
    int number = 0;                           // 1
    velmar_vec_artikel artikel;               // 2 nested
    std::vector<velmar_zusatzartikel> zusatz; // elements at 1000, 1001, ...

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;

    bool operator==(const velmar_oeffnung_artikel&) const = default;
};

// One position of a cut or of an accessory list. Chain 2, 3, 4.
class velmar_cutpos : public RpcReadWrite {
public:
    int number = 0;                   // 1
    velmar_oeffnung_artikel opening1; // 2 nested
    velmar_oeffnung_artikel opening2; // 3 nested
    velmar_oeffnung_artikel opening3; // 4 nested
    bool flag1 = false;               // 5
    double value1 = 0.0;              // 6
    double value2 = 0.0;              // 7
    bool flag2 = true;                // 8
    int intValue = -1;                // 9

    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;

    bool operator==(const velmar_cutpos&) const = default;
};

// The configuration of one window or door element. Write order: 1, 2, 3, 4,
// 5, 6, 7, 8, 9, 13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27.
// Chain 1..8, 15..19, 21, 22, 24; tags 26 and 27 are read whatever the chain
// gave and do not count for the result. option3 is never streamed.
class velmar_data : public RpcReadWrite {
public:
    velmar_artikel rahmen;        // 1  frame profile
    velmar_artikel fluegel;       // 2  sash profile
    velmar_artikel pfosten;       // 3  mullion profile
    velmar_artikel stulp;         // 4  astragal profile
    velmar_artikel glasleisteF;   // 7  glazing bead of sash and glazing bars
    velmar_artikel glasleisteR;   // 18 glazing bead of frame and mullion
    velmar_artikel profile6;      // 15 carried for host and service
    velmar_artikel profile7;      // 16 carried for host and service
    velmar_artikel profile8;      // 26 carried for host and service
    velmar_artikel profile9;      // 17 carried for host and service
    velmar_artikel kopplungSenk;  // 21 vertical coupling profile
    velmar_artikel kopplungWaag;  // 22 horizontal coupling profile
    velmar_artikel glas;          // 6  glass: nameId.value1 Ug, nameId.value2 PsiG,
                                  //    intValue spacer code, steel1 ornament
    velmar_rollkasten rollkasten; // 24 roller-shutter box
    velmar_nameid system;         // 5  profile system (series)
    velmar_nameid selection2;     // 8  carried for host and service
    velmar_nameid farbe;          // 19 colour; id -1 by default
    WideText text;                // 25 free text
    double systemValue = 0.0;     // 9  numeric property of the chosen system
    double ufValue = 0.0;         // 13 frame thermal value
    bool option1 = false;         // 20 use aluminium cladding shells
    bool option2 = false;         // 23 second option flag
    bool option3 = false;         // -  set through the host; not streamed
    velmar_vector<velmar_zusatzartikel> zusatzartikel; // 27 additional articles

    velmar_data();

    // The host's own entry points (exported by the component).
    bool write(TStream& stream) const override;
    bool read(TStream& stream) override;
    void writePacket(PacketWriter& out) const override;
    bool readPacket(std::span<const std::uint8_t> packet) override;

    bool operator==(const velmar_data&) const = default;
};

// Result record of the cut query; not streamed.
struct velmar_cut {
    std::vector<velmar_cutpos> positions;
    int intValue = 0;
    velmar_data data;
    bool flag = false;
    int intValue2 = 0;

    bool operator==(const velmar_cut&) const = default;
};

// The service's own records and velmar_CutInfo (which holds them).
#include "model/ksp_records.h"
