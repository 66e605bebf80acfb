#include "dxf/dxf_writer.h"

#include "dxf/dxf_number.h"
#include "dxf/dxf_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dxf {

namespace {

constexpr double kPi = 3.14159265358979323846;

class Out {
public:
    explicit Out(Version v) : version(v) {}
    void Code(int code) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d\r\n", code);
        text += buf;
    }
    void S(int code, std::string_view value) {
        Code(code);
        text += EncodeText(value);
        text += "\r\n";
    }
    void D(int code, double value) {
        Code(code);
        text += FormatDouble(value);
        text += "\r\n";
    }
    void I(int code, long long value) {
        Code(code);
        text += std::to_string(value);
        text += "\r\n";
    }
    void P(int code, const Point& p) {
        D(code, p.x);
        D(code + 10, p.y);
        D(code + 20, p.z);
    }
    // Handles only exist from R13 on.
    std::string Handle(int code = 5) {
        char buf[24];
        std::snprintf(buf, sizeof buf, "%X", next++);
        if (modern()) S(code, buf);
        return buf;
    }
    void Owner(const std::string& owner) {
        if (modern()) S(330, owner);
    }
    void Subclass(std::string_view name) {
        if (modern()) S(100, name);
    }
    bool modern() const { return version == Version::R2000; }

    std::string text;
    Version version;
    unsigned next = 0x30; // below: the fixed handles of tables and dictionaries
};

// Fixed handles of the R2000 skeleton.
constexpr const char* kRootDictionary = "C";
constexpr const char* kGroupDictionary = "D";

void Header(Out& o, const Document& doc) {
    o.S(0, "SECTION");
    o.S(2, "HEADER");
    o.S(9, "$ACADVER");
    o.S(1, o.modern() ? "AC1015" : "AC1009");
    if (o.modern()) {
        o.S(9, "$HANDSEED");
        o.S(5, "FFFFF"); // above every handle we write
        o.S(9, "$DWGCODEPAGE");
        o.S(3, "ANSI_1252");
        o.S(9, "$INSUNITS");
        o.I(70, doc.units);
        o.S(9, "$LWDISPLAY");
        o.I(290, 1);
    }
    o.S(9, "$MEASUREMENT");
    o.I(70,
        doc.units == static_cast<int>(Units::Inches) || doc.units == static_cast<int>(Units::Feet)
            ? 0
            : 1);
    o.S(0, "ENDSEC");
}

std::string BeginTable(Out& o, std::string_view name, int count) {
    o.S(0, "TABLE");
    o.S(2, name);
    const std::string handle = o.Handle();
    o.Owner("0");
    o.Subclass("AcDbSymbolTable");
    o.I(70, count);
    if (name == "DIMSTYLE") o.Subclass("AcDbDimStyleTable");
    return handle;
}

void Record(Out& o, std::string_view type, const std::string& table, std::string_view subclass,
            std::string_view name, int flags = 0) {
    o.S(0, type);
    o.Handle(type == "DIMSTYLE" ? 105 : 5);
    o.Owner(table);
    o.Subclass("AcDbSymbolTableRecord");
    o.Subclass(subclass);
    o.S(2, name);
    o.I(70, flags);
}

struct BlockRecordHandles {
    std::string model, paper;
    std::vector<std::string> blocks;
};

