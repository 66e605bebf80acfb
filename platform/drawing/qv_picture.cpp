#include "platform/drawing/qv_picture.h"

#include "dxf/dxf_text.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <new>
#include <unordered_map>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kFontPixels = 100; // text is laid out at this size and scaled

// Path elements an arc adds at most: a move or line to its start and four
// cubic curves of three elements each.
constexpr std::size_t kArcPoints = 13;
// What an element of the picture costs beyond its points, in points: a path
// reserves room for 16 of them.
constexpr std::size_t kItemPoints = 16;

QColor ToColor(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

std::string Upper(const std::string& name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return out;
}

// Arc from the current point's circle position; angles in degrees,
// counter-clockwise in drawing units (y up). Qt measures angles for y down.
void ArcTo(QPainterPath& path, QPointF center, double radius, double start, double sweep) {
    const QRectF rect(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    path.arcTo(rect, -start, -sweep);
}

void AddBulgeSegment(QPainterPath& path, QPointF a, QPointF b, double bulge) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double chord = std::hypot(dx, dy);
    if (bulge == 0 || chord == 0 || !std::isfinite(bulge)) {
        path.lineTo(b);
        return;
    }
    const double theta = 4 * std::atan(bulge); // included angle, signed
    const double radius = chord / (2 * std::sin(std::fabs(theta) / 2));
    const double offset = chord * (1 - bulge * bulge) / (4 * bulge); // centre from the chord
    const QPointF center((a.x() + b.x()) / 2 - dy / chord * offset,
                         (a.y() + b.y()) / 2 + dx / chord * offset);
    const double start = std::atan2(a.y() - center.y(), a.x() - center.x()) * 180 / kPi;
    ArcTo(path, center, radius, start, theta * 180 / kPi);
}

QPainterPath PolylinePath(const std::vector<dxf::Vertex>& vertices, bool closed) {
    QPainterPath path;
    if (vertices.empty()) return path;
    path.moveTo(vertices[0].x, vertices[0].y);
    for (std::size_t i = 1; i < vertices.size(); ++i)
        AddBulgeSegment(path, path.currentPosition(), {vertices[i].x, vertices[i].y},
                        vertices[i - 1].bulge);
    if (closed && vertices.size() > 1) {
        AddBulgeSegment(path, path.currentPosition(), {vertices[0].x, vertices[0].y},
                        vertices.back().bulge);
        path.closeSubpath();
    }
    return path;
}

// Path elements of PolylinePath, counted without building it.
std::size_t PolylinePoints(const std::vector<dxf::Vertex>& vertices, bool closed) {
    std::size_t n = 0;
    for (const dxf::Vertex& v : vertices) n += v.bulge != 0 ? kArcPoints : 1;
    return n + (closed ? kArcPoints + 1 : 0);
}

// Path elements of HatchBoundary, counted without building it.
std::size_t BoundaryPoints(const dxf::Hatch& h) {
    std::size_t n = 0;
    for (const dxf::HatchLoop& loop : h.loops) {
        if (loop.isPolyline) {
            n += PolylinePoints(loop.vertices, true);
            continue;
        }
        for (const dxf::HatchEdge& e : loop.edges)
            n += e.kind == dxf::HatchEdge::Kind::Line     ? 2
                 : e.kind == dxf::HatchEdge::Kind::Spline ? e.controlPoints.size()
                                                          : kArcPoints + 2;
        ++n; // closing
    }
    return n;
}

double Sweep(double start, double end) {
    double sweep = std::fmod(end - start, 360.0);
    if (sweep <= 1e-9) sweep += 360;
    return sweep;
}

// Elliptic arc by parameter (radians), counter-clockwise; appended to `path`.
void EllipseArc(QPainterPath& path, QPointF center, QPointF major, double ratio, double t0,
                double t1, bool ccw, bool connect) {
    const double a = std::hypot(major.x(), major.y()), b = a * ratio;
    double sweep = ccw ? t1 - t0 : t0 - t1;
    sweep = std::fmod(sweep, 2 * kPi);
    if (sweep <= 1e-12) sweep += 2 * kPi;
    if (!ccw) sweep = -sweep;
    QPainterPath local;
    const QRectF rect(-a, -b, 2 * a, 2 * b);
    local.arcMoveTo(rect, -t0 * 180 / kPi);
    local.arcTo(rect, -t0 * 180 / kPi, -sweep * 180 / kPi);
    QTransform t;
    t.translate(center.x(), center.y());
    t.rotate(std::atan2(major.y(), major.x()) * 180 / kPi);
    const QPainterPath mapped = t.map(local);
    if (connect && path.elementCount() > 0) {
        path.lineTo(mapped.elementAt(0));
        path.connectPath(mapped);
    } else {
        path.addPath(mapped);
    }
}

QPainterPath HatchBoundary(const dxf::Hatch& h) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const dxf::HatchLoop& loop : h.loops) {
        if (loop.isPolyline) {
            path.addPath(PolylinePath(loop.vertices, true));
            continue;
        }
        QPainterPath sub;
        bool first = true;
        for (const dxf::HatchEdge& e : loop.edges) {
            switch (e.kind) {
            case dxf::HatchEdge::Kind::Line:
                if (first)
                    sub.moveTo(e.start.x, e.start.y);
                else
                    sub.lineTo(e.start.x, e.start.y);
                sub.lineTo(e.end.x, e.end.y);
                break;
            case dxf::HatchEdge::Kind::Arc: {
                const QPointF c(e.center.x, e.center.y);
                const double s = e.startAngle * kPi / 180;
                const QPointF p(c.x() + e.radius * std::cos(s), c.y() + e.radius * std::sin(s));
                if (first)
                    sub.moveTo(p);
                else
                    sub.lineTo(p);
                const double sweep = e.counterClockwise ? Sweep(e.startAngle, e.endAngle)
                                                        : -Sweep(e.endAngle, e.startAngle);
                ArcTo(sub, c, e.radius, e.startAngle, sweep);
                break;
            }
            case dxf::HatchEdge::Kind::EllipseArc:
                EllipseArc(sub, {e.center.x, e.center.y}, {e.majorAxis.x, e.majorAxis.y}, e.ratio,
                           e.startAngle * kPi / 180, e.endAngle * kPi / 180, e.counterClockwise,
                           !first);
                break;
            case dxf::HatchEdge::Kind::Spline:
                for (const dxf::Point& p : e.controlPoints) {
                    if (first && sub.elementCount() == 0)
                        sub.moveTo(p.x, p.y);
                    else
                        sub.lineTo(p.x, p.y);
                }
                break;
            }
            first = false;
        }
        sub.closeSubpath();
        path.addPath(sub);
    }
    return path;
}

