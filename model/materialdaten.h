#pragma once
// Materialdaten: the exchange record of every request to the calculation
// service and of every answer. Component and service link the same code, so
// its fields and tags are the contract between them.
//
// Use: fill the request fields and lists, write() (resets the item set and
// appends the request's items), serialize and send; parse the answer into the
// same object, read() (assigns every field from the answer's items).
//
// Every field is named by what the component or the service makes of it;
// fields of the contract that neither side gives a meaning are the spare
// ones, carried unchanged. The tag, type and write rule of every field live
// in one table, Materialdaten::scalarFields() (materialdaten.cpp); the lists'
// bases in Materialdaten::listFields() and model/ks_lists.h.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "model/ks_lists.h"
#include "model/records.h"

class Materialdaten : public RpcPropertySet {
public:
    // ---- scalar fields, in declaration order --------------------------------
    // Request header: host key 1 (1 or an argument in queries without a form),
    // host key 2 (the query's first integer argument there), and the kind: 2
    // for a form's requests, 1 for most queries without one.
    int hostKey1 = 0;
    int hostKey2 = 0;
    int requestKind = 0;
    double psiG = -1.0;  // edge-seal value of the glass, with the series request
    int systemId = 0;    // profile series, or a query argument
    int elementForm = 0; // the host's element form, with the series request
    int spareInt1 = 0;
    int elementCode = 0;    // element code, or a query argument
    int elementSubcode = 0; // element subcode, or the chamber (1, 2) of a reinforcement
    int glassId = 0;
    int colourId = 0;
    int queryColour = 0; // the colour once more, where the exported queries send it
    int spareInt2 = 0;   // written also at 0 for some series (WriteRule::PositiveOrSeries)
    int spareInt3 = 0;
    int spareInt4 = 0;
    int frameId = 0;
    int mullionId = 0;
    int sashId = 0;
    int astragalId = 0;
    int articleId = 0;       // the article (or colour) a query is about; answer of the
                             // sash-size check
    int beadSashSideId = 0;  // glazing bead of sash and bars
    int beadFrameSideId = 0; // glazing bead of frame and mullion
    int curtainId = 0;       // the curtain whose colours a box query asks
    int profile6Id = 0;
    int profile7Id = 0;
    int profile9Id = 0;
    int couplingVerticalId = 0;
    int couplingHorizontalId = 0;
    int cutSecondValue = 0; // the cut's second integer (velmar_cut::intValue2)
    int profile8Id = 0;
    int spareInt5 = 0;
    int spareInt6 = -1;
    int rollerShutterMax = 0; // answer: widest element for a box (mm)
    int rollerShutterMin = 0; // answer: narrowest element for a box (mm)
    int spareInt7 = 0;
    WideText cutText;                     // answer: the text of a cut
    std::vector<std::uint8_t> drawing;    // answer only: drawing of an article, or a
                                          // picture (JPEG)
    std::vector<std::uint8_t> spareBlock; // answer only
    WideText spareText1;
    WideText spareText2;
    WideText spareText3;
    WideText spareText4;
    WideText spareText5;
    WideText spareText6;
    WideText spareText7;
    WideText spareText8;

    // ---- lists, in declaration order ----------------------------------------
    std::vector<velmar_nameid> systems;
    std::vector<velmar_nameid> colours;
    std::vector<velmar_nameid> ornaments;
    std::vector<velmar_nameid> spareNameIds1;
    std::vector<velmar_nameid> spareNameIds2;
    std::vector<velmar_stahl> reinforcements;
    std::vector<velmar_artikel> frames;
    std::vector<velmar_artikel> sashes;
    std::vector<velmar_artikel> mullions;
    std::vector<velmar_artikel> astragals;
    std::vector<velmar_artikel> articleTexts1; // also ornaments of a glass
    std::vector<velmar_artikel> beadsSashSide; // also articleTexts2()
    std::vector<velmar_artikel> beadsFrameSide;
    std::vector<velmar_artikel> barsGlassDividing;
    std::vector<velmar_artikel> barsAdhesive;
    std::vector<velmar_artikel> barsInternal;
    std::vector<velmar_artikel> barsViennese;
    std::vector<velmar_artikel> glasses;
    std::vector<velmar_artikel> couplingsVertical;
    std::vector<velmar_artikel> couplingsHorizontal;
    std::vector<velmar_rollkasten> rollerShutterBoxes;
    std::vector<velmar_nameid> spareNameIds3;
    std::vector<velmar_cutpos> cutPositions;
    std::vector<velmar_cutpos> accessoryPositions;
    std::vector<KSP_MATERIAL> materials;
    std::vector<KSP_WANDANSCHLUSS> wallConnections;

    // ---- scalar fields after the lists -------------------------------------
    double thermalValue = -1.0;      // answer: Uf of a cut; the height in the sash-size check
    double firstDimension = -1.0;    // a width or length (the sash-size check's width)
    double secondDimension = -1.0;   // a second dimension
    double glassWeight = -1.0;       // kg/m², for the sash-size check
    int queryArgument = 0;           // a query's argument: a side, a kind, a curtain
    bool frameSpecialRebate = false; // the frame takes special-rebate beads; the host's
                                     // flag of the sash-size check
    bool fireProtectionOk = false;   // answer of the fire-protection check
    bool option1 = false;            // host flag option1 of the configuration
    bool serviceFlag = false;        // the host's service flag
    bool option2 = false;            // host flag option2
    bool sashSpecialRebate = false;  // the sash takes special-rebate beads; the cut's flag
    bool option3 = false;            // host flag option3

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
        Positive,         // int or double > 0
        NotEmpty,         // text not empty
        Never,            // answer-only block
        PositiveOrSeries, // > 0, or whenever systemId is 8404, 10089 or 9541
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