BlockRecordHandles Tables(Out& o, const Document& doc) {
    BlockRecordHandles records;
    o.S(0, "SECTION");
    o.S(2, "TABLES");

    std::string t = BeginTable(o, "VPORT", 1);
    Record(o, "VPORT", t, "AcDbViewportTableRecord", "*ACTIVE");
    o.D(10, 0), o.D(20, 0), o.D(11, 1), o.D(21, 1), o.D(12, 0), o.D(22, 0);
    o.D(13, 0), o.D(23, 0), o.D(14, 1), o.D(24, 1), o.D(15, 1), o.D(25, 1);
    o.D(16, 0), o.D(26, 0), o.D(36, 1), o.D(17, 0), o.D(27, 0), o.D(37, 0);
    o.D(40, 100), o.D(41, 1.5), o.D(42, 50), o.D(43, 0), o.D(44, 0), o.D(50, 0), o.D(51, 0);
    o.I(71, 0), o.I(72, 100), o.I(73, 1), o.I(74, 3), o.I(75, 0), o.I(76, 0), o.I(77, 0);
    o.I(78, 0);
    o.S(0, "ENDTAB");

    const bool modern = o.modern();
    t = BeginTable(o, "LTYPE", modern ? 3 : 1);
    const char* types[] = {"ByBlock", "ByLayer", "Continuous"};
    for (const char* name : types) {
        if (!modern && std::string_view(name) != "Continuous") continue;
        Record(o, "LTYPE", t, "AcDbLinetypeTableRecord", modern ? name : "CONTINUOUS");
        o.S(3, std::string_view(name) == "Continuous" ? "Solid line" : "");
        o.I(72, 65), o.I(73, 0), o.D(40, 0);
    }
    o.S(0, "ENDTAB");

    std::vector<Layer> layers = doc.layers;
    if (std::none_of(layers.begin(), layers.end(),
                     [](const Layer& l) { return SameName(l.name, "0"); })) {
        Layer zero;
        zero.name.assign(1, '0');
        layers.insert(layers.begin(), std::move(zero));
    }
    t = BeginTable(o, "LAYER", static_cast<int>(layers.size()));
    for (const Layer& l : layers) {
        Record(o, "LAYER", t, "AcDbLayerTableRecord", l.name, l.frozen ? 1 : 0);
        const int color = std::clamp(l.color, 1, 255);
        o.I(62, l.off ? -color : color);
        if (modern && l.rgb) o.I(420, *l.rgb);
        o.S(6, modern ? "Continuous" : "CONTINUOUS"); // the only line type we define
        if (modern) o.I(370, l.lineWeight);
    }
    o.S(0, "ENDTAB");

    t = BeginTable(o, "STYLE", 1);
    Record(o, "STYLE", t, "AcDbTextStyleTableRecord", modern ? "Standard" : "STANDARD");
    o.D(40, 0), o.D(41, 1), o.D(50, 0), o.I(71, 0), o.D(42, 2.5);
    o.S(3, "txt"), o.S(4, "");
    o.S(0, "ENDTAB");

    t = BeginTable(o, "VIEW", 0);
    o.S(0, "ENDTAB");
    t = BeginTable(o, "UCS", 0);
    o.S(0, "ENDTAB");

    t = BeginTable(o, "APPID", 1);
    Record(o, "APPID", t, "AcDbRegAppTableRecord", "ACAD");
    o.S(0, "ENDTAB");

    t = BeginTable(o, "DIMSTYLE", 1);
    Record(o, "DIMSTYLE", t, "AcDbDimStyleTableRecord", modern ? "Standard" : "STANDARD");
    o.S(0, "ENDTAB");

    if (modern) {
        t = BeginTable(o, "BLOCK_RECORD", static_cast<int>(doc.blocks.size()) + 2);
        const auto record = [&](std::string_view name) {
            o.S(0, "BLOCK_RECORD");
            const std::string h = o.Handle();
            o.Owner(t);
            o.Subclass("AcDbSymbolTableRecord");
            o.Subclass("AcDbBlockTableRecord");
            o.S(2, name);
            return h;
        };
        records.model = record("*Model_Space");
        records.paper = record("*Paper_Space");
        for (const Block& b : doc.blocks) records.blocks.push_back(record(b.name));
        o.S(0, "ENDTAB");
    }
    o.S(0, "ENDSEC");
    return records;
}

void Common(Out& o, std::string_view type, const std::string& owner, const Style& s,
            std::string_view subclass) {
    o.S(0, type);
    o.Handle();
    o.Owner(owner);
    o.Subclass("AcDbEntity");
    o.S(8, s.layer.empty() ? "0" : s.layer);
    if (!s.lineType.empty()) o.S(6, s.lineType);
    if (s.color != kByLayer) o.I(62, std::clamp(s.color, 0, 256));
    if (o.modern()) {
        if (s.rgb) o.I(420, *s.rgb & 0xFFFFFF);
        if (s.lineWeight != kWeightByLayer) o.I(370, s.lineWeight);
    }
    o.Subclass(subclass);
}