// The parallel lines of a hatch pattern across `area`; none when they would
// be too dense to see or to count. Each line takes two points of `budget`.
QPainterPath PatternLines(const dxf::Hatch& h, const QRectF& area, std::size_t& budget) {
    std::vector<dxf::HatchPatternLine> lines = h.patternLines;
    if (lines.empty()) { // a named pattern without definition: 45 degree lines
        dxf::HatchPatternLine l;
        l.angle = 45 + h.patternAngle;
        const double spacing = 3.175 * (h.patternScale > 0 ? h.patternScale : 1);
        l.offset = {-std::sin(l.angle * kPi / 180) * spacing,
                    std::cos(l.angle * kPi / 180) * spacing, 0};
        lines.push_back(l);
    }
    QPainterPath out;
    const double diagonal = std::hypot(area.width(), area.height());
    for (const dxf::HatchPatternLine& l : lines) {
        const double a = l.angle * kPi / 180;
        const QPointF u(std::cos(a), std::sin(a)), n(-std::sin(a), std::cos(a));
        const double spacing = std::fabs(l.offset.x * n.x() + l.offset.y * n.y());
        if (!(spacing > diagonal / 2000)) continue;
        // Range of line numbers that cross the area.
        double low = 1e300, high = -1e300;
        for (const QPointF& corner :
             {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
            const double d = (corner.x() - l.base.x) * n.x() + (corner.y() - l.base.y) * n.y();
            low = std::min(low, d), high = std::max(high, d);
        }
        const QPointF c = area.center();
        const double along = (c.x() - l.base.x) * u.x() + (c.y() - l.base.y) * u.y();
        for (double k = std::ceil(low / spacing); k * spacing <= high && budget >= 2; ++k) {
            budget -= 2;
            const QPointF foot(l.base.x + n.x() * k * spacing + u.x() * along,
                               l.base.y + n.y() * k * spacing + u.y() * along);
            out.moveTo(foot - u * diagonal);
            out.lineTo(foot + u * diagonal);
        }
    }
    return out;
}

} // namespace

