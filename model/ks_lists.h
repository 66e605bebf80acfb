#pragma once
// Which list of the exchange record (Materialdaten) carries which candidate
// list. Component and calculation service both include this header, so the
// two sides cannot drift apart. Each value is the list's base tag: element i
// travels under tag base + i.

namespace ks_list {

// velmar_nameid lists
constexpr int systems = 4000;   // profile series (main form, series dialog)
constexpr int colours = 5000;   // colours (main form, colour dialog)
constexpr int ornaments = 7000; // ornament glasses; entry 0 stands for none
constexpr int nameid6000 = 6000;   // reserved
constexpr int nameid13000 = 13000; // reserved
constexpr int nameid51000 = 51000; // reserved

// velmar_stahl list
constexpr int reinforcements = 46000; // steel reinforcements of one chamber

// velmar_artikel lists
constexpr int frames = 1000;             // Rahmen
constexpr int sashes = 2000;             // Flügel
constexpr int mullions = 3000;           // Pfosten
constexpr int astragals = 18000;         // Stulpprofile
constexpr int glasses = 45000;           // Verglasung
constexpr int beadsFrameSide = 44000;    // glazing beads, frame / mullion side
constexpr int beadsSashSide = 39000;     // glazing beads, sash / bar side
constexpr int couplingsVertical = 47000; // Kopplungsprofil senkrecht
constexpr int couplingsHorizontal = 16000; // Kopplungsprofil waagerecht
constexpr int barsGlassDividing = 41000; // glazing bars, kind 1295
constexpr int barsAdhesive = 42000;      // glazing bars, kind 1296
constexpr int barsInternal = 43000;      // glazing bars, kind 1297
constexpr int barsViennese = 50000;      // glazing bars, kind 8377
constexpr int articleTexts1 = 38000;     // article texts of a cut, first list
constexpr int articleTexts2 = 39000;     // article texts of a cut, second list

// velmar_rollkasten list
constexpr int rollerShutterBoxes = 48000;

// velmar_cutpos lists
constexpr int cutPositions = 40000;       // positions of a cut
constexpr int accessoryPositions = 17000; // accessory positions with wall profiles

// service records
constexpr int materials = 20000;        // KSP_MATERIAL
constexpr int wallConnections = 49000;  // KSP_WANDANSCHLUSS

} // namespace ks_list