void WritePolyline(Out& o, const std::string& owner, const Style& s, const Polyline& p) {
    if (o.modern()) {
        Common(o, "LWPOLYLINE", owner, s, "AcDbPolyline");
        o.I(90, static_cast<long long>(p.vertices.size()));
        o.I(70, p.closed ? 1 : 0);
        for (const Vertex& v : p.vertices) {
            o.D(10, v.x), o.D(20, v.y);
            if (v.bulge != 0) o.D(42, v.bulge);
        }
        return;
    }
    Common(o, "POLYLINE", owner, s, "");
    o.I(66, 1);
    o.P(10, {});
    o.I(70, p.closed ? 1 : 0);
    for (const Vertex& v : p.vertices) {
        Common(o, "VERTEX", owner, Style{s.layer}, "");
        o.P(10, {v.x, v.y, 0});
        if (v.bulge != 0) o.D(42, v.bulge);
    }
    Common(o, "SEQEND", owner, Style{s.layer}, "");
}

// Points along an ellipse, for files without the ELLIPSE entity.
Polyline EllipseOutline(const Ellipse& e) {
    Polyline p;
    double sweep = e.endParam - e.startParam;
    while (sweep <= 0) sweep += 2 * kPi;
    const int steps = 72;
    const double mx = e.majorAxis.x, my = e.majorAxis.y;
    for (int k = 0; k <= steps; ++k) {
        const double t = e.startParam + sweep * k / steps;
        const double c = std::cos(t), sn = std::sin(t) * e.ratio;
        p.vertices.push_back({e.center.x + c * mx - sn * my, e.center.y + c * my + sn * mx, 0});
    }
    return p;
}

struct EntityWriter {
    Out& o;
    const std::string& owner;
    const Style& s;