// Walks the database's visible entities, expanding blocks, into items.
class QV_PictureBuilder {
public:
    QV_PictureBuilder(const QV_C_DataBase& db, QV_DrawingPicture& picture)
        : db_(db), s_(db.Settings()), pic_(picture) {
        for (const QV_C_TabLayer& l : db.Layers()) layers_.emplace(Upper(l.Name()), &l);
        const auto& blocks = db.Drawing().blocks;
        for (const dxf::Block& b : blocks) blocks_.emplace(Upper(b.name), &b);
        pic_.background_ = ToColor(s_.background);
        points_ = s_.maxPoints;
        pic_.legendFont_ = QString::fromStdString(s_.legendFont);
        pic_.legendSize_ = s_.legendSize;
    }

    struct Context {
        QTransform transform;                 // entity space -> drawing units
        const QV_C_TabLayer* layer = nullptr; // the reference's layer, for layer "0"
        QColor color;                         // the reference's colour, for "by block"
        double weight = -1;                   // the reference's line weight (mm)
        int depth = 0;
    };

    void Entities(const std::vector<dxf::Entity>& entities, const Context& ctx) {
        for (const dxf::Entity& e : entities) {
            if (Full()) {
                ++pic_.dropped_;
                continue;
            }
            const QV_C_TabLayer* layer = LayerOf(e.style.layer, ctx);
            if (layer && !layer->IsVisible()) continue;
            const QColor color = ColorOf(e.style, layer, ctx);
            const double weight = WeightOf(e.style, layer, ctx);
            std::visit([&](const auto& g) { Add(g, e.style, layer, color, weight, ctx); },
                       e.geometry);
        }
    }

private:
    const QV_C_DataBase& db_;
    const DrawingSettings& s_;
    QV_DrawingPicture& pic_;
    std::unordered_map<std::string, const QV_C_TabLayer*> layers_;
    std::unordered_map<std::string, const dxf::Block*> blocks_;
    std::unordered_map<std::string, QFont> fonts_;
    bool haveBounds_ = false;
    std::size_t placements_ = 0; // block placements so far
    std::size_t points_ = 0;     // points still allowed
    // Per entity of the drawing, however often its block is placed: the
    // points of long polylines, hatches and texts, and the evaluated splines.
    std::unordered_map<const void*, std::size_t> counted_;
    std::unordered_map<const dxf::Spline*, QPainterPath> splines_;

    bool Full() const { return pic_.items_.size() >= s_.maxPrimitives || points_ == 0; }

    // Takes `points` and the element's own cost from the budget before
    // anything is built or copied; an element that does not fit is left out
    // (later, smaller ones may fit).
    bool Take(std::size_t points) {
        points += kItemPoints;
        if (points > points_) {
            ++pic_.dropped_;
            return false;
        }
        points_ -= points;
        return true;
    }
    template <typename Count> std::size_t Counted(const void* entity, Count count) {
        auto it = counted_.find(entity);
        if (it == counted_.end()) it = counted_.emplace(entity, count()).first;
        return it->second;
    }

    const QV_C_TabLayer* LayerOf(const std::string& name, const Context& ctx) const {
        if (ctx.layer && name == "0") return ctx.layer;
        const auto it = layers_.find(Upper(name));
        return it == layers_.end() ? nullptr : it->second;
    }

    QColor Readable(QColor c) const { return c == pic_.background_ ? ToColor(s_.foreground) : c; }

    QColor ColorOf(const dxf::Style& s, const QV_C_TabLayer* layer, const Context& ctx) const {
        if (s.rgb) return Readable(ToColor(*s.rgb));
        if (s.color == dxf::kByBlock)
            return ctx.color.isValid() ? ctx.color : ToColor(s_.foreground);
        if (s.color == dxf::kByLayer) {
            if (!layer) return ToColor(s_.foreground);
            const dxf::Layer& l = layer->Data();
            return Readable(ToColor(l.rgb ? *l.rgb : dxf::IndexColor(l.color)));
        }
        return Readable(ToColor(dxf::IndexColor(s.color)));
    }

    double WeightOf(const dxf::Style& s, const QV_C_TabLayer* layer, const Context& ctx) const {
        int w = s.lineWeight;
        if (w == dxf::kWeightByBlock) return ctx.weight >= 0 ? ctx.weight : s_.defaultLineWeight;
        if (w == dxf::kWeightByLayer) w = layer ? layer->Data().lineWeight : dxf::kWeightDefault;
        return w >= 0 ? w / 100.0 : s_.defaultLineWeight;
    }

