#pragma once
// Which list of the exchange record (Materialdaten) carries which candidate
// list, and the request fields of the service's queries where the component
// and the service agree on them beyond the record's own tags. Component and
// calculation service both include this header, so the two sides cannot
// drift apart. Each list value is the list's base tag: element i travels
// under tag base + i (at most 1000 elements).
//
// Who answers what (the service reads the request's current numbers:
// series in tag 4, colour in tag 10, frame 60, sash 62, glass 15):
//   _KS_getSystems        systems
//   _KS_getColors         colours of the series (cladding colours with option1)
//   _KS_getArtikel        frames, sashes, mullions of series and colour, each
//                         with its default reinforcements in steel1 (chamber 1)
//                         and steel2 (chamber 2)
//   _KS_getStulp          astragals
//   _KS_getKopplungen     couplingsVertical, couplingsHorizontal
//   _KS_getGlas           glasses
//   _KS_getGlasleisten    beadsFrameSide (frame tag 60), beadsSashSide (sash
//                         tag 62), both for the glass in tag 15
//   _KS_getRollkaesten    rollerShutterBoxes
//   _KS_getArtikelInc     reinforcements (profile tag 63, chamber tag 123)
//   _KS_getOrnamente      glassOrnaments (glass tag 15)
//   _KS_getRollKastenZubehoer  rollerShutterAccessories (see ks_request)
//   _KS_getRollKastenFuehrungen rollerShutterGuideRails
// Single answers: _KS_getUfValue and _KS_getUfForCut in tag 14, the sash
// check in tag 63, the fire-protection check in flag 83, the roller-shutter
// limits in tags 82 (narrowest) and 81 (widest element, mm).
// Every list marks at most one entry as default (isDefault).

namespace ks_list {

// velmar_nameid lists
constexpr int systems = 4000;        // profile series (main form, series dialog)
constexpr int colours = 5000;        // colours (main form, colour dialog)
constexpr int ornaments = 7000;      // reserved; ornaments of a glass travel in glassOrnaments
constexpr int spareNameIds1 = 6000;  // reserved
constexpr int spareNameIds2 = 13000; // reserved
constexpr int spareNameIds3 = 51000; // reserved

// velmar_stahl list
constexpr int reinforcements = 46000; // steel reinforcements of one chamber

// velmar_artikel lists
constexpr int frames = 1000;               // Rahmen
constexpr int sashes = 2000;               // Flügel
constexpr int mullions = 3000;             // Pfosten
constexpr int astragals = 18000;           // Stulpprofile
constexpr int glasses = 45000;             // Verglasung
constexpr int beadsFrameSide = 44000;      // glazing beads, frame / mullion side
constexpr int beadsSashSide = 39000;       // glazing beads, sash / bar side
constexpr int couplingsVertical = 47000;   // Kopplungsprofil senkrecht
constexpr int couplingsHorizontal = 16000; // Kopplungsprofil waagerecht
constexpr int barsGlassDividing = 41000;   // glazing bars, kind 1295
constexpr int barsAdhesive = 42000;        // glazing bars, kind 1296
constexpr int barsInternal = 43000;        // glazing bars, kind 1297
constexpr int barsViennese = 50000;        // glazing bars, kind 8377
constexpr int articleTexts1 = 38000;       // article texts of a cut, first list
constexpr int articleTexts2 = 39000;       // article texts of a cut, second list
// Ornament and function glasses of one glass; entry 0 (id 0) stands for none.
constexpr int glassOrnaments = 38000;
// Drives, curtains or curtain colours of a roller-shutter box, by the kind
// asked for (ks_request::boxAccessoryKind).
constexpr int rollerShutterAccessories = 38000;

// Add-on profiles above or below the frame (_KS_getAufbauprofilOben and
// _KS_getAufbauprofilUnten); the result is taken when it holds exactly one.
constexpr int buildOnProfiles = 38000;

// velmar_rollkasten list
constexpr int rollerShutterBoxes = 48000;

// velmar_cutpos lists
constexpr int cutPositions = 40000;       // positions of a cut
constexpr int accessoryPositions = 17000; // accessory positions with wall profiles
// Guide rails of a box: the zusatz list of opening1 of the first position of
// the cut-position list.
constexpr int rollerShutterGuideRails = 40000;

// service records
constexpr int materials = 20000;       // KSP_MATERIAL
constexpr int wallConnections = 49000; // KSP_WANDANSCHLUSS

} // namespace ks_list

// Request and answer tags whose meaning component and service agree on
// beyond the exchange record's own field table (Materialdaten).
namespace ks_request {

constexpr int elementCode = 5; // the element; oneArticle asks for one article's drawing
constexpr int article = 63;    // the article, box or colour a query is about
constexpr int chamber = 123;   // _KS_getArtikelInc: the reinforcement's chamber, 1 or 2
// Bead reload of the main form: the chosen frame / sash takes the special
// glazing bead (profile flag specialRebate).
constexpr int frameSpecialRebate = 84;
constexpr int sashSpecialRebate = 120;
// Set by the service in its answer to _KS_getSystems when the element's
// aluminium-cladding choice must not change; the series dialog then keeps
// its cladding option off. The reference service never sets it.
constexpr int claddingLock = 83;

// _KS_getRollKastenZubehoer and _KS_getRollKastenFuehrungen
constexpr int boxId = 63;             // the box
constexpr int boxAccessoryKind = 110; // 182 drives, 254 curtains, 269 curtain colours
constexpr int curtainId = 66;         // kind 269: the curtain whose colours are asked

constexpr int kindDrives = 182;
constexpr int kindCurtains = 254;
constexpr int kindCurtainColours = 269;

} // namespace ks_request