    void operator()(const Line& l) const {
        Common(o, "LINE", owner, s, "AcDbLine");
        o.P(10, l.start);
        o.P(11, l.end);
    }
    void operator()(const Polyline& p) const { WritePolyline(o, owner, s, p); }
    void operator()(const Arc& a) const {
        Common(o, "ARC", owner, s, "AcDbCircle");
        o.P(10, a.center);
        o.D(40, a.radius);
        o.Subclass("AcDbArc");
        o.D(50, a.startAngle);
        o.D(51, a.endAngle);
    }
    void operator()(const Circle& c) const {
        Common(o, "CIRCLE", owner, s, "AcDbCircle");
        o.P(10, c.center);
        o.D(40, c.radius);
    }
    void operator()(const Ellipse& e) const {
        if (!o.modern()) return WritePolyline(o, owner, s, EllipseOutline(e));
        Common(o, "ELLIPSE", owner, s, "AcDbEllipse");
        o.P(10, e.center);
        o.P(11, e.majorAxis);
        o.D(40, e.ratio);
        o.D(41, e.startParam);
        o.D(42, e.endParam);
    }
    void operator()(const Text& t) const {
        Common(o, "TEXT", owner, s, "AcDbText");
        o.P(10, t.position);
        o.D(40, t.height);
        o.S(1, t.text);
        if (t.rotation != 0) o.D(50, t.rotation);
        if (t.widthFactor != 1) o.D(41, t.widthFactor);
        if (!t.style.empty()) o.S(7, t.style);
        if (t.hAlign != HAlign::Left) o.I(72, static_cast<int>(t.hAlign));
        if (t.hAlign != HAlign::Left || t.vAlign != VAlign::Baseline) o.P(11, t.alignPoint);
        o.Subclass("AcDbText");
        if (t.vAlign != VAlign::Baseline) o.I(73, static_cast<int>(t.vAlign));
    }
    void operator()(const MText& m) const {
        if (!o.modern()) { // one TEXT per paragraph, top left at the insertion point
            const std::string plain = MTextPlain(m.text);
            std::size_t start = 0, line = 0;
            while (start <= plain.size()) {
                std::size_t end = plain.find('\n', start);
                if (end == std::string::npos) end = plain.size();
                Text t;
                t.height = m.height;
                t.position = {m.position.x, m.position.y - m.height * (1 + 1.667 * line), 0};
                t.text = plain.substr(start, end - start);
                (*this)(t);
                start = end + 1;
                ++line;
            }
            return;
        }
        Common(o, "MTEXT", owner, s, "AcDbMText");
        o.P(10, m.position);
        o.D(40, m.height);
        o.D(41, m.width);
        o.I(71, m.attachment);
        o.I(72, 1);
        // Lines in the file stay short: chunks of 250 characters, the last as 1.
        const std::string& text = m.text;
        std::size_t pos = 0;
        while (text.size() - pos > 250) {
            o.S(3, text.substr(pos, 250));
            pos += 250;
        }
        o.S(1, text.substr(pos));
        if (!m.style.empty()) o.S(7, m.style);
        if (m.rotation != 0) o.D(50, m.rotation);
    }
    void operator()(const Solid& sd) const {
        Common(o, "SOLID", owner, s, "AcDbTrace");
        for (int k = 0; k < 4; ++k) o.P(10 + k, sd.corners[k]);
    }
    void operator()(const Hatch& h) const {
        if (!o.modern()) { // R12 has no hatch: keep its outline
            for (const HatchLoop& loop : h.loops)
                if (loop.isPolyline) WritePolyline(o, owner, s, Polyline{loop.vertices, true});
            return;
        }
        Common(o, "HATCH", owner, s, "AcDbHatch");
        o.P(10, {});
        o.D(210, 0), o.D(220, 0), o.D(230, 1);
        o.S(2, h.solidFill ? "SOLID" : h.pattern);
        o.I(70, h.solidFill ? 1 : 0);
        o.I(71, 0);
        o.I(91, static_cast<long long>(h.loops.size()));
        for (const HatchLoop& loop : h.loops) {
            if (loop.isPolyline) {
                const bool bulges = std::any_of(loop.vertices.begin(), loop.vertices.end(),
                                                [](const Vertex& v) { return v.bulge != 0; });
                o.I(92, 2 | 1);
                o.I(72, bulges ? 1 : 0);
                o.I(73, 1);
                o.I(93, static_cast<long long>(loop.vertices.size()));
                for (const Vertex& v : loop.vertices) {
                    o.D(10, v.x), o.D(20, v.y);
                    if (bulges) o.D(42, v.bulge);
                }
            } else {
                o.I(92, 1);
                o.I(93, static_cast<long long>(loop.edges.size()));
                for (const HatchEdge& e : loop.edges) Edge(e);
            }
            o.I(97, 0);
        }
        o.I(75, 0);
        o.I(76, 1);
        if (!h.solidFill) {
            o.D(52, h.patternAngle);
            o.D(41, h.patternScale);
            o.I(77, 0);
            o.I(78, static_cast<long long>(h.patternLines.size()));
            for (const HatchPatternLine& pl : h.patternLines) {
                o.D(53, pl.angle);
                o.D(43, pl.base.x), o.D(44, pl.base.y);
                o.D(45, pl.offset.x), o.D(46, pl.offset.y);
                o.I(79, static_cast<long long>(pl.dashes.size()));
                for (double d : pl.dashes) o.D(49, d);
            }
        }
        o.I(98, 0);
    }
    void Edge(const HatchEdge& e) const {
        // Clockwise arcs are stored as their mirror image.
        const auto angle = [&](double a) { return e.counterClockwise ? a : 360 - a; };
        switch (e.kind) {
        case HatchEdge::Kind::Line:
            o.I(72, 1);
            o.D(10, e.start.x), o.D(20, e.start.y), o.D(11, e.end.x), o.D(21, e.end.y);
            break;
        case HatchEdge::Kind::Arc:
            o.I(72, 2);
            o.D(10, e.center.x), o.D(20, e.center.y), o.D(40, e.radius);
            o.D(50, angle(e.startAngle)), o.D(51, angle(e.endAngle));
            o.I(73, e.counterClockwise ? 1 : 0);
            break;
        case HatchEdge::Kind::EllipseArc:
            o.I(72, 3);
            o.D(10, e.center.x), o.D(20, e.center.y);
            o.D(11, e.majorAxis.x), o.D(21, e.majorAxis.y), o.D(40, e.ratio);
            o.D(50, angle(e.startAngle)), o.D(51, angle(e.endAngle));
            o.I(73, e.counterClockwise ? 1 : 0);
            break;
        case HatchEdge::Kind::Spline: // a degree-1 spline through the control points
            o.I(72, 4);
            o.I(94, 1), o.I(73, 0), o.I(74, 0);
            o.I(95, static_cast<long long>(e.controlPoints.size()) + 2);
            o.I(96, static_cast<long long>(e.controlPoints.size()));
            o.D(40, 0);
            for (std::size_t k = 0; k < e.controlPoints.size(); ++k)
                o.D(40, static_cast<double>(k));
            o.D(40, static_cast<double>(e.controlPoints.empty() ? 0 : e.controlPoints.size() - 1));
            for (const Point& p : e.controlPoints) o.D(10, p.x), o.D(20, p.y);
            break;
        }
    }
    void operator()(const Spline& sp) const {
        if (!o.modern()) { // R12 has no spline: its outline as a polyline
            Polyline p;
            for (const Point& pt : SplinePoints(sp)) p.vertices.push_back({pt.x, pt.y, 0});
            p.closed = sp.closed;
            return WritePolyline(o, owner, s, p);
        }
        Common(o, "SPLINE", owner, s, "AcDbSpline");
        o.D(210, 0), o.D(220, 0), o.D(230, 1);
        o.I(70, (sp.closed ? 1 : 0) | (sp.weights.empty() ? 0 : 4) | 8);
        o.I(71, sp.degree);
        o.I(72, static_cast<long long>(sp.knots.size()));
        o.I(73, static_cast<long long>(sp.controlPoints.size()));
        o.I(74, static_cast<long long>(sp.fitPoints.size()));
        for (double k : sp.knots) o.D(40, k);
        for (double w : sp.weights) o.D(41, w);
        for (const Point& p : sp.controlPoints) o.P(10, p);
        for (const Point& p : sp.fitPoints) o.P(11, p);
    }
    void operator()(const Insert& i) const {
        Common(o, "INSERT", owner, s, "AcDbBlockReference");
        o.S(2, i.block);
        o.P(10, i.position);
        if (i.scaleX != 1) o.D(41, i.scaleX);
        if (i.scaleY != 1) o.D(42, i.scaleY);
        if (i.rotation != 0) o.D(50, i.rotation);
        if (i.columns > 1) o.I(70, i.columns), o.D(44, i.columnSpacing);
        if (i.rows > 1) o.I(71, i.rows), o.D(45, i.rowSpacing);
    }
};

