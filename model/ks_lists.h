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
constexpr int systems = 4000;      // profile series (main form, series dialog)
constexpr int colours = 5000;      // colours (main form, colour dialog)
constexpr int ornaments = 7000;    // reserved; ornaments of a glass travel in glassOrnaments
constexpr int nameid6000 = 6000;   // reserved
constexpr int nameid13000 = 13000; // reserved
constexpr int nameid51000 = 51000; // reserved

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

// Request tags of the dialog queries that the record's own tags leave open.
namespace ks_request {

// _KS_getRollKastenZubehoer and _KS_getRollKastenFuehrungen
constexpr int boxId = 63;             // the box
constexpr int boxAccessoryKind = 110; // 182 drives, 254 curtains, 269 curtain colours
constexpr int curtainId = 66;         // kind 269: the curtain whose colours are asked

constexpr int kindDrives = 182;
constexpr int kindCurtains = 254;
constexpr int kindCurtainColours = 269;

} // namespace ks_request

// Construction types (velmar_artikel::konstType) of the catalogue's articles.
namespace ks_konst {

constexpr int frame = 11;
constexpr int coupling = 18;
constexpr int sash = 23;
constexpr int mullion = 24;
constexpr int astragal = 25;
constexpr int glazingBead = 26;
constexpr int glass = 43; // a glass, named with its ornament (steel1)
constexpr int additionalProfile = 30;
constexpr int rollerShutterBox = 170;
constexpr int guideRail = 171;

} // namespace ks_konst

// Bits of a coupling article's nameId.intValue.
namespace ks_coupling {

constexpr int bothChambers = 0x10; // its reinforcement fills both chambers
constexpr int vertical = 0x20;
constexpr int horizontal = 0x40;

} // namespace ks_coupling