// Single answers.
namespace ks_answer {

constexpr int drawing = 80;          // byte block: DXF of a cut or article, JPEG of a colour
constexpr int spareBlock = 86;       // byte block, answer only
constexpr int thermalValue = 14;     // Uf of a frame and sash or of a cut
constexpr int sashCheck = 63;        // 1 fits, 2..7 the limit exceeded, 0 sash unknown
constexpr int fireProtection = 83;   // _KS_checkBrand: fire-rated
constexpr int rollerShutterMin = 82; // narrowest element (mm)
constexpr int rollerShutterMax = 81; // widest element (mm)

} // namespace ks_answer

// Element codes (request tag 5) with a meaning of their own.
namespace ks_element {

constexpr int oneArticle = 151; // _KS_getCut: the drawing of one article
constexpr int door = 337;
constexpr int doorLeafAsFrame = 338; // a door whose leaf is shown as frame

} // namespace ks_element

// Cut sides of the accessory queries: one opening of each cut position, or
// all three.
namespace ks_side {

constexpr int all = 0;
constexpr int opening1 = 151;
constexpr int opening2 = 152;
constexpr int opening3 = 153;

} // namespace ks_side

// Construction types (velmar_artikel::konstType) of the catalogue's articles.
namespace ks_konst {

constexpr int frame = 11;
constexpr int rollerShutterPart = 16; // accessory left out of cuts with a box
constexpr int coupling = 18;
constexpr int sash = 23;
constexpr int mullion = 24;
constexpr int astragal = 25;
constexpr int glazingBead = 26;
constexpr int additionalProfile = 30;
constexpr int connectionProfile = 31;
constexpr int glass = 43; // a glass, named with its ornament (steel1)
constexpr int rollerShutterBox = 170;
constexpr int guideRail = 171;
// Glazing bars by kind
constexpr int barGlassDividing = 1295;
constexpr int barAdhesive = 1296;
constexpr int barInternal = 1297;
constexpr int barViennese = 8377;

} // namespace ks_konst

// Bits of a series entry's intValue.
namespace ks_system {
constexpr int claddingOffered = 0x1; // aluminium cladding shells can be fitted
}

// Bits of a profile article's nameId.intValue.
namespace ks_profile {
constexpr int specialRebate = 0x4; // takes the special glazing bead
}

// Bits of a glass article's nameId.intValue.
namespace ks_glass {
constexpr int noEdgeSeal = 0x2; // a panel or single glass: no PsiG, no spacer
}

// Bits of a coupling article's nameId.intValue.
namespace ks_coupling {

constexpr int bothChambers = 0x10; // its reinforcement fills both chambers
constexpr int vertical = 0x20;
constexpr int horizontal = 0x40;

} // namespace ks_coupling

// Bits of a roller-shutter box entry's box.intValue.
namespace ks_box {
constexpr int overhangLeft = 0x1;
constexpr int overhangRight = 0x2;
} // namespace ks_box

// Bits of a colour entry's intValue: its group, base body and gasket.
namespace ks_colour {

constexpr int noFoil = 0x1;
constexpr int lumeraOutside = 0x4;
constexpr int lumeraBoth = 0x8;
constexpr int texelaOutside = 0x400;
constexpr int kolorinOutside = 0x800;
constexpr int kolorinBoth = 0x1000;
constexpr int texelaBoth = 0x2000;
constexpr int ralOneColour = 0x4000;
constexpr int ralTwoColours = 0x8000;
constexpr int ralStandard = 0x10000;
constexpr int ralSpecial = 0x20000;
constexpr int ralPremium = 0x40000;
constexpr int decorBoth = 0x200000;
constexpr int decorOutside = 0x400000;
constexpr int groups = noFoil | lumeraOutside | lumeraBoth | texelaOutside | kolorinOutside |
                       kolorinBoth | texelaBoth | ralOneColour | ralTwoColours | ralStandard |
                       ralSpecial | ralPremium | decorBoth | decorOutside;

constexpr int bodyWhite = 0x10;
constexpr int bodyBrown = 0x20;
constexpr int bodyOchre = 0x40;
constexpr int bodyDarkGrey = 0x80000;
constexpr int gasketWhite = 0x100;
constexpr int gasketGrey = 0x200;
constexpr int gasketBlack = 0x80;
constexpr int gasketPapyrusWhite = 0x100000;

} // namespace ks_colour

// Layers of the service's drawings. Hiding the construction layers leaves a
// clean section.
namespace ks_layer {

inline constexpr const char* profile = "PROFIL";
inline constexpr const char* steel = "STAHL";
inline constexpr const char* gasket = "DICHTUNG";
inline constexpr const char* glass = "GLAS";
inline constexpr const char* bead = "GLASLEISTE";
inline constexpr const char* insulation = "DAEMMUNG";
inline constexpr const char* curtain = "PANZER";
// Construction geometry: glass axis and marks, dimensions, definition
// points, the sketch frame with the article's name.
inline constexpr const char* assembly = "ASSEMBLY";
inline constexpr const char* dimensions = "DIM_PROFILE";
inline constexpr const char* dimensionDetails = "DIM_PROFILE_DETAIL";
inline constexpr const char* definitionPoints = "Defpoints";
inline constexpr const char* sketch = "MD_SKIZZE";
inline constexpr const char* construction[] = {assembly, dimensions, dimensionDetails,
                                               definitionPoints, sketch};

} // namespace ks_layer

// Texts. Wide texts are UTF-16; narrow texts (velmar_zusatzartikel's keys,
// KSP_MATERIAL's items 6 to 10) are UTF-8.