void BlockBegin(Out& o, const std::string& owner, std::string_view name, const Point& base,
                bool paper) {
    o.S(0, "BLOCK");
    o.Handle();
    o.Owner(owner);
    o.Subclass("AcDbEntity");
    if (paper && o.modern()) o.I(67, 1);
    o.S(8, "0");
    o.Subclass("AcDbBlockBegin");
    o.S(2, name);
    o.I(70, 0);
    o.P(10, base);
    o.S(3, name);
    o.S(1, "");
}

void BlockEnd(Out& o, const std::string& owner, bool paper) {
    o.S(0, "ENDBLK");
    o.Handle();
    o.Owner(owner);
    o.Subclass("AcDbEntity");
    if (paper && o.modern()) o.I(67, 1);
    o.S(8, "0");
    o.Subclass("AcDbBlockEnd");
}

} // namespace

std::string Write(const Document& doc, Version version) {
    Out o(version);
    Header(o, doc);
    if (o.modern()) {
        o.S(0, "SECTION");
        o.S(2, "CLASSES");
        o.S(0, "ENDSEC");
    }
    const BlockRecordHandles records = Tables(o, doc);

    o.S(0, "SECTION");
    o.S(2, "BLOCKS");
    if (o.modern()) {
        BlockBegin(o, records.model, "*Model_Space", {}, false);
        BlockEnd(o, records.model, false);
        BlockBegin(o, records.paper, "*Paper_Space", {}, true);
        BlockEnd(o, records.paper, true);
    }
    for (std::size_t b = 0; b < doc.blocks.size(); ++b) {
        const Block& block = doc.blocks[b];
        const std::string owner = o.modern() ? records.blocks[b] : std::string();
        BlockBegin(o, owner, block.name, block.base, false);
        for (const Entity& e : block.entities)
            std::visit(EntityWriter{o, owner, e.style}, e.geometry);
        BlockEnd(o, owner, false);
    }
    o.S(0, "ENDSEC");

    o.S(0, "SECTION");
    o.S(2, "ENTITIES");
    for (const Entity& e : doc.entities)
        std::visit(EntityWriter{o, records.model, e.style}, e.geometry);
    o.S(0, "ENDSEC");

    if (o.modern()) {
        o.S(0, "SECTION");
        o.S(2, "OBJECTS");
        o.S(0, "DICTIONARY");
        o.S(5, kRootDictionary);
        o.S(330, "0");
        o.S(100, "AcDbDictionary");
        o.I(281, 1);
        o.S(3, "ACAD_GROUP");
        o.S(350, kGroupDictionary);
        o.S(0, "DICTIONARY");
        o.S(5, kGroupDictionary);
        o.S(330, kRootDictionary);
        o.S(100, "AcDbDictionary");
        o.I(281, 1);
        o.S(0, "ENDSEC");
    }
    o.S(0, "EOF");
    return o.text;
}

