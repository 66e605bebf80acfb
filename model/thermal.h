#pragma once
// The thermal transmittance of a window, Uw, after EN ISO 10077-1: the
// element's visible glass area, glass perimeter and projected frame area from
// its size and the visible face widths of its profiles, and Uw from them.
// No Qt: the component computes with it, its tests check it alone.

namespace thermal {

// The reference size of a single-sash window (mm) for which Uw is declared
// (EN 14351-1) when the element's own size is not known.
inline constexpr double kReferenceWidth = 1230.0;
inline constexpr double kReferenceHeight = 1480.0;

// Uw = (Ag·Ug + Af·Uf + lg·Psi) / (Ag + Af), areas in m², lg in m, Ug and
// Uf in W/(m²K), Psi in W/(mK). 0 when Ag + Af is not positive.
double Uw(double ag, double ug, double af, double uf, double lg, double psi);

// One element as its profiles make it. Lengths in millimetres: the visible
// face widths as the catalogue gives them (a frame, mullion or astragal from
// its edge to the glass it holds itself; a sash the width it adds beyond the
// glass stop of the profile that holds it).
struct Element {
    double width = 0, height = 0;
    double frame = 0;
    double sash = 0;       // 0: fixed glazing, the glass sits in the frame
    int mullions = 0;      // vertical, the fields between them equally wide
    double mullion = 0;    // face width of a mullion
    bool astragal = false; // each field two sashes meeting at an astragal
    double astragalWidth = 0;
    // Uf of each profile with the sash it holds, W/(m²K).
    double ufFrame = 0, ufMullion = 0, ufAstragal = 0;
    double ug = 0;  // W/(m²K)
    double psi = 0; // W/(mK); 0 for glass without edge seal
};

// What Uw is made of. uf is the frame sections' Uf weighted by their areas,
// so that Uw follows from these figures by the formula above.
struct Figures {
    double uw = 0, af = 0, ag = 0, lg = 0, uf = 0, ug = 0, psi = 0;
};

// The element's figures. False (and `out` zeroed) when a value is missing
// (a face width, Uf or Ug not positive where the element needs it) or when
// the profiles leave no glass.
bool Compute(const Element& element, Figures& out);

} // namespace thermal
