#include "kalksrv/sections/pen.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sections::detail {

namespace {

double Len(P a, P b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Widens `b` to take in (x, y); a box whose minX exceeds its maxX holds
// nothing yet and becomes the point.
void Include(Bounds& b, double x, double y) {
    if (b.minX > b.maxX) {
        b = {x, y, x, y};
        return;
    }
    b.minX = std::min(b.minX, x);
    b.minY = std::min(b.minY, y);
    b.maxX = std::max(b.maxX, x);
    b.maxY = std::max(b.maxY, y);
}

} // namespace

std::vector<dxf::Vertex> Rounded(const std::vector<P>& c, double radius) {
    std::vector<dxf::Vertex> out;
    const std::size_t n = c.size();
    if (n < 3) {
        for (const P& p : c) out.push_back({p.x, p.y, 0});
        return out;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const P prev = c[(i + n - 1) % n], cur = c[i], next = c[(i + 1) % n];
        const double l1 = Len(prev, cur), l2 = Len(cur, next);
        if (l1 < 1e-9 || l2 < 1e-9 || radius <= 0) {
            out.push_back({cur.x, cur.y, 0});
            continue;
        }
        const double d1x = (cur.x - prev.x) / l1, d1y = (cur.y - prev.y) / l1;
        const double d2x = (next.x - cur.x) / l2, d2y = (next.y - cur.y) / l2;
        const double turn = std::atan2(d1x * d2y - d1y * d2x, d1x * d2x + d1y * d2y);
        if (std::abs(turn) < 1e-6) {
            out.push_back({cur.x, cur.y, 0});
            continue;
        }
        double r = radius;
        double cut = r * std::tan(std::abs(turn) / 2);
        const double room = std::min(l1, l2) / 2;
        if (cut > room) {
            cut = room;
            r = cut / std::tan(std::abs(turn) / 2);
        }
        out.push_back({cur.x - d1x * cut, cur.y - d1y * cut, std::tan(turn / 4)});
        out.push_back({cur.x + d2x * cut, cur.y + d2y * cut, 0});
    }
    return out;
}

std::vector<dxf::Vertex> RoundRect(const Rect& r, double radius) {
    return Rounded({{r.x0, r.y0}, {r.x1, r.y0}, {r.x1, r.y1}, {r.x0, r.y1}}, radius);
}

bool Pen::construction(const char* layer) {
    for (const char* name : ks_layer::construction)
        if (std::strcmp(name, layer) == 0) return true;
    return false;
}

void Pen::grow(P w) const {
    Include(visible_, w.x, w.y);
}

std::vector<dxf::Vertex> Pen::world(const std::vector<dxf::Vertex>& local) const {
    std::vector<dxf::Vertex> out;
    out.reserve(local.size());
    for (const dxf::Vertex& v : local) {
        const P w = place_.map({v.x, v.y});
        out.push_back({w.x, w.y, place_.mirrored() ? -v.bulge : v.bulge});
    }
    return out;
}

Bounds Pen::extent(const std::vector<dxf::Vertex>& local) const {
    Bounds b{1, 1, 0, 0};
    for (const dxf::Vertex& v : world(local)) Include(b, v.x, v.y);
    return b;
}

void Pen::Poly(const char* layer, const std::vector<dxf::Vertex>& local, bool closed,
               int color) const {
    if (local.size() < 2) return;
    std::vector<dxf::Vertex> w = world(local);
    if (!construction(layer))
        for (const dxf::Vertex& v : w) grow({v.x, v.y});
    b_.AddPolyline(dxf::Style(layer, color), std::move(w), closed);
}

void Pen::Fill(const char* layer, const std::vector<std::vector<dxf::Vertex>>& loops,
               std::uint32_t rgb) const {
    std::vector<std::vector<dxf::Vertex>> w;
    for (const auto& loop : loops)
        if (loop.size() >= 3) w.push_back(world(loop));
    if (w.empty()) return;
    dxf::Style style(layer);
    style.rgb = rgb;
    b_.AddHatch(style, std::move(w), "SOLID");
}

void Pen::Solid(const char* layer, const std::vector<dxf::Vertex>& local, std::uint32_t rgb) const {
    Fill(layer, {local}, rgb);
    Poly(layer, local);
}

void Pen::Line(const char* layer, P a, P b) const {
    const P wa = place_.map(a), wb = place_.map(b);
    if (!construction(layer)) {
        grow(wa);
        grow(wb);
    }
    b_.AddLine(dxf::Style(layer), {wa.x, wa.y, 0}, {wb.x, wb.y, 0});
}

void Pen::Circle(const char* layer, P centre, double radius) const {
    const P c = place_.map(centre);
    if (!construction(layer)) {
        grow({c.x - radius, c.y - radius});
        grow({c.x + radius, c.y + radius});
    }
    b_.AddCircle(dxf::Style(layer), {c.x, c.y, 0}, radius);
}

void Pen::Text(const char* layer, P at, double height, const std::string& text) const {
    if (text.empty()) return;
    const P w = place_.map(at);
    b_.AddText(dxf::Style(layer), {w.x, w.y, 0}, height, text);
}

void Pen::Dim(const char* layer, P a, P b, double offset, double textHeight) const {
    const P wa = place_.map(a), wb = place_.map(b);
    if (Len(wa, wb) < 1e-6) return;
    b_.AddDimension(dxf::Style(layer), {wa.x, wa.y, 0}, {wb.x, wb.y, 0}, offset, textHeight);
    // The definition points, as a drafting program keeps them.
    const double m = textHeight * 0.2;
    for (const P& p : {wa, wb}) {
        b_.AddLine(dxf::Style(ks_layer::definitionPoints), {p.x - m, p.y, 0}, {p.x + m, p.y, 0});
        b_.AddLine(dxf::Style(ks_layer::definitionPoints), {p.x, p.y - m, 0}, {p.x, p.y + m, 0});
    }
}

std::vector<dxf::Vertex> Gasket(P base, int dx, int dy, double lip) {
    // (u, v): u along the lip, v to its left; the frame keeps orientation.
    const double px = -dy, py = dx;
    const double half = 1.6, foot = 0.8, sink = 1.4;
    const double reach = std::max(lip, half + 0.2);
    const auto at = [&](double u, double v) {
        return dxf::Vertex{base.x + dx * u + px * v, base.y + dy * u + py * v, 0};
    };
    std::vector<dxf::Vertex> g = {at(-sink, -foot), at(-sink, foot), at(0, foot), at(0, half),
                                  at(reach - half, half)};
    g.back().bulge = -1; // half circle round the tip
    g.push_back(at(reach - half, -half));
    g.push_back(at(0, -half));
    g.push_back(at(0, -foot));
    // Clockwise in (u, v): the tip arc turns right.
    return g;
}

std::vector<std::vector<dxf::Vertex>> SteelLoops(const Steel& s, const Rect& box) {
    const double w = box.w(), h = box.h();
    const double t = std::clamp(s.wall, 0.5, std::min(w, h) / 3);
    const double x = box.x0, y = box.y0;
    std::vector<P> c;
    switch (s.shape) {
    case SteelShape::U:
        c = {{0, 0}, {w, 0}, {w, h}, {w - t, h}, {w - t, t}, {t, t}, {t, h}, {0, h}};
        break;
    case SteelShape::C: {
        const double lip = std::max(w * 0.22, t * 2);
        c = {{0, 0},     {w, 0}, {w, h},     {w - lip, h}, {w - lip, h - t}, {w - t, h - t},
             {w - t, t}, {t, t}, {t, h - t}, {lip, h - t}, {lip, h},         {0, h}};
        break;
    }
    case SteelShape::L:
        c = {{0, 0}, {w, 0}, {w, t}, {t, t}, {t, h}, {0, h}};
        break;
    case SteelShape::Z: {
        const double m0 = w / 2 - t / 2, m1 = w / 2 + t / 2;
        c = {{0, 0}, {m1, 0}, {m1, h - t}, {w, h - t}, {w, h}, {m0, h}, {m0, t}, {0, t}};
        break;
    }
    case SteelShape::Tube:
        return {RoundRect(box, t), RoundRect({x + t, y + t, x + w - t, y + h - t}, t * 0.3)};
    }
    for (P& p : c) p = {x + p.x, y + p.y};
    return {Rounded(c, t * 0.4)};
}

std::vector<Rect> SplitAcross(const Rect& zone, int count, double web, int mainIndex,
                              double mainWidth) {
    std::vector<Rect> out;
    while (count > 0) {
        const double clear = zone.w() - web * (count - 1);
        if (clear <= 0) {
            --count;
            continue;
        }
        const int main = std::clamp(mainIndex, 0, count - 1);
        double mainW = clear / (count + 1.2) * 2.2;
        if (count == 1) mainW = clear;
        mainW = std::min(std::max(mainW, mainWidth), clear);
        const double other = count > 1 ? (clear - mainW) / (count - 1) : 0;
        if (count > 1 && other < 3) {
            --count;
            continue;
        }
        double x = zone.x0;
        for (int i = 0; i < count; ++i) {
            const double w = i == main ? mainW : other;
            out.push_back({x, zone.y0, x + w, zone.y1});
            x += w + web;
        }
        break;
    }
    return out;
}

} // namespace sections::detail