    double Pixels(double mm) const { return std::max(1.0, mm * s_.lineWeightScale); }

    void Push(QV_DrawingPicture::Item item, const Context& ctx) {
        using Kind = QV_DrawingPicture::Item::Kind;
        if (!ctx.transform.isIdentity()) {
            item.path = ctx.transform.map(item.path);
            if (!item.clip.isEmpty()) item.clip = ctx.transform.map(item.clip);
        }
        const QRectF box =
            item.kind == Kind::ClippedStroke ? item.clip.boundingRect() : item.path.boundingRect();
        Grow(box);
        // Strokes in a row with the same pen share one path: a block placed
        // a thousand times becomes one element, not a thousand.
        if (item.kind == Kind::Stroke && !pic_.items_.empty()) {
            QV_DrawingPicture::Item& last = pic_.items_.back();
            if (last.kind == Kind::Stroke && last.color == item.color && last.width == item.width) {
                last.path.addPath(item.path);
                return;
            }
        }
        pic_.items_.push_back(std::move(item));
    }

    void Grow(const QRectF& box) {
        if (!std::isfinite(box.width()) || !std::isfinite(box.height())) return;
        // A point or an axis-parallel line has an empty rectangle; keep it.
        const QRectF b = box.normalized();
        if (!haveBounds_) {
            pic_.bounds_ = b;
            haveBounds_ = true;
            return;
        }
        const double left = std::min(pic_.bounds_.left(), b.left());
        const double top = std::min(pic_.bounds_.top(), b.top());
        const double right = std::max(pic_.bounds_.right(), b.right());
        const double bottom = std::max(pic_.bounds_.bottom(), b.bottom());
        pic_.bounds_ = QRectF(QPointF(left, top), QPointF(right, bottom));
    }

    void Stroke(QPainterPath path, QColor color, double weight, const Context& ctx) {
        QV_DrawingPicture::Item item;
        item.kind = QV_DrawingPicture::Item::Kind::Stroke;
        item.path = std::move(path);
        item.color = color;
        item.width = Pixels(weight);
        Push(std::move(item), ctx);
    }

    void Fill(QPainterPath path, QColor color, const Context& ctx) {
        QV_DrawingPicture::Item item;
        item.kind = QV_DrawingPicture::Item::Kind::Fill;
        item.path = std::move(path);
        item.color = color;
        Push(std::move(item), ctx);
    }

    using L = const QV_C_TabLayer*;

