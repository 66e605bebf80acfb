// Section drawings of the catalogue's profiles, made from their dimensions.
//
// A profile is drawn in its own coordinates: x across the depth, from the
// weather side (0) to the room side; y across the face width, from the edge
// that meets the wall or the next profile (0) towards the glass. A cut puts
// frame, sash, glazing bead, glass and reinforcement where they sit in the
// element, so the drawing reads like a fabricator's section.
//
// Visible layers hold the section itself; dimensions lie on "DIM_PROFILE"
// and "DIM_PROFILE_DETAIL", construction geometry on "ASSEMBLY", "Defpoints"
// and "MD_SKIZZE". Hiding those five leaves a clean section.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/ks_lists.h"

namespace sections {

enum class Kind {
    Frame,
    Sash,
    Mullion,
    Astragal,
    GlazingBead,
    GlazingBar,
    Coupling,
    RollerShutterBox,
    GuideRail,
    AddOn // additional and connection profiles: a plain chambered bar
};

enum class SteelShape { U, C, L, Tube, Z };

// A steel reinforcement as it lies in its chamber: width across the depth,
// height across the face width.
struct Steel {
    bool present = false;
    SteelShape shape = SteelShape::U;
    double width = 0, height = 0, wall = 0;
};

enum class BoxShape {
    TopMounted,       // sits on the frame, box as deep as the wall opening
    TopMountedInsect, // the same with an insect-screen roll beside the curtain
    FrontChamfered,   // in front of the wall, 45° chamfer below
    FrontRound,       // in front of the wall, rounded front
    FrontSquare       // in front of the wall, square (large installations)
};

enum class BarKind { GlassDividing = 1295, Adhesive = 1296, Internal = 1297, Viennese = 8377 };

// What a profile's drawing is made from. Lengths in millimetres.
struct Profile {
    Kind kind = Kind::Frame;
    std::string name;        // written on the sketch layer only
    double faceWidth = 0;    // across y; for a box its height, for a bead its height
    double depth = 0;        // across x; for a box its depth, for a bead its width
    int chambers = 0;        // hollow chambers of the extrusion
    double wall = 2.8;       // outer wall
    double rebateHeight = 0; // height of the glass stop above the body
    double glassRebate = 0;  // room-side width left for glass and bead
    double overlap = 0;      // sash: how far its room-side leg laps over the frame
    int gaskets = 2;         // gasket levels; 3 adds the middle gasket
    bool aluminium = false;  // two shells joined by insulating bars
    bool softline = false;   // glazing bead: rounded instead of square
    BarKind bar = BarKind::GlassDividing;
    bool cornerCoupling = false;         // coupling: joins at 90°
    BoxShape box = BoxShape::TopMounted; // roller-shutter box
    double curtainSlat = 39;             // roller-shutter box: slat height
    Steel steel1, steel2;                // chamber 1 (main) and chamber 2
};

// The glass of a cut. buildUp as written on the order ("4/16/4",
// "VSG 33.1/14/4/14/4"); an empty or unreadable one gives a double glazing
// of the thickness. A panel is one solid infill.
struct Glass {
    double thickness = 24;
    std::string buildUp;
    bool panel = false;
};

// One pane or cavity of a glass, weather side first.
struct GlassLayer {
    bool pane = true;
    double thickness = 0;
};
std::vector<GlassLayer> GlassLayers(const Glass& glass);

// One position of an element as the cut shows it. `carrier` is a frame, a
// mullion or a glass-dividing bar; it holds the sash or, without sash, the
// glass directly. With `coupling` the drawing joins a mirrored copy of the
// position below the coupling; with `box` the position is drawn as the head
// of the element with the box above it (and `addOn` as the box's
// connection profile between box and frame).
struct Cut {
    Profile carrier;
    std::optional<Profile> sash;
    std::optional<Profile> bead; // holds the glass in the sash or the carrier
    std::optional<Glass> glass;
    std::optional<Profile> coupling;
    std::optional<Profile> box;
    std::optional<Profile> addOn;
};

struct Bounds {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
};

// Where a part of a cut ended up, for callers and tests.
struct Part {
    std::string role; // "carrier", "sash", "bead", "glass", "steel1", "coupling", ...
    Bounds bounds;
};

struct Drawing {
    std::string dxf; // a complete DXF file
    Bounds bounds;   // of the visible section
    std::vector<Part> parts;
};

// Layer names (the contract's, see model/ks_lists.h).
inline constexpr const char* kLayerProfile = ks_layer::profile;
inline constexpr const char* kLayerSteel = ks_layer::steel;
inline constexpr const char* kLayerGasket = ks_layer::gasket;
inline constexpr const char* kLayerGlass = ks_layer::glass;
inline constexpr const char* kLayerBead = ks_layer::bead;
inline constexpr const char* kLayerInsulation = ks_layer::insulation;
inline constexpr const char* kLayerCurtain = ks_layer::curtain;

// The catalogue drawing of one article.
Drawing DrawProfile(const Profile& profile);

// The section of a cut. A cut whose carrier has no usable size gives a
// drawing with no section entities (still a valid file).
Drawing DrawCut(const Cut& cut);

} // namespace sections
