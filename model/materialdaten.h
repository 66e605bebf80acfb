#pragma once
// Materialdaten: the exchange record of every request to the calculation
// service and of every answer. Component and service link the same code, so
// its fields and tags are the contract between them.
//
// Use: fill the request fields and lists, write() (resets the item set and
// appends the request's items), serialize and send; parse the answer into the
// same object, read() (assigns every field from the answer's items).
//
// Fields have readable names where the component or the service gives them a
// meaning, else a name made of type and tag (int7, text28). The tag, type and
// write rule of every field live in one table, Materialdaten::scalarFields();
// the lists in Materialdaten::listFields(). Lists are named as in
// model/ks_lists.h.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "model/ks_lists.h"
#include "model/records.h"

class Materialdaten : public RpcPropertySet {
public:
    // ---- scalar fields, in declaration order (tag, when written) ----------
    int hostKey1 = 0;                  // 1   always; request header: host key 1, or 1 / an
                                       //     argument in queries without a form
    int hostKey2 = 0;                  // 3   always; request header: host key 2, or the
                                       //     query's first integer argument
    int requestKind = 0;               // 9   always; 2 for requests of a form, 1 for most
                                       //     queries without one
    double double2 = -1.0;             // 2   always
    int systemId = 0;                  // 4   > 0; profile system, or a query argument
    int int7 = 0;                      // 7   > 0
    int int8 = 0;                      // 8   > 0
    int elementCode = 0;               // 5   > 0; element code, or a query argument
    int elementSubcode = 0;            // 123 > 0; element subcode, or the chamber (1, 2)
    int glassId = 0;                   // 15  > 0
    int colourId = 0;                  // 10  > 0
    int int11 = 0;                     // 11  > 0
    int int6 = 0;                      // 6   > 0, or whenever systemId is 8404, 10089 or 9541
    int int27 = 0;                     // 27  > 0
    int int67 = 0;                     // 67  > 0
    int frameId = 0;                   // 60  > 0
    int mullionId = 0;                 // 61  > 0
    int sashId = 0;                    // 62  > 0
    int astragalId = 0;                // 64  > 0
    int articleId = 0;                 // 63  > 0; the article (or colour) a query is about;
                                       //     answer of the sash-size check
    int beadSashSideId = 0;            // 65  > 0; glazing bead of sash and bars
    int beadFrameSideId = 0;           // 114 > 0; glazing bead of frame and mullion
    int int66 = 0;                     // 66  > 0
    int profile6Id = 0;                // 111 > 0
    int profile7Id = 0;                // 112 > 0
    int profile9Id = 0;                // 113 > 0
    int couplingVerticalId = 0;        // 119 > 0
    int couplingHorizontalId = 0;      // 121 > 0
    int int122 = 0;                    // 122 > 0
    int profile8Id = 0;                // 124 > 0
    int int104 = 0;                    // 104 > 0
    int int105 = -1;                   // 105 always
    int rollerShutterMax = 0;          // 81  > 0; answer: roller-shutter size limit (max)
    int rollerShutterMin = 0;          // 82  > 0; answer: roller-shutter size limit (min)
    int int115 = 0;                    // 115 > 0
    WideText text116;                  // 116 not empty
    std::vector<std::uint8_t> drawing; // 80 never written: answer only; drawing data of
                                       //    an article, or a picture (JPEG)
    std::vector<std::uint8_t> block86; // 86 never written: answer only
    WideText text28;                   // 28  not empty
    WideText text87;                   // 87  not empty
    WideText text88;                   // 88  not empty
    WideText text89;                   // 89  not empty
    WideText text90;                   // 90  not empty
    WideText text91;                   // 91  not empty
    WideText text92;                   // 92  not empty
    WideText text93;                   // 93  not empty

    // ---- lists, in declaration order (base tag) ----------------------------
    std::vector<velmar_nameid> systems;                // 4000
    std::vector<velmar_nameid> colours;                // 5000
    std::vector<velmar_nameid> ornaments;              // 7000
    std::vector<velmar_nameid> nameid6000;             // 6000
    std::vector<velmar_nameid> nameid13000;            // 13000
    std::vector<velmar_stahl> reinforcements;          // 46000
    std::vector<velmar_artikel> frames;                // 1000
    std::vector<velmar_artikel> sashes;                // 2000
    std::vector<velmar_artikel> mullions;              // 3000
    std::vector<velmar_artikel> astragals;             // 18000
    std::vector<velmar_artikel> articleTexts1;         // 38000 (also ornaments of a glass)
    std::vector<velmar_artikel> beadsSashSide;         // 39000 (also articleTexts2())
    std::vector<velmar_artikel> beadsFrameSide;        // 44000
    std::vector<velmar_artikel> barsGlassDividing;     // 41000
    std::vector<velmar_artikel> barsAdhesive;          // 42000
    std::vector<velmar_artikel> barsInternal;          // 43000
    std::vector<velmar_artikel> barsViennese;          // 50000
    std::vector<velmar_artikel> glasses;               // 45000
    std::vector<velmar_artikel> couplingsVertical;     // 47000
    std::vector<velmar_artikel> couplingsHorizontal;   // 16000
    std::vector<velmar_rollkasten> rollerShutterBoxes; // 48000
    std::vector<velmar_nameid> nameid51000;            // 51000
    std::vector<velmar_cutpos> cutPositions;           // 40000
    std::vector<velmar_cutpos> accessoryPositions;     // 17000
    std::vector<KSP_MATERIAL> materials;               // 20000
    std::vector<KSP_WANDANSCHLUSS> wallConnections;    // 49000

