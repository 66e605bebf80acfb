#pragma once
// Types of the host interface that the component's own modules share with
// the host: the mode and element-form values and the change callback.

// Passed to vm_create and vm_setMode; no value has an effect.
enum eEmMode : int {
    emDefault = 0,
};

// Forwarded unchanged, as an integer, to the calculation service with the
// profile-system request; the values are the service's, so any int may be
// cast to it.
enum eCompForm : int {
    cfDefault = 0,
};

// Change codes passed to the callback.
enum eChangeCode : int {
    ccSummary = 1,        // sent last, once, after any of 2 to 10
    ccRahmen = 2,         // frame
    ccFluegel = 3,        // sash
    ccPfosten = 4,        // mullion
    ccStulp = 5,          // astragal
    ccGlas = 6,           // glass or one of the two glazing beads, once per row
    ccKopplungSenk = 7,   // vertical coupling profile
    ccKopplungWaag = 8,   // horizontal coupling profile
    ccRollkasten = 9,     // roller-shutter box
    ccFarbe = 10,         // colour
    ccSystemChanged = 11, // profile series changed; sent alone
};

// Called on the host's user-interface thread, inside the form's event
// handling; `user` is the callbackUser given to vm_create.
using vm_changeCallback = void (*)(const int code, void* user);

// The side of a cut whose openings an accessory query works on: one of the
// three openings of each cut position, or all three.
enum VM_CUT_LAGE : int {
    clAll = 0,
    clOpening1 = 151,
    clOpening2 = 152,
    clOpening3 = 153,
};

// Kinds of glazing bar.
enum VM_KONST_TYPE : int {
    ktSprosseGlasteilend = 1295, // glass-dividing
    ktSprosseKlebe = 1296,       // adhesive, on the glass faces
    ktSprosseInnen = 1297,       // internal, in the cavity
    ktSprosseWiener = 8377,      // Viennese: adhesive with a spacer between the panes
};

// The window's thermal transmittance Uw after EN ISO 10077-1 and what it is
// made of, as vm_getUw gives it. SI units; zero throughout when there is no
// value. uw = (ag·ug + af·uf + lg·psi) / (ag + af), and ag + af is the
// element's area.
struct velmar_uw {
    double uw = 0.0;  // W/(m²K)
    double af = 0.0;  // projected frame area (frame, sash, mullion, astragal), m²
    double ag = 0.0;  // visible glass area, m²
    double lg = 0.0;  // visible glass perimeter, m
    double uf = 0.0;  // Uf of the frame, its sections weighted by their areas, W/(m²K)
    double ug = 0.0;  // Ug of the glass, W/(m²K)
    double psi = 0.0; // PsiG of the glass edge, W/(mK); 0 for glass without edge seal
    double width = 0.0, height = 0.0; // element size used, mm
    bool referenceSize = false;       // no size from the host: the standard's 1230 × 1480 mm
};