    void Add(const dxf::Line& g, const dxf::Style&, L, QColor c, double w, const Context& ctx) {
        if (!Take(2)) return;
        QPainterPath p;
        p.moveTo(g.start.x, g.start.y);
        p.lineTo(g.end.x, g.end.y);
        Stroke(std::move(p), c, w, ctx);
    }
    void Add(const dxf::Polyline& g, const dxf::Style&, L, QColor c, double w, const Context& ctx) {
        if (g.vertices.size() < 2) return;
        if (!Take(Counted(&g, [&] { return PolylinePoints(g.vertices, g.closed); }))) return;
        Stroke(PolylinePath(g.vertices, g.closed), c, w, ctx);
    }
    void Add(const dxf::Arc& g, const dxf::Style&, L, QColor c, double w, const Context& ctx) {
        if (!(g.radius > 0) || !Take(kArcPoints + 1)) return;
        QPainterPath p;
        const QRectF rect(g.center.x - g.radius, g.center.y - g.radius, 2 * g.radius, 2 * g.radius);
        p.arcMoveTo(rect, -g.startAngle);
        ArcTo(p, {g.center.x, g.center.y}, g.radius, g.startAngle, Sweep(g.startAngle, g.endAngle));
        Stroke(std::move(p), c, w, ctx);
    }
    void Add(const dxf::Circle& g, const dxf::Style&, L, QColor c, double w, const Context& ctx) {
        if (!(g.radius > 0) || !Take(kArcPoints)) return;
        QPainterPath p;
        p.addEllipse(QPointF(g.center.x, g.center.y), g.radius, g.radius);
        Stroke(std::move(p), c, w, ctx);
    }
    void Add(const dxf::Ellipse& g, const dxf::Style&, L, QColor c, double w, const Context& ctx) {
        if (!Take(kArcPoints + 2)) return;
        QPainterPath p;
        EllipseArc(p, {g.center.x, g.center.y}, {g.majorAxis.x, g.majorAxis.y}, g.ratio,
                   g.startParam, g.endParam, true, false);
        Stroke(std::move(p), c, w, ctx);
    }
    void Add(const dxf::Spline& g, const dxf::Style&, L, QColor c, double w, const Context& ctx) {
        auto it = splines_.find(&g);
        if (it == splines_.end()) {
            // Evaluated once, however often its block is placed.
            const std::vector<dxf::Point> points = dxf::SplinePoints(g);
            QPainterPath p;
            if (points.size() >= 2) {
                p.reserve(static_cast<int>(points.size()) + 1);
                p.moveTo(points[0].x, points[0].y);
                for (std::size_t i = 1; i < points.size(); ++i) p.lineTo(points[i].x, points[i].y);
                if (g.closed) p.closeSubpath();
            }
            it = splines_.emplace(&g, std::move(p)).first;
        }
        const QPainterPath& p = it->second;
        if (p.isEmpty() || !Take(static_cast<std::size_t>(p.elementCount()))) return;
        Stroke(p, c, w, ctx);
    }
    void Add(const dxf::Solid& g, const dxf::Style&, L, QColor c, double, const Context& ctx) {
        if (!Take(5)) return;
        QPainterPath p;
        const dxf::Point* k = g.corners;
        p.moveTo(k[0].x, k[0].y);
        p.lineTo(k[1].x, k[1].y);
        p.lineTo(k[3].x, k[3].y);
        p.lineTo(k[2].x, k[2].y);
        p.closeSubpath();
        Fill(std::move(p), c, ctx);
    }
    void Add(const dxf::Hatch& g, const dxf::Style&, L, QColor c, double w, const Context& ctx) {
        if (!Take(Counted(&g, [&] { return BoundaryPoints(g); }))) return;
        QPainterPath boundary = HatchBoundary(g);
        if (boundary.isEmpty()) return;
        if (g.solidFill) return Fill(std::move(boundary), c, ctx);
        QV_DrawingPicture::Item item;
        item.kind = QV_DrawingPicture::Item::Kind::ClippedStroke;
        item.path = PatternLines(g, boundary.boundingRect(), points_);
        item.clip = std::move(boundary);
        item.color = c;
        item.width = Pixels(std::min(w, s_.defaultLineWeight));
        Push(std::move(item), ctx);
    }

    QFont FontFor(const std::string& style) {
        std::string family = s_.textFont;
        if (db_.FontCallback()) {
            if (const char* f = db_.FontCallback()(style.c_str(), db_.FontContext()); f && *f)
                family = f;
        }
        auto it = fonts_.find(family);
        if (it == fonts_.end()) {
            QFont font(QString::fromStdString(family));
            font.setPixelSize(kFontPixels);
            it = fonts_.emplace(family, font).first;
        }
        return it->second;
    }

    // One run of text: `origin` is the baseline start in text space, where
    // one unit is one font pixel and y runs down; `place` maps text space to
    // the entity's space.
    void Text(const QString& text, const QFont& font, QPointF origin, double width,
              const QTransform& place, QColor color, const Context& ctx) {
        if (text.isEmpty()) return;
        QV_DrawingPicture::Item item;
        item.kind = QV_DrawingPicture::Item::Kind::Text;
        item.text = text;
        item.font = font;
        item.origin = origin;
        item.color = color;
        item.transform = place * ctx.transform;
        const QFontMetricsF fm(font);
        const QRectF local(origin.x(), origin.y() - fm.ascent(), width, fm.height());
        Grow(item.transform.mapRect(local));
        pic_.items_.push_back(std::move(item));
    }

