// A frame profile section as a catalogue author would draw it: contour with
// rounded corners, chambers, hatched steel reinforcement, gaskets, a screw
// block, texts, dimensions and the five construction layers.
#pragma once

#include "dxf/dxf_writer.h"

inline dxf::Builder SampleSection() {
    using namespace dxf;
    constexpr double B = 0.41421356237309503; // quarter circle
    Builder b;
    b.AddLayer("KONTUR", 7, 50);
    b.AddLayer("KAMMER", 8, 25);
    b.AddLayer("STAHL", 5, 25);
    b.AddLayer("DICHTUNG", 250, 25);
    b.AddLayer("TEXT", 7, 18);
    b.AddLayer("ASSEMBLY", 1, 13);
    b.AddLayer("DIM_PROFILE", 3, 18);
    b.AddLayer("DIM_PROFILE_DETAIL", 4, 13);
    b.AddLayer("Defpoints", 7, 13);
    b.AddLayer("MD_SKIZZE", 6, 13);

    b.AddPolyline({"KONTUR"},
                  {{2, 0, 0},
                   {68, 0, B},
                   {70, 2, 0},
                   {70, 50, B},
                   {68, 52, 0},
                   {62, 52, 0},
                   {62, 78, B},
                   {60, 80, 0},
                   {56, 80, B},
                   {54, 78, 0},
                   {54, 58, 0},
                   {10, 58, 0},
                   {10, 62, 0},
                   {2, 62, B},
                   {0, 60, 0},
                   {0, 2, B}},
                  true);
    b.AddArc({"KONTUR"}, {70, 30, 0}, 3, 270, 90); // outer weather lip
    b.AddEllipse({"KONTUR"}, Ellipse{{35, 2, 0}, {3, 0, 0}, 0.33, 0, 6.283185307179586});
    const auto chamber = [&](double x0, double y0, double x1, double y1) {
        const double r = 1, q = B;
        b.AddPolyline({"KAMMER"},
                      {{x0 + r, y0, 0},
                       {x1 - r, y0, q},
                       {x1, y0 + r, 0},
                       {x1, y1 - r, q},
                       {x1 - r, y1, 0},
                       {x0 + r, y1, q},
                       {x0, y1 - r, 0},
                       {x0, y0 + r, q}},
                      true);
    };
    chamber(4, 4, 20, 54);
    chamber(23, 4, 47, 54);
    chamber(50, 4, 66, 48);
    b.AddCircle({"KAMMER"}, {12, 30, 0}, 2);

    std::vector<Vertex> steel = {{25, 6, 0}, {45, 6, 0}, {45, 40, 0}, {43, 40, 0},
                                 {43, 8, 0}, {27, 8, 0}, {27, 40, 0}, {25, 40, 0}};
    b.AddPolyline({"STAHL"}, steel, true);
    b.AddHatch({"STAHL"}, {steel}, "ANSI31", 45, 1.2);

    Style gasket{"DICHTUNG"};
    gasket.rgb = 0x303030;
    const std::vector<Vertex> lip = {{54, 80, 0}, {56, 80, 0}, {56, 83, 1}, {54, 83, 0}};
    b.AddHatch(gasket, {lip});
    b.AddPolyline(gasket, lip, true);

    // The outer gasket's sealing lip, a curve as gasket makers draw it.
    dxf::Spline lipCurve;
    lipCurve.degree = 3;
    lipCurve.knots = {0, 0, 0, 0, 1, 2, 2, 2, 2};
    lipCurve.controlPoints = {{70, 8, 0}, {74, 8, 0}, {76, 12, 0}, {73, 16, 0}, {70, 16, 0}};
    b.AddSpline(gasket, lipCurve);

    b.BeginBlock("SCHRAUBE");
    b.AddCircle({"0"}, {0, 0, 0}, 1.5);
    b.AddLine({"0"}, {-2, 0, 0}, {2, 0, 0});
    b.AddLine({"0"}, {0, -2, 0}, {0, 2, 0});
    b.EndBlock();
    b.AddInsert({"KONTUR", 1}, "SCHRAUBE", {35, 20, 0});
    b.AddInsert({"KONTUR", 1}, "SCHRAUBE", {35, 48, 0}, 0.8, 45);

    b.AddText({"TEXT"}, {0, -14, 0}, 3, "Rahmen 70 mm");
    b.AddText({"TEXT"}, {58, 86, 0}, 2, "Glasfalz", 0, HAlign::Center);
    b.AddMText({"TEXT"}, {0, -19, 0}, 2, "Profil VM-70\nStahl 1,5 mm \xC2\xB7 Uf 1,1", 1);
    b.AddSolid({"TEXT", 1}, {-4, -14, 0}, {-2, -14, 0}, {-4, -12, 0}, {-2, -12, 0});

    b.AddDimension({"DIM_PROFILE"}, {0, 0, 0}, {70, 0, 0}, -6, 2.5);
    b.AddDimension({"DIM_PROFILE"}, {0, 80, 0}, {0, 0, 0}, -8, 2.5);
    b.AddDimension({"DIM_PROFILE_DETAIL"}, {23, 54, 0}, {47, 54, 0}, 10, 1.8);
    b.AddLine({"ASSEMBLY"}, {35, -4, 0}, {35, 88, 0});
    b.AddLine({"ASSEMBLY"}, {-4, 30, 0}, {74, 30, 0});
    b.AddCircle({"Defpoints"}, {0, 0, 0}, 0.5);
    b.AddPolyline({"MD_SKIZZE"}, {{-15, -25, 0}, {85, -25, 0}, {85, 95, 0}, {-15, 95, 0}}, true);
    return b;
}