// ---- Builder ----

Builder::Builder(Units units) {
    SetUnits(units);
}

void Builder::SetUnits(Units units) {
    doc_.units = static_cast<int>(units);
}

void Builder::AddLayer(const std::string& name, int color, int lineWeight, bool visible) {
    for (Layer& l : doc_.layers) {
        if (SameName(l.name, name)) {
            l.color = color, l.lineWeight = lineWeight, l.off = !visible;
            return;
        }
    }
    Layer l;
    l.name = name;
    l.color = color;
    l.lineWeight = lineWeight;
    l.off = !visible;
    doc_.layers.push_back(std::move(l));
}

void Builder::Add(const Style& style, Geometry geometry) {
    const std::string& layer = style.layer.empty() ? std::string("0") : style.layer;
    if (std::none_of(doc_.layers.begin(), doc_.layers.end(),
                     [&](const Layer& l) { return SameName(l.name, layer); }))
        AddLayer(layer);
    auto& list = openBlock_ >= 0 ? doc_.blocks[static_cast<std::size_t>(openBlock_)].entities
                                 : doc_.entities;
    list.push_back(Entity{style, std::move(geometry)});
}

void Builder::AddLine(const Style& style, Point start, Point end) {
    Add(style, Line{start, end});
}

void Builder::AddPolyline(const Style& style, std::vector<Vertex> vertices, bool closed) {
    Add(style, Polyline{std::move(vertices), closed});
}

void Builder::AddArc(const Style& style, Point center, double radius, double startAngle,
                     double endAngle) {
    Add(style, Arc{center, radius, startAngle, endAngle});
}

void Builder::AddCircle(const Style& style, Point center, double radius) {
    Add(style, Circle{center, radius});
}

void Builder::AddEllipse(const Style& style, const Ellipse& ellipse) {
    Add(style, ellipse);
}

void Builder::AddSpline(const Style& style, const Spline& spline) {
    Add(style, spline);
}

void Builder::AddText(const Style& style, Point position, double height, const std::string& text,
                      double rotation, HAlign hAlign, VAlign vAlign) {
    Text t;
    t.position = position;
    t.alignPoint = position;
    t.height = height;
    t.text = text;
    t.rotation = rotation;
    t.hAlign = hAlign;
    t.vAlign = vAlign;
    Add(style, std::move(t));
}