    void Add(const dxf::Text& g, const dxf::Style&, L, QColor c, double, const Context& ctx) {
        if (!Take(g.text.size())) return; // a glyph per character at most
        const QString text = QString::fromStdString(g.text);
        const QFont font = FontFor(g.style.empty() ? std::string("Standard") : g.style);
        const QFontMetricsF fm(font);
        const double cap = fm.capHeight() > 0 ? fm.capHeight() : fm.ascent() * 0.7;
        const double height = g.height > 0 ? g.height : 2.5;
        const double width = fm.horizontalAdvance(text);
        const double scale = height / cap;
        double stretch = g.widthFactor > 0 ? g.widthFactor : 1;
        double rotation = g.rotation;
        const bool plain = g.hAlign == dxf::HAlign::Left && g.vAlign == dxf::VAlign::Baseline;
        QPointF anchor(plain ? g.position.x : g.alignPoint.x,
                       plain ? g.position.y : g.alignPoint.y);
        double x = 0, y = 0;
        switch (g.hAlign) {
        case dxf::HAlign::Left:
            break;
        case dxf::HAlign::Center:
        case dxf::HAlign::Middle:
            x = -width / 2;
            break;
        case dxf::HAlign::Right:
            x = -width;
            break;
        case dxf::HAlign::Aligned:
        case dxf::HAlign::Fit: { // between the two points
            const double dx = g.alignPoint.x - g.position.x, dy = g.alignPoint.y - g.position.y;
            const double span = std::hypot(dx, dy);
            anchor = {g.position.x, g.position.y};
            if (span > 0 && width > 0) {
                stretch = span / (width * scale);
                rotation = std::atan2(dy, dx) * 180 / kPi;
            }
            break;
        }
        }
        if (g.hAlign == dxf::HAlign::Middle) {
            y = cap / 2;
        } else if (g.vAlign == dxf::VAlign::Bottom) {
            y = -fm.descent();
        } else if (g.vAlign == dxf::VAlign::Middle) {
            y = cap / 2;
        } else if (g.vAlign == dxf::VAlign::Top) {
            y = cap;
        }
        QTransform place;
        place.translate(anchor.x(), anchor.y());
        place.rotate(rotation);
        place.scale(scale * stretch, -scale);
        Text(text, font, {x, y}, width, place, c, ctx);
    }

    void Add(const dxf::MText& g, const dxf::Style&, L, QColor c, double, const Context& ctx) {
        // A glyph per character at most (formatting codes count too), and an
        // element per line.
        if (!Take(Counted(&g, [&] {
                const std::string plain = dxf::MTextPlain(g.text);
                return g.text.size() + kItemPoints * static_cast<std::size_t>(std::count(
                                                         plain.begin(), plain.end(), '\n'));
            })))
            return;
        const QStringList lines =
            QString::fromStdString(dxf::MTextPlain(g.text)).split(QLatin1Char('\n'));
        const QFont font = FontFor(g.style.empty() ? std::string("Standard") : g.style);
        const QFontMetricsF fm(font);
        const double cap = fm.capHeight() > 0 ? fm.capHeight() : fm.ascent() * 0.7;
        const double height = g.height > 0 ? g.height : 2.5;
        const double scale = height / cap;
        const double pitch = cap * 5 / 3; // line spacing of multi-line text
        const double block = cap + pitch * (lines.size() - 1);
        const int row = (g.attachment - 1) / 3, col = (g.attachment - 1) % 3;
        double y = cap - (row == 1 ? block / 2 : row == 2 ? block : 0);
        QTransform place;
        place.translate(g.position.x, g.position.y);
        place.rotate(g.rotation);
        place.scale(scale, -scale);
        for (const QString& line : lines) {
            const double width = fm.horizontalAdvance(line);
            const double x = col == 1 ? -width / 2 : col == 2 ? -width : 0;
            Text(line, font, {x, y}, width, place, c, ctx);
            y += pitch;
        }
    }

    void Add(const dxf::Insert& g, const dxf::Style&, L layer, QColor c, double w,
             const Context& ctx) {
        const auto it = blocks_.find(Upper(g.block));
        if (it == blocks_.end() || it->second->external) return;
        if (ctx.depth >= s_.maxBlockDepth) {
            ++pic_.dropped_;
            return;
        }
        const dxf::Block& block = *it->second;
        const int columns = std::max(1, g.columns), rows = std::max(1, g.rows);
        for (int r = 0; r < rows; ++r) {
            for (int k = 0; k < columns; ++k) {
                // Every placement counts, drawn or not: empty or hidden
                // blocks repeated a billion times must not hang the viewer.
                if (Full() || ++placements_ > s_.maxPrimitives) {
                    ++pic_.dropped_;
                    return;
                }
                QTransform local;
                local.translate(g.position.x, g.position.y);
                local.rotate(g.rotation);
                local.translate(k * g.columnSpacing, r * g.rowSpacing);
                local.scale(g.scaleX, g.scaleY);
                local.translate(-block.base.x, -block.base.y);
                Context inner;
                inner.transform = local * ctx.transform;
                inner.layer = layer;
                inner.color = c;
                inner.weight = w;
                inner.depth = ctx.depth + 1;
                Entities(block.entities, inner);
            }
        }
    }
};

