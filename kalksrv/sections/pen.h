// Drawing helpers of the section generator: a placement (shift and mirror)
// through which a part is drawn in its own coordinates, and the shapes that
// every profile uses (rounded outlines, chambers, gaskets, steel).
#pragma once

#include "dxf/dxf_writer.h"
#include "kalksrv/sections/section.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sections::detail {

struct P {
    double x = 0, y = 0;
};

struct Rect {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double w() const { return x1 - x0; }
    double h() const { return y1 - y0; }
    P centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
    bool usable(double min) const { return w() >= min && h() >= min; }
};

// Local -> world: world = origin + (sx * x, sy * y). Mirroring in one axis
// turns arcs the other way, so bulges change sign.
struct Place {
    double ox = 0, oy = 0;
    int sx = 1, sy = 1;

    P map(P p) const { return {ox + sx * p.x, oy + sy * p.y}; }
    bool mirrored() const { return sx * sy < 0; }
    // This placement applied after `inner` (inner's world is our local).
    Place then(const Place& inner) const {
        return {ox + sx * inner.ox, oy + sy * inner.oy, sx * inner.sx, sy * inner.sy};
    }
    Place shifted(double dx, double dy) const { return then(Place{dx, dy}); }
};

// A closed polygon with rounded corners: every corner is replaced by an arc
// of `radius` (shortened where the edges are too short).
std::vector<dxf::Vertex> Rounded(const std::vector<P>& corners, double radius);
std::vector<dxf::Vertex> RoundRect(const Rect& r, double radius);

class Pen {
public:
    Pen(dxf::Builder& builder, Bounds& visible) : b_(builder), visible_(visible) {}
    Pen at(const Place& place) const {
        Pen p = *this;
        p.place_ = place_.then(place);
        return p;
    }
    const Place& place() const { return place_; }

    void Poly(const char* layer, const std::vector<dxf::Vertex>& local, bool closed = true,
              int color = dxf::kByLayer) const;
    void Fill(const char* layer, const std::vector<std::vector<dxf::Vertex>>& loops,
              std::uint32_t rgb) const;
    void Line(const char* layer, P a, P b) const;
    void Circle(const char* layer, P centre, double radius) const;
    void Text(const char* layer, P at, double height, const std::string& text) const;
    // A dimension from a to b, its line `offset` to the left of a->b as
    // seen in world coordinates; definition points go to "Defpoints".
    void Dim(const char* layer, P a, P b, double offset, double textHeight) const;

    // Outline plus fill in one go.
    void Solid(const char* layer, const std::vector<dxf::Vertex>& local, std::uint32_t rgb) const;

    Bounds extent(const std::vector<dxf::Vertex>& local) const;

private:
    std::vector<dxf::Vertex> world(const std::vector<dxf::Vertex>& local) const;
    void grow(P world) const;
    static bool construction(const char* layer);

    dxf::Builder& b_;
    Bounds& visible_;
    Place place_;
};

// Shapes in local coordinates.
// A gasket sitting in a groove at `base`, its lip reaching `lip` millimetres
// along the unit axis (dx, dy).
std::vector<dxf::Vertex> Gasket(P base, int dx, int dy, double lip);
// Steel cross-section filling `box` (the chamber's clear space is checked
// by the caller); a tube has an inner loop.
std::vector<std::vector<dxf::Vertex>> SteelLoops(const Steel& steel, const Rect& box);

// `count` chambers side by side across x inside `zone`, webs of `web`; the
// chamber at `mainIndex` is made at least `mainWidth` wide. Chambers that
// would end up narrower than 3 mm are dropped.
std::vector<Rect> SplitAcross(const Rect& zone, int count, double web, int mainIndex,
                              double mainWidth);

// Colours of the visible parts.
inline constexpr std::uint32_t kSteelFill = 0x9A9FA3;
inline constexpr std::uint32_t kGasketFill = 0x262626;
inline constexpr std::uint32_t kGlassFill = 0xD4EAF2;
inline constexpr std::uint32_t kPanelFill = 0xE8E2D0;
inline constexpr std::uint32_t kSpacerFill = 0xB8BCC0;
inline constexpr std::uint32_t kSealFill = 0x3A3A3A;
inline constexpr std::uint32_t kInsulatingBar = 0x5E4E3E;
inline constexpr std::uint32_t kFoamFill = 0xF1E9B8;
inline constexpr std::uint32_t kCurtainFill = 0xC9CDD0;

} // namespace sections::detail