    // ---- scalar fields after the lists -------------------------------------
    double thermalValue = -1.0;    // 14  > 0; answer: thermal value of a cut
    double dimension12 = -1.0;     // 12  > 0
    double dimension13 = -1.0;     // 13  > 0
    double dimension19 = -1.0;     // 19  > 0
    int int110 = 0;                // 110 always; query argument (e.g. a reinforcement id)
    bool flag84 = false;           // 84  always
    bool fireProtectionOk = false; // 83  always; answer of the fire-protection check
    bool option1 = false;          // 106 always; host flag option1 of the configuration
    bool serviceFlag = false;      // 117 always; the host's service flag
    bool option2 = false;          // 118 always; host flag option2
    bool flag120 = false;          // 120 always
    bool option3 = false;          // 125 always; host flag option3

    // The article-text list of a cut travels under the same base as the
    // sash-side glazing beads.
    std::vector<velmar_artikel>& articleTexts2() { return beadsSashSide; }
    const std::vector<velmar_artikel>& articleTexts2() const { return beadsSashSide; }

    // Resets the item set, then writes the request's packet in one pass:
    // scalars by their write rules in the fixed item order, then every list.
    // A list longer than listCapacity is cut there (its tags would reach the
    // next base) and the result is false.
    bool write();
    // Assigns every field from the set's items: absent scalars become 0, 0.0,
    // false or empty (constructor defaults do not survive); lists are rebuilt
    // with getList, each ending at its first missing tag and after at most
    // listCapacity elements, where the next list's base begins (so a full
    // list is not continued with its neighbour's elements, and reading costs
    // time proportional to the items); the two blocks are replaced by the
    // answer's (or emptied).
    void read();
    // Elements a list can hold before its tags reach the next base.
    static constexpr std::size_t listCapacity = 1000;
    // Copies the ids of the configuration's members into the request fields
    // (system, glass, beads, frame, sash, mullion, astragal, profiles 6 to 9,
    // couplings, colour).
    void fillFrom(const velmar_data& data);

    // ---- the field table ---------------------------------------------------
    enum class WriteRule {
        Always,
        Positive, // int or double > 0
        NotEmpty, // text not empty
        Never,    // answer-only block
        Tag6,     // > 0, or whenever systemId is 8404, 10089 or 9541
    };
    using ScalarMember =
        std::variant<int Materialdaten::*, double Materialdaten::*, bool Materialdaten::*,
                     WideText Materialdaten::*, std::vector<std::uint8_t> Materialdaten::*>;
    struct ScalarField {
        std::string_view name; // member name
        int tag;
        ScalarMember member;
        WriteRule rule;
    };
    // The 58 scalar fields in declaration order.
    static std::span<const ScalarField> scalarFields();
    // Tags of the scalar items in the order write() appends them (blocks 80
    // and 86 are never written).
    static std::span<const int> scalarWriteOrder();

    using ListMember = std::variant<
        std::vector<velmar_nameid> Materialdaten::*, std::vector<velmar_stahl> Materialdaten::*,
        std::vector<velmar_artikel> Materialdaten::*,
        std::vector<velmar_rollkasten> Materialdaten::*,
        std::vector<velmar_cutpos> Materialdaten::*, std::vector<KSP_MATERIAL> Materialdaten::*,
        std::vector<KSP_WANDANSCHLUSS> Materialdaten::*>;
    struct ListField {
        std::string_view name; // member name
        int base;              // element i travels under base + i
        ListMember member;
    };
    // The 26 lists in declaration order.
    static std::span<const ListField> listFields();
    // Bases of the lists in the order write() appends them.
    static std::span<const int> listWriteOrder();

    // Field or list by tag; nullptr when no field of that type has the tag.
    static const ScalarField* scalarField(int tag);
    static const ListField* listField(int base);
    int* intField(int tag);
    double* doubleField(int tag);
    bool* flagField(int tag);
    WideText* textField(int tag);
    std::vector<std::uint8_t>* blockField(int tag);
    std::vector<velmar_nameid>* nameidList(int base);
    std::vector<velmar_stahl>* stahlList(int base);
    std::vector<velmar_artikel>* artikelList(int base);
    std::vector<velmar_rollkasten>* rollkastenList(int base);
    std::vector<velmar_cutpos>* cutposList(int base);
    std::vector<KSP_MATERIAL>* materialList(int base);
    std::vector<KSP_WANDANSCHLUSS>* wallConnectionList(int base);

    bool operator==(const Materialdaten& other) const; // fields and lists only

private:
    bool sends(const ScalarField& f) const;
};