QV_DrawingPicture::QV_DrawingPicture(const QV_C_DataBase& database) {
    QV_PictureBuilder builder(database, *this);
    try {
        builder.Entities(database.Drawing().entities, {});
    } catch (const std::bad_alloc&) {
        // Out of memory below the budget: keep what was drawn, never hand
        // Qt a half-built path.
        ++dropped_;
    }
}

QTransform QV_DrawingPicture::FitTransform(const QRectF& bounds, const QRectF& target,
                                           double margin) {
    const double w = target.width() * (1 - 2 * margin), h = target.height() * (1 - 2 * margin);
    double k = 1;
    if (bounds.width() > 0 && bounds.height() > 0)
        k = std::min(w / bounds.width(), h / bounds.height());
    else if (bounds.width() > 0)
        k = w / bounds.width();
    else if (bounds.height() > 0)
        k = h / bounds.height();
    const QPointF c = bounds.center(), t = target.center();
    return QTransform(k, 0, 0, -k, t.x() - c.x() * k, t.y() + c.y() * k);
}

namespace {

// A copy of the path with its own elements. Painting a path leaves a
// converted form of it in the path's data (some KB, however short the path);
// painting copies keeps that out of the picture, whose memory stays bounded.
QPainterPath Detached(const QPainterPath& path) {
    QPainterPath copy = path;
    if (copy.elementCount() > 0) {
        const QPainterPath::Element first = copy.elementAt(0);
        copy.setElementPositionAt(0, first.x, first.y);
    }
    return copy;
}

} // namespace

void QV_DrawingPicture::Paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QTransform view = painter.worldTransform();
    for (const Item& item : items_) {
        switch (item.kind) {
        case Item::Kind::Stroke: {
            QPen pen(item.color, item.width);
            pen.setCosmetic(true);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            painter.strokePath(Detached(item.path), pen);
            break;
        }
        case Item::Kind::Fill:
            painter.fillPath(Detached(item.path), item.color);
            break;
        case Item::Kind::ClippedStroke: {
            const QPainterPath clip = Detached(item.clip);
            painter.save();
            painter.setClipPath(clip, Qt::IntersectClip);
            QPen pen(item.color, item.width);
            pen.setCosmetic(true);
            painter.strokePath(Detached(item.path), pen);
            painter.restore();
            QPen outline(item.color, item.width);
            outline.setCosmetic(true);
            painter.strokePath(clip, outline);
            break;
        }
        case Item::Kind::Text:
            painter.setWorldTransform(item.transform * view);
            painter.setFont(item.font);
            painter.setPen(item.color);
            painter.drawText(item.origin, item.text);
            painter.setWorldTransform(view);
            break;
        }
    }
    painter.restore();
}

// ---- rendering entry points of the database ----

std::shared_ptr<const QV_DrawingPicture> QV_C_DataBase::Picture() const {
    std::vector<bool> visible;
    visible.reserve(layers_.size());
    for (const QV_C_TabLayer& layer : layers_) visible.push_back(layer.IsVisible());
    // Layers are switched through the pointers GetLayerFromName hands out,
    // so their visibility is compared rather than tracked.
    if (!picture_ || visible != pictureLayers_) {
        picture_ = std::make_shared<const QV_DrawingPicture>(*this);
        pictureLayers_ = std::move(visible);
    }
    return picture_;
}

QRectF QV_C_DataBase::Extents() const {
    return Picture()->Bounds();
}

std::size_t QV_C_DataBase::Dropped() const {
    return Picture()->Dropped();
}

void QV_C_DataBase::Render(QPainter& painter, const QRectF& target) const {
    const std::shared_ptr<const QV_DrawingPicture> kept = Picture();
    const QV_DrawingPicture& picture = *kept;
    painter.fillRect(target, picture.Background());
    if (picture.IsEmpty()) return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.setWorldTransform(QV_DrawingPicture::FitTransform(picture.Bounds(), target) *
                              painter.worldTransform());
    picture.Paint(painter);
    painter.restore();
}

bool QV_C_DataBase::SavePng(const QString& path, const QSize& size) const {
    if (size.isEmpty()) return false;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image.save(path, "PNG");
}

bool QV_C_DataBase::SaveSvg(const QString& path, const QSize& size) const {
    if (size.isEmpty()) return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Section drawing"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return painter.end();
}
