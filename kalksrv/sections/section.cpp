#include "kalksrv/sections/section.h"

#include "kalksrv/sections/pen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sections {

using namespace detail;

namespace {

constexpr const char* kDim = ks_layer::dimensions;
constexpr const char* kDimDetail = ks_layer::dimensionDetails;
constexpr const char* kAssembly = ks_layer::assembly;
constexpr const char* kSketch = ks_layer::sketch;

// Gaps of the assembly: air between sash and frame rebate (more with a
// middle gasket), the glazing gaskets' gap at each glass face, the setting
// block under the glass and the gap the sash's inner gasket bridges.
double RebateAir(const Profile& p) {
    return p.gaskets >= 3 ? 5 : 4;
}
constexpr double kGlazingGap = 3;
constexpr double kSettingBlock = 5;
constexpr double kInnerGasketGap = 3;

// Where a profile takes glass or a sash, in its own coordinates.
struct Seat {
    bool valid = false;
    double bodyTop = 0;  // y of the body under the glass or sash
    double legFace = 0;  // x of the glass stop's room-side face
    double legTop = 0;   // y of the stop's top edge
    double roomFace = 0; // x of the room-side face
};

// What drawing one profile produced, in its own coordinates.
struct Drawn {
    std::vector<P> outline;
    std::vector<Seat> seats; // up to two; the second one mirrored (mullion)
    std::vector<Place> seatPlaces;
    std::optional<Rect> steel1, steel2;
    double sashStep = 0;   // sash: x of the step that rides on the frame's stop
    double sashBottom = 0; // sash: y of the part that sits in the frame's rebate
    bool ok = false;
};

struct Options {
    bool dimensions = true;    // dimension lines (catalogue drawing)
    bool glazingGasket = true; // frame or mullion holds the glass itself
    bool keys = true;          // coupling and add-on: click keys on their faces
};

double TextHeight(double a, double b) {
    return std::clamp(std::max(a, b) / 28, 2.0, 7.0);
}

double OuterRadius(const Profile& p) {
    return p.aluminium ? 0.6 : 1.2;
}

bool Finite(double v) {
    return std::isfinite(v);
}

bool Usable(const Profile& p) {
    return Finite(p.faceWidth) && Finite(p.depth) && Finite(p.wall) && Finite(p.rebateHeight) &&
           Finite(p.glassRebate) && Finite(p.overlap) && p.faceWidth > 0.5 && p.depth > 0.5 &&
           p.faceWidth < 5000 && p.depth < 5000;
}

// Keeps values that would give a broken outline in range.
Profile Sane(Profile p) {
    p.wall = std::clamp(p.wall > 0 ? p.wall : 2.5, 0.8, std::min(p.faceWidth, p.depth) / 4);
    p.rebateHeight = std::clamp(p.rebateHeight, 0.0, p.faceWidth * 0.45);
    p.glassRebate = std::clamp(p.glassRebate, 0.0, p.depth * 0.85);
    p.overlap = std::clamp(p.overlap, 0.0, p.depth * 0.3);
    p.chambers = std::clamp(p.chambers, 0, 12);
    for (Steel* s : {&p.steel1, &p.steel2})
        if (!Finite(s->width) || !Finite(s->height) || !Finite(s->wall) || s->width <= 0 ||
            s->height <= 0)
            s->present = false;
    return p;
}

// Chambers of a profile: zones that hold one chamber each, plus the main
// zone that takes the rest and the steel.
struct ChamberPlan {
    std::vector<Rect> side;
    Rect main;
};

void DrawSteelIn(const Pen& pen, const Steel& steel, const Rect& chamber, std::optional<Rect>& at) {
    if (!steel.present) return;
    double w = steel.width, h = steel.height;
    const double clear = 1.2;
    if ((w > chamber.w() - clear || h > chamber.h() - clear) && h <= chamber.w() - clear &&
        w <= chamber.h() - clear)
        std::swap(w, h);
    w = std::min(w, chamber.w() - clear);
    h = std::min(h, chamber.h() - clear);
    if (w < 2 || h < 2) return;
    const P c = chamber.centre();
    const Rect box{c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
    const auto loops = SteelLoops(steel, box);
    pen.Fill(kLayerSteel, loops, kSteelFill);
    for (const auto& loop : loops) pen.Poly(kLayerSteel, loop);
    at = box;
}

// Draws the chambers and puts the reinforcements in. Aluminium profiles
// get an insulation zone with two insulating bars across the main zone.
void DrawChambers(const Pen& pen, const Profile& p, const ChamberPlan& plan, Drawn& d) {
    std::vector<Rect> side;
    for (const Rect& r : plan.side)
        if (r.usable(3)) side.push_back(r);
    int rest = std::max(0, p.chambers - static_cast<int>(side.size()));
    if (p.chambers > 0 && rest == 0 && side.size() > 0 && plan.main.usable(3)) {
        side.pop_back();
        rest = 1;
    }
    if (p.chambers == 0) side.clear();
    std::vector<Rect> chambers;
    const double web = std::max(0.8, p.wall * 0.75);
    const double steelW = p.steel1.present ? p.steel1.width + 2 : 0;
    if (rest > 0 && plan.main.usable(3)) {
        if (p.aluminium && plan.main.w() > 20) {
            const Rect& m = plan.main;
            const double x0 = m.x0 + m.w() * 0.38, x1 = m.x0 + m.w() * 0.60;
            const Rect outer{m.x0, m.y0, x0 - web / 2, m.y1}, inner{x1 + web / 2, m.y0, m.x1, m.y1};
            const int nOuter = std::max(1, rest / 2);
            for (const Rect& r : SplitAcross(outer, nOuter, web, nOuter / 2, 0))
                chambers.push_back(r);
            for (const Rect& r : SplitAcross(inner, std::max(1, rest - nOuter), web, 0, 0))
                chambers.push_back(r);
            // Insulation zone between the shells: foam and the two bars.
            const Rect foam{x0 + web / 2, m.y0, x1 - web / 2, m.y1};
            pen.Solid(kLayerInsulation, RoundRect(foam, 0.4), kFoamFill);
            const double bar = std::min(p.wall + 1.5, m.h() / 4);
            for (const Rect& r : {Rect{x0 - web, m.y0 - p.wall, x1 + web, m.y0 - p.wall + bar},
                                  Rect{x0 - web, m.y1 + p.wall - bar, x1 + web, m.y1 + p.wall}}) {
                pen.Fill(kLayerProfile, {RoundRect(r, 0.3)}, kInsulatingBar);
                pen.Poly(kLayerProfile, RoundRect(r, 0.3));
            }
        } else {
            for (const Rect& r : SplitAcross(plan.main, rest, web, rest / 2, steelW))
                chambers.push_back(r);
        }
    }
    for (const Rect& r : side) chambers.push_back(r);
    for (const Rect& r : chambers) pen.Poly(kLayerProfile, RoundRect(r, 0.8));

    if (chambers.empty()) return;
    // Chamber 1 is the widest of the main zone, chamber 2 the widest other
    // one that takes the second steel.
    std::size_t main = 0;
    for (std::size_t i = 0; i < chambers.size(); ++i)
        if (chambers[i].w() * chambers[i].h() > chambers[main].w() * chambers[main].h()) main = i;
    DrawSteelIn(pen, p.steel1, chambers[main], d.steel1);
    if (p.steel2.present) {
        std::optional<std::size_t> second;
        for (std::size_t i = 0; i < chambers.size(); ++i) {
            if (i == main) continue;
            if (!second ||
                chambers[i].w() * chambers[i].h() > chambers[*second].w() * chambers[*second].h())
                second = i;
        }
        if (second) DrawSteelIn(pen, p.steel2, chambers[*second], d.steel2);
    }
}

void DrawOutline(const Pen& pen, const Profile& p, const std::vector<P>& outline,
                 const char* layer) {
    pen.Poly(layer, Rounded(outline, OuterRadius(p)));
}

void SketchFrame(const Pen& pen, const std::vector<P>& outline, const std::string& name,
                 double th) {
    if (outline.empty()) return;
    Rect r{outline[0].x, outline[0].y, outline[0].x, outline[0].y};
    for (const P& q : outline) {
        r.x0 = std::min(r.x0, q.x);
        r.y0 = std::min(r.y0, q.y);
        r.x1 = std::max(r.x1, q.x);
        r.y1 = std::max(r.y1, q.y);
    }
    const double m = th * 1.5;
    pen.Poly(kSketch, RoundRect({r.x0 - m, r.y0 - m, r.x1 + m, r.y1 + m}, 0));
    pen.Text(kSketch, {r.x0 - m, r.y0 - th * 7}, th, name);
}

// --- the profile kinds ------------------------------------------------------

// Frame and the like: body below, the glass stop on the weather side.
Drawn DrawFrame(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double D = p.depth, W = p.faceWidth, w = p.wall;
    const bool leg = p.rebateHeight > 0 && p.glassRebate > 0;
    const double R = leg ? p.rebateHeight : 0, Hb = W - R;
    const double a = leg ? std::clamp(D - p.glassRebate, 2 * w + 1, D - 4) : D;
    d.outline = leg ? std::vector<P>{{0, 0}, {D, 0}, {D, Hb}, {a, Hb}, {a, W}, {0, W}}
                    : std::vector<P>{{0, 0}, {D, 0}, {D, W}, {0, W}};
    DrawOutline(pen, p, d.outline, kLayerProfile);
    ChamberPlan plan;
    plan.main = {w, w, D - w, Hb - w};
    if (leg) plan.side.push_back({w, Hb, a - w, W - w});
    DrawChambers(pen, p, plan, d);
    if (leg) {
        d.seats.push_back({true, Hb, a, W, D});
        d.seatPlaces.push_back({});
        const double air = RebateAir(p);
        pen.Solid(kLayerGasket, Gasket({a * 0.5, W}, 0, 1, air), kGasketFill);
        if (p.gaskets >= 3)
            pen.Solid(kLayerGasket, Gasket({a + (D - a) * 0.42, Hb}, 0, 1, air), kGasketFill);
        if (o.glazingGasket)
            pen.Solid(kLayerGasket, Gasket({a, W - 3.5}, 1, 0, kGlazingGap), kGasketFill);
    }
    if (o.dimensions) {
        const double th = TextHeight(D, W);
        pen.Dim(kDim, {D, 0}, {0, 0}, th * 3, th);
        pen.Dim(kDim, {0, 0}, {0, W}, th * 3, th);
        if (leg) {
            pen.Dim(kDimDetail, {D, Hb}, {D, W}, -th * 2.5, th);
            pen.Dim(kDimDetail, {a, W}, {D, W}, th * 2.5, th);
        }
    }
    d.ok = true;
    return d;
}

// Sash in Z form: the weather-side part rides over the frame's stop, the
// middle sits in the frame's rebate, the room-side leg laps over the frame.
Drawn DrawSash(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double D = p.depth, W = p.faceWidth, w = p.wall, air = RebateAir(p);
    const double R = p.rebateHeight > 0 ? p.rebateHeight : std::min(20.0, W * 0.25);
    const double gf = p.glassRebate > 0 ? p.glassRebate : D * 0.6;
    const double u = p.overlap >= kInnerGasketGap + 2 ? p.overlap : 0;
    const double Df = D - u;                                   // depth of the frame it fits
    const double a = std::clamp(Df - gf, 2 * w + 1, Df * 0.6); // that frame's stop
    const double step = a + 3;
    const double legS = std::clamp(D - gf, 2 * w + 1, D * 0.7);
    const double yR = u > 0 ? u + air : 0;
    const double yO = yR + R;
    const double yB = W - R;
    if (yB <= yO + 2 * w + 2) return DrawFrame(pen, p, o); // too flat for a Z sash
    if (u > 0)
        d.outline = {{Df + kInnerGasketGap, 0},
                     {D, 0},
                     {D, yB},
                     {legS, yB},
                     {legS, W},
                     {0, W},
                     {0, yO},
                     {step, yO},
                     {step, yR},
                     {Df + kInnerGasketGap, yR}};
    else
        d.outline = {{step, 0}, {D, 0}, {D, yB}, {legS, yB},
                     {legS, W}, {0, W}, {0, yO}, {step, yO}};
    DrawOutline(pen, p, d.outline, kLayerProfile);
    ChamberPlan plan;
    plan.main = {step + w, yR + w, D - w, yB - w};
    plan.side.push_back({w, yO + w, step - w * 0.6, W - w});
    DrawChambers(pen, p, plan, d);
    d.seats.push_back({true, yB, legS, W, D});
    d.seatPlaces.push_back({});
    d.sashStep = a;
    d.sashBottom = yR;
    if (u > 0)
        pen.Solid(kLayerGasket, Gasket({Df + kInnerGasketGap, yR * 0.45}, -1, 0, kInnerGasketGap),
                  kGasketFill);
    pen.Solid(kLayerGasket, Gasket({legS, W - 3.5}, 1, 0, kGlazingGap), kGasketFill);
    if (o.dimensions) {
        const double th = TextHeight(D, W);
        pen.Dim(kDim, {D, 0}, {0, 0}, th * 3, th);
        pen.Dim(kDim, {0, 0}, {0, W}, th * 3, th);
        pen.Dim(kDimDetail, {D, yB}, {D, W}, -th * 2.5, th);
        pen.Dim(kDimDetail, {legS, W}, {D, W}, th * 2.5, th);
        if (u > 0) pen.Dim(kDimDetail, {D, 0}, {D, yR}, -th * 2.5, th);
    }
    d.ok = true;
    return d;
}

// Mullion: a T whose stop carries glass or a sash on both sides.
Drawn DrawMullion(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double D = p.depth, W = p.faceWidth, w = p.wall;
    const double R = p.rebateHeight > 0 ? p.rebateHeight : std::min(20.0, W * 0.25);
    const double gf = p.glassRebate > 0 ? p.glassRebate : D * 0.6;
    const double a = std::clamp(D - gf, 2 * w + 1, D - 4);
    if (W - 2 * R < 2 * w + 3) return DrawFrame(pen, p, o);
    d.outline = {{0, 0}, {a, 0}, {a, R}, {D, R}, {D, W - R}, {a, W - R}, {a, W}, {0, W}};
    DrawOutline(pen, p, d.outline, kLayerProfile);
    ChamberPlan plan;
    plan.main = {w, R + w, D - w, W - R - w};
    plan.side = {{w, w, a - w, R}, {w, W - R, a - w, W - w}};
    DrawChambers(pen, p, plan, d);
    d.seats.push_back({true, W - R, a, W, D});
    d.seatPlaces.push_back({});
    d.seats.push_back({true, W - R, a, W, D});
    d.seatPlaces.push_back({0, W, 1, -1}); // the lower side, seen as a frame
    const double air = RebateAir(p);
    for (const Place& side : d.seatPlaces) {
        Pen s = pen.at(side);
        s.Solid(kLayerGasket, Gasket({a * 0.5, W}, 0, 1, air), kGasketFill);
        if (o.glazingGasket)
            s.Solid(kLayerGasket, Gasket({a, W - 3.5}, 1, 0, kGlazingGap), kGasketFill);
    }
    if (o.dimensions) {
        const double th = TextHeight(D, W);
        pen.Dim(kDim, {D, 0}, {0, 0}, th * 3, th);
        pen.Dim(kDim, {0, 0}, {0, W}, th * 3, th);
        pen.Dim(kDimDetail, {D, R}, {D, W - R}, -th * 2.5, th);
    }
    d.ok = true;
    return d;
}

// Astragal: a flat chambered bar with the weather-side flap that covers
// the joint between the two sashes.
Drawn DrawAstragal(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double D = p.depth, W = p.faceWidth, w = p.wall;
    const double f = std::clamp(D * 0.12, w * 2, 10.0), flap = std::min(14.0, W * 0.3);
    d.outline = {{0, -flap}, {f, -flap}, {f, 0}, {D, 0}, {D, W}, {0, W}};
    DrawOutline(pen, p, d.outline, kLayerProfile);
    ChamberPlan plan;
    plan.main = {w, w, D - w, W - w};
    DrawChambers(pen, p, plan, d);
    pen.Solid(kLayerGasket, Gasket({f, -flap * 0.5}, 1, 0, 3), kGasketFill);
    if (o.dimensions) {
        const double th = TextHeight(D, W);
        pen.Dim(kDim, {D, -flap}, {0, -flap}, th * 3, th);
        pen.Dim(kDim, {0, 0}, {0, W}, th * 3, th);
        pen.Dim(kDimDetail, {f, -flap}, {f, 0}, -th * 2.5, th);
    }
    d.ok = true;
    return d;
}

// Glazing bead: x from the glass side (0) to the room side, y from its foot.
Drawn DrawBead(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double bw = p.depth, bh = p.faceWidth;
    const double wb = std::min(1.6, std::min(bw, bh) / 4);
    if (p.softline) {
        const double r = std::min(bw, bh) * 0.6;
        d.outline = {{0, 0}, {bw, 0}, {bw, bh - r}, {bw - r, bh}, {0, bh}};
        std::vector<dxf::Vertex> v = Rounded(d.outline, 0.5);
        // The rounded top: replace the straight chamfer by a quarter arc.
        for (std::size_t i = 0; i + 1 < v.size(); ++i)
            if (std::abs(v[i].x - bw) < 0.6 && v[i].y > bh - r - 0.6 && v[i + 1].y > v[i].y + 1) {
                v[i].bulge = 0.41421356;
                break;
            }
        pen.Poly(kLayerBead, v);
    } else {
        const double c = std::min(bw, bh) * 0.22;
        d.outline = {{0, 0}, {bw, 0}, {bw, bh - c}, {bw - c, bh}, {0, bh}};
        pen.Poly(kLayerBead, Rounded(d.outline, 0.5));
    }
    if (bw >= 3 * wb + 3 && bh >= 3 * wb + 4) {
        const Rect ch{wb, wb, bw - wb, std::min(bh * 0.5, bh - std::min(bw, bh) * 0.6 - wb)};
        if (ch.usable(1.5)) pen.Poly(kLayerBead, RoundRect(ch, 0.5));
    }
    pen.Solid(kLayerGasket, Gasket({0, bh - 3.5}, -1, 0, kGlazingGap), kGasketFill);
    if (o.dimensions) {
        const double th = TextHeight(bw * 2, bh * 2);
        pen.Dim(kDim, {bw, 0}, {0, 0}, th * 3, th);
        pen.Dim(kDim, {bw, 0}, {bw, bh}, -th * 3, th);
    }
    d.ok = true;
    return d;
}

// Coupling and add-on profiles: a chambered bar, with click keys on the
// faces that meet the frames.
Drawn DrawBar(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double D = p.depth, W = p.faceWidth, w = p.wall;
    const bool keys = o.keys && D > 20;
    const double kw = 3, kh = 3.5;
    std::vector<P> out;
    const auto keyRow = [&](double y, double dir, bool forward) {
        std::vector<double> xs = {D * 0.28, D * 0.72};
        if (!forward) std::reverse(xs.begin(), xs.end());
        for (double x : xs) {
            const double s = forward ? 1 : -1;
            out.push_back({x - s * kw / 2, y});
            out.push_back({x - s * kw / 2, y + dir * kh});
            out.push_back({x + s * kw / 2, y + dir * kh});
            out.push_back({x + s * kw / 2, y});
        }
    };
    out.push_back({0, 0});
    if (keys) keyRow(0, -1, true);
    if (p.kind == Kind::Coupling && p.cornerCoupling && keys) {
        out.push_back({D, 0});
        for (double y : {W * 0.28, W * 0.72}) { // the second face at 90°
            out.push_back({D, y - kw / 2});
            out.push_back({D + kh, y - kw / 2});
            out.push_back({D + kh, y + kw / 2});
            out.push_back({D, y + kw / 2});
        }
        out.push_back({D, W});
    } else {
        out.push_back({D, 0});
        out.push_back({D, W});
    }
    if (keys && !p.cornerCoupling) keyRow(W, 1, false);
    out.push_back({0, W});
    d.outline = out;
    pen.Poly(kLayerProfile, Rounded(out, std::min(OuterRadius(p), W / 4)));
    ChamberPlan plan;
    plan.main = {w, w, D - w, W - w};
    DrawChambers(pen, p, plan, d);
    if (p.kind == Kind::Coupling && p.cornerCoupling && W > 20 && D > 20)
        pen.Line(kLayerProfile, {w, w}, {D - w, W - w}); // the mitre web of the corner
    if (o.dimensions) {
        const double th = TextHeight(D, W);
        pen.Dim(kDim, {D, 0}, {0, 0}, th * 3 + (keys ? kh : 0), th);
        pen.Dim(kDim, {0, 0}, {0, W}, th * 3, th);
    }
    d.ok = true;
    return d;
}

// Glazing bars. A glass-dividing bar is a small mullion; adhesive and
// Viennese bars sit on both glass faces (Viennese with a spacer between the
// panes); an internal bar lies in the cavity. The glass around them is
// drawn on the construction layer.
Drawn DrawGlazingBar(const Pen& pen, const Profile& p, const Options& o) {
    if (p.bar == BarKind::GlassDividing) {
        Profile m = p;
        if (m.rebateHeight <= 0) m.rebateHeight = std::min(15.0, m.faceWidth * 0.3);
        if (m.glassRebate <= 0) m.glassRebate = m.depth * 0.62;
        return DrawMullion(pen, m, o);
    }
    Drawn d;
    const double W = p.faceWidth, t = std::max(2.0, p.depth);
    const double glass = 24, pane = 4;
    const double th = TextHeight(W * 2, glass);
    // The glass: two panes at x 0..4 and 20..24, bars along y 0..W.
    for (double x : {0.0, glass - pane})
        pen.Poly(kAssembly, RoundRect({x, -W * 0.8, x + pane, W * 1.8}, 0));
    const auto bar = [&](double x0, double dir) {
        // Flat on the glass, bevelled towards the viewer.
        const double b = std::min(t * 0.45, W * 0.3);
        std::vector<P> c = {{0, 0}, {t - b, 0}, {t, b}, {t, W - b}, {t - b, W}, {0, W}};
        for (P& q : c) q = {x0 + dir * q.x, q.y};
        if (dir < 0) std::reverse(c.begin(), c.end());
        pen.Poly(kLayerProfile, Rounded(c, 0.4));
        return c;
    };
    if (p.bar == BarKind::Internal) {
        const double cav0 = pane + 1, cav1 = glass - pane - 1;
        const double tt = std::min(t, cav1 - cav0);
        const double x0 = (cav0 + cav1) / 2 - tt / 2;
        d.outline = {{x0, 0}, {x0 + tt, 0}, {x0 + tt, W}, {x0, W}};
        pen.Poly(kLayerProfile, RoundRect({x0, 0, x0 + tt, W}, tt / 2.2));
        pen.Poly(kLayerProfile, RoundRect({x0 + 0.6, 0.6, x0 + tt - 0.6, W - 0.6}, tt / 2.6));
    } else {
        const double tape = 0.8;
        const auto outer = bar(-tape, -1);
        const auto inner = bar(glass + tape, 1);
        for (double x : {-tape, glass})
            pen.Solid(kLayerGasket, RoundRect({x, W * 0.1, x + tape, W * 0.9}, 0), kGasketFill);
        if (p.bar == BarKind::Viennese)
            pen.Solid(kLayerProfile,
                      RoundRect({pane + 0.5, W * 0.15, glass - pane - 0.5, W * 0.85}, 0.6),
                      kSpacerFill);
        d.outline = outer;
        d.outline.insert(d.outline.end(), inner.begin(), inner.end());
    }
    if (o.dimensions) {
        double x0 = 1e9, x1 = -1e9;
        for (const P& q : d.outline) {
            x0 = std::min(x0, q.x);
            x1 = std::max(x1, q.x);
        }
        pen.Dim(kDim, {x1, 0}, {x0, 0}, th * 3, th);
        pen.Dim(kDim, {x0, 0}, {x0, W}, th * 3, th);
    }
    d.ok = true;
    return d;
}

// Guide rail of a roller shutter, seen in a horizontal section: a channel
// open towards the opening with brush seals at the mouth; a deep rail has a
// second, narrower channel for the insect screen.
Drawn DrawGuideRail(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double D = p.depth, W = p.faceWidth, w = std::min(p.wall, 2.0);
    const bool insect = D >= 30;
    const double slot = std::min(13.0, D * 0.55), depthSlot = W * 0.32;
    const double c1 = insect ? D * 0.34 : D / 2;
    std::vector<P> c = {{0, 0}, {D, 0}, {D, W}};
    if (insect) {
        const double c2 = D * 0.78, s2 = std::min(6.0, D * 0.18);
        c.insert(c.end(), {{c2 + s2 / 2, W},
                           {c2 + s2 / 2, W - depthSlot},
                           {c2 - s2 / 2, W - depthSlot},
                           {c2 - s2 / 2, W}});
    }
    c.insert(c.end(), {{c1 + slot / 2, W},
                       {c1 + slot / 2, W - depthSlot},
                       {c1 - slot / 2, W - depthSlot},
                       {c1 - slot / 2, W},
                       {0, W}});
    d.outline = c;
    pen.Poly(kLayerProfile, Rounded(c, 0.5));
    const Rect hollow{w, w, D - w, W - depthSlot - w};
    if (hollow.usable(3)) pen.Poly(kLayerProfile, RoundRect(hollow, 0.6));
    for (double s : {-1.0, 1.0}) {
        const double x = c1 + s * slot / 2;
        const double bx = s < 0 ? x : x - 2.2;
        pen.Solid(kLayerGasket, RoundRect({bx, W - 6, bx + 2.2, W - 1}, 0.3), kGasketFill);
    }
    if (o.dimensions) {
        const double th = TextHeight(D * 1.5, W);
        pen.Dim(kDim, {D, 0}, {0, 0}, th * 3, th);
        pen.Dim(kDim, {0, 0}, {0, W}, th * 3, th);
        pen.Dim(kDimDetail, {c1 - slot / 2, W}, {c1 + slot / 2, W}, -th * 2, th);
    }
    d.ok = true;
    return d;
}

// Curtain slats hanging from y downwards at x .. x + thickness.
void DrawCurtain(const Pen& pen, double x, double yTop, double length, double slat) {
    const double t = std::clamp(slat * 0.22, 7.0, 11.0);
    const double h = std::max(10.0, slat);
    for (double y = yTop; y > yTop - length + 1; y -= h) {
        const double y0 = std::max(yTop - length, y - h + 0.8);
        const Rect r{x, y0, x + t, y};
        pen.Solid(kLayerCurtain, RoundRect(r, std::min(t, r.h()) * 0.45), kCurtainFill);
    }
}

// Roller-shutter box: height along y, depth along x, weather side at x 0.
Drawn DrawBox(const Pen& pen, const Profile& p, const Options& o) {
    Drawn d;
    const double T = p.depth, H = p.faceWidth;
    const bool front = p.box == BoxShape::FrontChamfered || p.box == BoxShape::FrontRound ||
                       p.box == BoxShape::FrontSquare;
    const double t = front ? 1.8 : 3.0;
    const double slat = std::clamp(p.curtainSlat, 20.0, 80.0);
    const double curtainT = std::clamp(slat * 0.22, 7.0, 11.0);
    // The curtain leaves through a slot in the bottom: weather side for a
    // box on the frame, wall side for a box in front of the wall.
    const double s0 = front ? T - t - curtainT - 12 : t + 2, s1 = s0 + curtainT + 6;
    // One closed wall: round the outside, through the slot, back along the
    // inside. The weather-side bottom corner of a front box is chamfered or
    // rounded.
    const double corner =
        std::min(std::min(T, H) * (p.box == BoxShape::FrontRound ? 0.45 : 0.38), s0 - t - 2);
    std::vector<P> wall;
    std::vector<dxf::Vertex> v;
    if (p.box == BoxShape::FrontRound && corner > 2 * t) {
        const double r = corner, k = 0.41421356;
        wall = {{s1, 0}, {T, 0}, {T, H}, {0, H},     {0, r},         {r, 0},     {s0, 0},
                {s0, t}, {r, t}, {t, r}, {t, H - t}, {T - t, H - t}, {T - t, t}, {s1, t}};
        for (const P& q : wall) v.push_back({q.x, q.y, 0});
        v[4].bulge = k;  // outside: quarter circle, counter-clockwise
        v[8].bulge = -k; // inside: back the other way
    } else {
        const double c = p.box == BoxShape::FrontChamfered && corner > 2 * t ? corner : 0;
        if (c > 0)
            wall = {{s1, 0},
                    {T, 0},
                    {T, H},
                    {0, H},
                    {0, c},
                    {c, 0},
                    {s0, 0},
                    {s0, t},
                    {c + t * 0.41, t},
                    {t, c + t * 0.41},
                    {t, H - t},
                    {T - t, H - t},
                    {T - t, t},
                    {s1, t}};
        else
            wall = {{s1, 0}, {T, 0}, {T, H},     {0, H},         {0, 0},     {s0, 0},
                    {s0, t}, {t, t}, {t, H - t}, {T - t, H - t}, {T - t, t}, {s1, t}};
        v = Rounded(wall, 0.8);
    }
    d.outline = wall;
    pen.Poly(kLayerProfile, v);
    if (!front) {
        // Insulation lining along the top and the room side; the room-side
        // part of the bottom is the inspection cover.
        const double ins = std::min(14.0, std::min(T, H) * 0.08);
        pen.Solid(kLayerInsulation, RoundRect({t, H - t - ins, T - t, H - t}, 0.5), kFoamFill);
        pen.Solid(kLayerInsulation, RoundRect({T - t - ins, t, T - t, H - t - ins}, 0.5),
                  kFoamFill);
        const double cover = T * 0.58;
        pen.Line(kLayerProfile, {cover, 0}, {cover, t});
        pen.Line(kLayerProfile, {cover + 1.2, 0}, {cover + 1.2, t});
    }
    // Shaft and rolled-up curtain; the curtain leaves the roll on the side
    // of the slot and runs straight down through it.
    const double free = std::min(T - 2 * t - (front ? 0 : 14), H - 2 * t - (front ? 0 : 14));
    const double rollR = std::max(10.0, free * 0.42);
    const double shaft = std::clamp(rollR * 0.45, 10.0, 30.0);
    std::vector<double> rings;
    for (double r = shaft + curtainT * 0.6; r <= rollR; r += curtainT * 0.8) rings.push_back(r);
    const double outerRing = rings.empty() ? shaft : rings.back();
    const double curtainX = (s0 + s1) / 2;
    const double cx = std::clamp(front ? curtainX - outerRing : curtainX + outerRing, t + outerRing,
                                 T - t - outerRing);
    const double cy = std::max(H * 0.52, outerRing + t + 6);
    std::vector<P> oct;
    for (int i = 0; i < 8; ++i) {
        const double ang = (22.5 + 45 * i) * 3.14159265358979 / 180;
        oct.push_back({cx + shaft * std::cos(ang), cy + shaft * std::sin(ang)});
    }
    pen.Solid(kLayerSteel, Rounded(oct, 0.8), kSteelFill);
    pen.Circle(kLayerSteel, {cx, cy}, shaft * 0.35);
    for (double r : rings) pen.Circle(kLayerCurtain, {cx, cy}, r);
    const double tangent = front ? cx + outerRing : cx - outerRing;
    pen.Line(kLayerCurtain, {tangent, cy}, {tangent, t});
    if (p.box == BoxShape::TopMountedInsect) {
        const double r = std::min(22.0, H * 0.12);
        const P c{T * 0.72, t + r + 6};
        pen.Circle(kLayerCurtain, c, r);
        pen.Circle(kLayerSteel, c, r * 0.35);
    }
    if (o.dimensions) {
        const double th = TextHeight(T, H);
        pen.Dim(kDim, {T, 0}, {0, 0}, th * 3, th);
        pen.Dim(kDim, {0, 0}, {0, H}, th * 3, th);
        pen.Dim(kDimDetail, {s0, 0}, {s1, 0}, -th * 2, th);
    }
    d.ok = true;
    return d;
}

Drawn DrawAny(const Pen& pen, const Profile& p, const Options& o) {
    switch (p.kind) {
    case Kind::Frame:
        return DrawFrame(pen, p, o);
    case Kind::Sash:
        return DrawSash(pen, p, o);
    case Kind::Mullion:
        return DrawMullion(pen, p, o);
    case Kind::Astragal:
        return DrawAstragal(pen, p, o);
    case Kind::GlazingBead:
        return DrawBead(pen, p, o);
    case Kind::GlazingBar:
        return DrawGlazingBar(pen, p, o);
    case Kind::Coupling:
    case Kind::AddOn:
        return DrawBar(pen, p, o);
    case Kind::RollerShutterBox:
        return DrawBox(pen, p, o);
    case Kind::GuideRail:
        return DrawGuideRail(pen, p, o);
    }
    return {};
}

// --- a drawing and its parts ---------------------------------------------------

class Sheet {
public:
    Sheet() {
        b.AddLayer(kLayerProfile, 7, 35);
        b.AddLayer(kLayerBead, 7, 30);
        b.AddLayer(kLayerSteel, 8, 18);
        b.AddLayer(kLayerGasket, 250, 13);
        b.AddLayer(kLayerGlass, 4, 18);
        b.AddLayer(kLayerInsulation, 42, 13);
        b.AddLayer(kLayerCurtain, 8, 18);
        b.AddLayer(kAssembly, 1, 13);
        b.AddLayer(kDim, 3, 13);
        b.AddLayer(kDimDetail, 5, 13);
        b.AddLayer(ks_layer::definitionPoints, 8, 0);
        b.AddLayer(kSketch, 6, 13);
    }
    Pen pen() { return Pen(b, visible); }
    void part(const std::string& role, const Pen& pen, const std::vector<P>& outline) {
        std::vector<dxf::Vertex> v;
        for (const P& q : outline) v.push_back({q.x, q.y, 0});
        if (!v.empty()) parts.push_back({role, pen.extent(v)});
    }
    void part(const std::string& role, const Pen& pen, const Rect& r) {
        part(role, pen, std::vector<P>{{r.x0, r.y0}, {r.x1, r.y1}});
    }
    Drawing finish() {
        Drawing d;
        d.dxf = b.ToDxf();
        if (visible.minX <= visible.maxX) d.bounds = visible;
        d.parts = std::move(parts);
        return d;
    }

    dxf::Builder b;
    Bounds visible{1, 1, 0, 0};
    std::vector<Part> parts;
};

void RecordSteel(Sheet& s, const Pen& pen, const Drawn& d, const std::string& prefix) {
    if (d.steel1) s.part(prefix + "steel1", pen, *d.steel1);
    if (d.steel2) s.part(prefix + "steel2", pen, *d.steel2);
}

// Glass and bead in a seat: the glass stands on its setting block against
// the stop's gasket, the bead holds it from the room side.
void DrawGlazing(Sheet& s, const Pen& pen, const Seat& seat, const std::optional<Glass>& glass,
                 const std::optional<Profile>& bead, double visible) {
    const Glass g = glass ? *glass : Glass{};
    const std::vector<GlassLayer> layers = GlassLayers(g);
    double t = 0;
    for (const GlassLayer& l : layers) t += l.thickness;
    const double x0 = seat.legFace + kGlazingGap, x1 = x0 + t;
    const double y0 = seat.bodyTop + kSettingBlock, y1 = seat.legTop + visible;
    pen.Solid(kLayerGasket, RoundRect({x0 - 0.5, seat.bodyTop, x1 + 0.5, y0}, 0.3), kSpacerFill);
    double x = x0;
    const double seal = 4, spacerH = 7.5;
    for (const GlassLayer& l : layers) {
        const Rect r{x, y0, x + l.thickness, y1};
        if (l.pane) {
            pen.Fill(kLayerGlass, {RoundRect(r, 0)}, g.panel ? kPanelFill : kGlassFill);
            // The pane ends at a break line at the top.
            pen.Poly(kLayerGlass,
                     {{r.x0, r.y1, 0}, {r.x0, r.y0, 0}, {r.x1, r.y0, 0}, {r.x1, r.y1, 0}}, false);
        } else {
            pen.Solid(kLayerGlass, RoundRect({x, y0, x + l.thickness, y0 + seal}, 0), kSealFill);
            pen.Solid(
                kLayerGlass,
                RoundRect({x + 0.3, y0 + seal, x + l.thickness - 0.3, y0 + seal + spacerH}, 0.4),
                kSpacerFill);
        }
        x += l.thickness;
    }
    pen.Line(kLayerGlass, {x0 - 2, y1}, {x1 + 2, y1});
    pen.Line(kAssembly, {(x0 + x1) / 2, seat.bodyTop - 10}, {(x0 + x1) / 2, y1 + 10});
    s.part("glass", pen, std::vector<P>{{x0, y0}, {x1, y1}});
    if (bead && Usable(*bead)) {
        const double bx = std::max(x1 + kGlazingGap, seat.roomFace - bead->depth);
        Pen bp = pen.at({bx, seat.bodyTop});
        Options o;
        o.dimensions = false;
        const Drawn d = DrawBead(bp, Sane(*bead), o);
        s.part("bead", bp, d.outline);
    }
}

// A carrier's seat filled with a sash (and its glazing) or with glazing.
void FillSeat(Sheet& s, const Pen& carrierPen, const Drawn& carrier, std::size_t i, const Cut& cut,
              double visible, const std::string& suffix) {
    const Seat& seat = carrier.seats[i];
    const Pen seatPen = carrierPen.at(carrier.seatPlaces[i]);
    if (cut.sash && Usable(*cut.sash)) {
        const Profile sash = Sane(*cut.sash);
        // Measure the sash's own geometry first, then put its step on the
        // frame's stop and its rebate part on the rebate air.
        dxf::Builder scratch;
        Bounds ignore{1, 1, 0, 0};
        Pen probe(scratch, ignore);
        Options quiet;
        quiet.dimensions = false;
        const Drawn probeSash = DrawSash(probe, sash, quiet);
        if (probeSash.ok && !probeSash.seats.empty()) {
            const double ox = seat.legFace - probeSash.sashStep;
            const double oy = seat.bodyTop + RebateAir(sash) - probeSash.sashBottom;
            const Pen sp = seatPen.at({ox, oy});
            const Drawn d = DrawSash(sp, sash, quiet);
            s.part("sash" + suffix, sp, d.outline);
            RecordSteel(s, sp, d, "sash" + suffix + "_");
            DrawGlazing(s, sp, d.seats[0], cut.glass, cut.bead, visible);
            return;
        }
    }
    DrawGlazing(s, seatPen, seat, cut.glass, cut.bead, visible);
}

void SketchText(const Pen& pen, const Bounds& b, const std::string& text) {
    if (b.minX > b.maxX) return;
    const double th = TextHeight(b.width(), b.height());
    pen.Poly(kSketch, RoundRect({b.minX - th, b.minY - th, b.maxX + th, b.maxY + th}, 0));
    pen.Text(kSketch, {b.minX - th, b.minY - th * 3}, th, text);
}

} // namespace

Drawing DrawProfile(const Profile& profile) {
    Sheet s;
    if (!Usable(profile)) return s.finish();
    const Profile p = Sane(profile);
    Pen pen = s.pen();
    Options o;
    const Drawn d = DrawAny(pen, p, o);
    if (!d.ok) return s.finish();
    s.part("profile", pen, d.outline);
    RecordSteel(s, pen, d, "");
    pen.Line(kAssembly, {-4, 0}, {4, 0});
    pen.Line(kAssembly, {0, -4}, {0, 4});
    for (const Seat& seat : d.seats)
        pen.Line(kAssembly, {seat.legFace, seat.bodyTop}, {seat.legFace, seat.legTop + 10});
    SketchFrame(pen, d.outline, p.name, TextHeight(p.depth, p.faceWidth));
    return s.finish();
}

Drawing DrawCut(const Cut& cut) {
    Sheet s;
    if (!Usable(cut.carrier)) return s.finish();
    Profile carrier = Sane(cut.carrier);
    if (carrier.kind != Kind::Mullion && carrier.kind != Kind::GlazingBar)
        carrier.kind = Kind::Frame;
    if (carrier.kind == Kind::GlazingBar) {
        carrier.kind = Kind::Mullion;
        if (carrier.rebateHeight <= 0)
            carrier.rebateHeight = std::min(15.0, carrier.faceWidth * 0.3);
        if (carrier.glassRebate <= 0) carrier.glassRebate = carrier.depth * 0.62;
    }
    Options o;
    o.dimensions = false;
    o.glazingGasket = !(cut.sash && Usable(*cut.sash));
    o.keys = false;
    const double visible = 45;
    Pen root = s.pen();
    const bool withBox = cut.box && Usable(*cut.box);
    const bool withCoupling = !withBox && cut.coupling && Usable(*cut.coupling);

    // Head of the element under a roller-shutter box: the frame hangs
    // from y 0 downwards; the box and its connection profile sit above.
    std::vector<Place> positions;
    double couplingW = 0;
    if (withBox) {
        positions.push_back({0, 0, 1, -1});
    } else if (withCoupling) {
        couplingW = Sane(*cut.coupling).faceWidth;
        positions.push_back({0, couplingW / 2, 1, 1});
        positions.push_back({0, -couplingW / 2, 1, -1});
    } else {
        positions.push_back({});
    }

    for (std::size_t n = 0; n < positions.size(); ++n) {
        Pen cp = root.at(positions[n]);
        const Drawn d = DrawAny(cp, carrier, o);
        if (!d.ok) continue;
        const std::string suffix = n == 0 ? "" : "2";
        s.part("carrier" + suffix, cp, d.outline);
        RecordSteel(s, cp, d, "carrier" + suffix + "_");
        for (std::size_t i = 0; i < d.seats.size(); ++i) {
            if (n > 0 && i > 0) continue;
            FillSeat(s, cp, d, i, cut, visible, n + i == 0 ? "" : "2");
        }
    }

    if (withCoupling) {
        const Profile c = Sane(*cut.coupling);
        Pen cp = root.at({0, -couplingW / 2});
        Options oc = o;
        const Drawn d = DrawBar(cp, c, oc);
        s.part("coupling", cp, d.outline);
        RecordSteel(s, cp, d, "coupling_");
    }

    if (withBox) {
        const Profile box = Sane(*cut.box);
        double y = 0;
        if (cut.addOn && Usable(*cut.addOn)) {
            const Profile add = Sane(*cut.addOn);
            Pen ap = root.at({0, 0});
            Options oa = o;
            const Drawn d = DrawBar(ap, add, oa);
            s.part("addOn", ap, d.outline);
            y = add.faceWidth;
        }
        const bool front = box.box == BoxShape::FrontChamfered || box.box == BoxShape::FrontRound ||
                           box.box == BoxShape::FrontSquare;
        const double slat = std::clamp(box.curtainSlat, 20.0, 80.0);
        const double curtainT = std::clamp(slat * 0.22, 7.0, 11.0);
        // Box on the frame: its slot lies just outside the frame's weather
        // face. Box in front of the wall: its wall side meets the frame's
        // weather face.
        const double bx = front ? -box.depth - 2 : -(3 + 2 + curtainT + 6 + 2);
        Pen bp = root.at({bx, y});
        Options ob = o;
        const Drawn d = DrawBox(bp, box, ob);
        s.part("box", bp, d.outline);
        // The curtain, half let down in front of the window.
        const double slot0 = front ? box.depth - 1.8 - curtainT - 12 : 5;
        DrawCurtain(root, bx + slot0 + 3, y + 2, y + carrier.faceWidth + 60, slat);
    }

    // Dimensions of the assembled cut.
    const Bounds b = s.visible;
    if (b.minX <= b.maxX) {
        const double th = TextHeight(b.width(), b.height()) * 0.8;
        root.Dim(kDim, {b.maxX, b.minY}, {b.minX, b.minY}, th * 3, th);
        root.Dim(kDim, {b.minX, b.minY}, {b.minX, b.maxY}, th * 3, th);
        for (const Part& part : s.parts) {
            if (part.role != "carrier" && part.role != "sash" && part.role != "glass") continue;
            const Bounds& pb = part.bounds;
            root.Dim(kDimDetail, {pb.maxX, pb.minY}, {pb.maxX, pb.maxY}, -th * 2, th);
        }
        SketchText(root, b, cut.carrier.name);
    }
    return s.finish();
}

} // namespace sections