void Builder::AddMText(const Style& style, Point position, double height, const std::string& text,
                       int attachment) {
    MText m;
    m.position = position;
    m.height = height;
    for (char c : text) m.text += c == '\n' ? std::string("\\P") : std::string(1, c);
    m.attachment = std::clamp(attachment, 1, 9);
    Add(style, std::move(m));
}

void Builder::AddSolid(const Style& style, Point a, Point b, Point c, Point d) {
    Solid s;
    s.corners[0] = a, s.corners[1] = b, s.corners[2] = c, s.corners[3] = d;
    Add(style, s);
}

void Builder::AddHatch(const Style& style, std::vector<std::vector<Vertex>> loops,
                       const std::string& pattern, double angle, double spacing) {
    Hatch h;
    h.solidFill = SameName(pattern, "SOLID");
    h.pattern = h.solidFill ? "SOLID" : pattern;
    for (auto& loop : loops) h.loops.push_back(HatchLoop{true, std::move(loop), {}});
    if (!h.solidFill) {
        h.patternAngle = angle;
        HatchPatternLine line;
        line.angle = angle;
        const double a = angle * kPi / 180;
        // The offset of the next line is perpendicular to the line direction.
        line.offset = {-std::sin(a) * spacing, std::cos(a) * spacing, 0};
        h.patternLines.push_back(line);
    }
    Add(style, std::move(h));
}

void Builder::AddDimension(const Style& style, Point start, Point end, double offset,
                           double textHeight, const std::string& text) {
    const double dx = end.x - start.x, dy = end.y - start.y;
    const double length = std::hypot(dx, dy);
    if (length == 0) return;
    const double ux = dx / length, uy = dy / length; // along
    const double nx = -uy, ny = ux;                  // to the left
    const Point a{start.x + nx * offset, start.y + ny * offset, 0};
    const Point b{end.x + nx * offset, end.y + ny * offset, 0};
    const double gap = textHeight * 0.4, over = textHeight * 0.6;
    const double sign = offset < 0 ? -1 : 1;
    AddLine(style, {start.x + nx * gap * sign, start.y + ny * gap * sign, 0},
            {a.x + nx * over * sign, a.y + ny * over * sign, 0});
    AddLine(style, {end.x + nx * gap * sign, end.y + ny * gap * sign, 0},
            {b.x + nx * over * sign, b.y + ny * over * sign, 0});
    AddLine(style, a, b);
    const double arrow = textHeight, half = textHeight / 6;
    const auto head = [&](Point tip, double dir) {
        const Point base{tip.x + ux * arrow * dir, tip.y + uy * arrow * dir, 0};
        AddSolid(style, tip, {base.x + nx * half, base.y + ny * half, 0},
                 {base.x - nx * half, base.y - ny * half, 0},
                 {base.x - nx * half, base.y - ny * half, 0});
    };
    head(a, 1);
    head(b, -1);
    std::string label = text;
    if (label.empty()) {
        label = FormatDouble(std::round(length * 10) / 10);
        if (label.size() > 2 && label.compare(label.size() - 2, 2, ".0") == 0)
            label.resize(label.size() - 2);
    }
    double rotation = std::atan2(uy, ux) * 180 / kPi;
    if (rotation > 90.5 || rotation <= -89.5) rotation += 180; // keep it readable
    const Point mid{(a.x + b.x) / 2 + nx * gap, (a.y + b.y) / 2 + ny * gap, 0};
    AddText(style, mid, textHeight, label, std::fmod(rotation + 360, 360), HAlign::Center,
            VAlign::Bottom);
}

void Builder::BeginBlock(const std::string& name, Point base) {
    doc_.blocks.push_back(Block{name, base, false, {}});
    openBlock_ = static_cast<int>(doc_.blocks.size()) - 1;
}

void Builder::EndBlock() {
    openBlock_ = -1;
}

void Builder::AddInsert(const Style& style, const std::string& block, Point position, double scale,
                        double rotation) {
    Insert i;
    i.block = block;
    i.position = position;
    i.scaleX = i.scaleY = scale;
    i.rotation = rotation;
    Add(style, std::move(i));
}

} // namespace dxf
