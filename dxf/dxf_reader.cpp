#include "dxf/dxf_reader.h"

#include "dxf/dxf_number.h"
#include "dxf/dxf_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace dxf {

std::string ReadResult::Message() const {
    if (ok) return {};
    return line > 0 ? "line " + std::to_string(line) + ": " + error : error;
}

namespace {

// Largest coordinate or length we accept; drawings are millimetres or inches,
// and anything beyond this only overflows the arithmetic of a viewer.
constexpr double kMaxCoordinate = 1e12;

enum class Kind { String, Double, Int16, Int32, Int64, Bool, Handle, Binary, Invalid };

Kind KindOf(int code) {
    if (code >= 0 && code <= 9) return Kind::String;
    if (code >= 10 && code <= 59) return Kind::Double;
    if (code >= 60 && code <= 79) return Kind::Int16;
    if (code >= 90 && code <= 99) return Kind::Int32;
    if (code >= 100 && code <= 102) return Kind::String;
    if (code == 105) return Kind::Handle;
    if (code >= 110 && code <= 149) return Kind::Double;
    if (code >= 160 && code <= 169) return Kind::Int64;
    if (code >= 170 && code <= 179) return Kind::Int16;
    if (code >= 210 && code <= 239) return Kind::Double;
    if (code >= 270 && code <= 289) return Kind::Int16;
    if (code >= 290 && code <= 299) return Kind::Bool;
    if (code >= 300 && code <= 309) return Kind::String;
    if (code >= 310 && code <= 319) return Kind::Binary;
    if (code >= 320 && code <= 369) return Kind::Handle;
    if (code >= 370 && code <= 389) return Kind::Int16;
    if (code >= 390 && code <= 399) return Kind::Handle;
    if (code >= 400 && code <= 409) return Kind::Int16;
    if (code >= 410 && code <= 419) return Kind::String;
    if (code >= 420 && code <= 429) return Kind::Int32;
    if (code >= 430 && code <= 439) return Kind::String;
    if (code >= 440 && code <= 459) return Kind::Int32;
    if (code >= 460 && code <= 469) return Kind::Double;
    if (code >= 470 && code <= 479) return Kind::String;
    if (code >= 480 && code <= 481) return Kind::Handle;
    if (code == 999) return Kind::String;
    if (code >= 1000 && code <= 1003) return Kind::String;
    if (code == 1004) return Kind::Binary;
    if (code == 1005) return Kind::Handle;
    if (code >= 1006 && code <= 1009) return Kind::String;
    if (code >= 1010 && code <= 1059) return Kind::Double;
    if (code >= 1060 && code <= 1070) return Kind::Int16;
    if (code == 1071) return Kind::Int32;
    return Kind::Invalid;
}

struct Group {
    int code = 0;
    std::string_view text;
    double number = 0;        // Double
    std::int64_t integer = 0; // Int*, Bool
    std::size_t line = 0;     // line of the group code
};

struct Failure {
    std::size_t line = 0;
    std::string message;
};

std::string Quote(std::string_view text) {
    std::string out = "'";
    for (char c : text.substr(0, 40)) out += (static_cast<unsigned char>(c) < 32) ? '?' : c;
    if (text.size() > 40) out += "...";
    return out + "'";
}

bool IsHex(std::string_view text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

// Splits the file into checked groups up to and including "0 EOF".
bool Tokenize(std::string_view data, std::vector<Group>& groups, Failure& failure) {
    std::size_t pos = 0, line = 0;
    if (data.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
    const auto nextLine = [&](std::string_view& out) {
        if (pos >= data.size()) return false;
        std::size_t end = data.find('\n', pos);
        if (end == std::string_view::npos) end = data.size();
        out = data.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        if (!out.empty() && out.back() == '\r') out.remove_suffix(1);
        return true;
    };
    const auto fail = [&](std::size_t at, std::string message) {
        failure = {at, std::move(message)};
        return false;
    };
    std::string_view codeText, value;
    while (nextLine(codeText)) {
        const std::string_view trimmed = Trim(codeText);
        if (trimmed.empty() && pos >= data.size()) break; // blank last line
        const auto code = ParseInteger(trimmed);
        if (!code || *code < -32768 || *code > 32767)
            return fail(line, "group code expected, found " + Quote(codeText));
        Group g;
        g.code = static_cast<int>(*code);
        g.line = line;
        const Kind kind = KindOf(g.code);
        if (kind == Kind::Invalid)
            return fail(line, "unknown group code " + std::to_string(g.code));
        if (!nextLine(value))
            return fail(line, "group code " + std::to_string(g.code) + " has no value");
        if (value.find('\0') != std::string_view::npos)
            return fail(line, "binary data in a text file");
        g.text = value;
        const std::string what = "value of group code " + std::to_string(g.code);
        switch (kind) {
        case Kind::String:
            break;
        case Kind::Double: {
            const auto v = ParseDouble(value);
            if (!v) return fail(line, what + " is not a number: " + Quote(value));
            g.number = *v;
            break;
        }
        case Kind::Int16:
        case Kind::Bool:
        case Kind::Int32:
        case Kind::Int64: {
            const auto v = ParseInteger(value);
            if (!v) return fail(line, what + " is not an integer: " + Quote(value));
            const bool inRange =
                kind == Kind::Int64 || (kind == Kind::Int32 ? (*v >= INT32_MIN && *v <= UINT32_MAX)
                                                            : (*v >= -32768 && *v <= 32767));
            if (!inRange) return fail(line, what + " is out of range: " + Quote(value));
            g.integer = *v;
            break;
        }
        case Kind::Handle:
        case Kind::Binary: {
            const std::string_view t = Trim(value);
            if (!IsHex(t) || (kind == Kind::Binary && t.size() % 2 != 0))
                return fail(line, what + " is not hexadecimal: " + Quote(value));
            break;
        }
        case Kind::Invalid:
            break;
        }
        if (g.code == 999) continue; // comment
        groups.push_back(g);
        if (g.code == 0 && Trim(g.text) == "EOF") return true;
    }
    return fail(line, "the file ends without EOF (cut short?)");
}

struct Extrusion {
    double z = 1;
    bool mirrored() const { return z < 0; }
};

// Entities drawn in a mirrored object coordinate system (extrusion 0,0,-1):
// x is negated, turning directions reverse.
struct Mirror {
    void operator()(Line&) const {} // world coordinates
    void operator()(Ellipse&) const {}
    void operator()(MText&) const {}
    void operator()(Spline&) const {}
    void operator()(Polyline& p) const {
        for (auto& v : p.vertices) v.x = -v.x, v.bulge = -v.bulge;
    }
    void operator()(Arc& a) const {
        a.center.x = -a.center.x;
        const double start = a.startAngle;
        a.startAngle = 180 - a.endAngle;
        a.endAngle = 180 - start;
    }
    void operator()(Circle& c) const { c.center.x = -c.center.x; }
    void operator()(Text& t) const {
        t.position.x = -t.position.x;
        t.alignPoint.x = -t.alignPoint.x;
        t.rotation = 180 - t.rotation;
    }
    void operator()(Solid& s) const {
        for (auto& c : s.corners) c.x = -c.x;
    }
    void operator()(Insert& i) const {
        i.position.x = -i.position.x;
        i.scaleX = -i.scaleX;
        i.rotation = -i.rotation;
    }
    void operator()(Hatch& h) const {
        for (auto& loop : h.loops) {
            for (auto& v : loop.vertices) v.x = -v.x, v.bulge = -v.bulge;
            for (auto& e : loop.edges) {
                e.start.x = -e.start.x, e.end.x = -e.end.x, e.center.x = -e.center.x;
                e.majorAxis.x = -e.majorAxis.x;
                for (auto& p : e.controlPoints) p.x = -p.x;
                if (e.kind == HatchEdge::Kind::Arc) {
                    e.startAngle = 180 - e.startAngle, e.endAngle = 180 - e.endAngle;
                } else {
                    e.startAngle = -e.startAngle, e.endAngle = -e.endAngle;
                }
                e.counterClockwise = !e.counterClockwise;
            }
        }
    }
};

class Parser {
public:
    explicit Parser(const std::vector<Group>& groups) : g_(groups) {}

    bool Run(Document& doc) {
        while (true) {
            if (i_ >= g_.size()) return Fail("the file ends without EOF");
            const Group& head = g_[i_];
            if (head.code != 0) return Fail(head.line, "0/SECTION expected");
            const std::string_view type = Trim(head.text);
            if (type == "EOF") return true;
            if (type != "SECTION")
                return Fail(head.line, "SECTION expected, found " + Quote(head.text));
            ++i_;
            if (i_ >= g_.size() || g_[i_].code != 2)
                return Fail(head.line, "section without a name");
            const std::string_view name = Trim(g_[i_].text);
            ++i_;
            bool ok = true;
            if (name == "HEADER")
                ok = Header(doc);
            else if (name == "TABLES")
                ok = Tables(doc);
            else if (name == "BLOCKS")
                ok = Blocks(doc);
            else if (name == "ENTITIES")
                ok = Entities(doc.entities, "ENDSEC");
            if (!ok) return false;
            if (!SkipTo("ENDSEC")) return false;
            ++i_; // ENDSEC
        }
    }

    Failure failure;

private:
    const std::vector<Group>& g_;
    std::size_t i_ = 0;
    std::string version_ = "AC1009";
    std::unordered_set<std::string> layerNames_; // upper case

    bool Fail(std::size_t line, std::string message) {
        failure = {line, std::move(message)};
        return false;
    }
    bool Fail(std::string message) {
        return Fail(g_.empty() ? 1 : g_.back().line, std::move(message));
    }

    bool IsMarker(std::size_t k, std::string_view type) const {
        return k < g_.size() && g_[k].code == 0 && Trim(g_[k].text) == type;
    }
    // Index of the next group 0 after k.
    std::size_t ObjectEnd(std::size_t k) const {
        ++k;
        while (k < g_.size() && g_[k].code != 0) ++k;
        return k;
    }
    // Moves to the group "0 marker" at or after the current one, stopping at
    // EOF: a section or table that is not closed is an error.
    bool SkipTo(std::string_view marker) {
        const std::size_t start = i_ < g_.size() ? g_[i_].line : 0;
        while (i_ < g_.size() && !IsMarker(i_, marker)) {
            if (IsMarker(i_, "EOF"))
                return Fail(g_[i_].line, std::string(marker) + " missing (block opened near line " +
                                             std::to_string(start) + ")");
            ++i_;
        }
        if (i_ >= g_.size()) return Fail(std::string(marker) + " missing");
        return true;
    }

    bool Header(Document& doc) {
        std::string_view variable;
        for (; i_ < g_.size() && g_[i_].code != 0; ++i_) {
            const Group& x = g_[i_];
            if (x.code == 9) {
                variable = Trim(x.text);
            } else if (variable == "$ACADVER" && x.code == 1) {
                doc.version = std::string(Trim(x.text));
                version_ = doc.version;
            } else if (variable == "$INSUNITS" && x.code == 70) {
                doc.units = static_cast<int>(x.integer);
            }
        }
        return true;
    }

    bool Tables(Document& doc) {
        while (i_ < g_.size() && IsMarker(i_, "TABLE")) {
            std::size_t k = i_ + 1;
            const bool layers = k < g_.size() && g_[k].code == 2 && Trim(g_[k].text) == "LAYER";
            i_ = ObjectEnd(i_);
            while (i_ < g_.size() && g_[i_].code == 0 && !IsMarker(i_, "ENDTAB")) {
                if (IsMarker(i_, "ENDSEC") || IsMarker(i_, "EOF"))
                    return Fail(g_[i_].line, "table not closed by ENDTAB");
                const std::size_t end = ObjectEnd(i_);
                if (layers && IsMarker(i_, "LAYER") && !LayerEntry(doc, i_ + 1, end)) return false;
                i_ = end;
            }
            if (i_ >= g_.size()) return Fail("table not closed by ENDTAB");
            i_ = ObjectEnd(i_); // ENDTAB
        }
        return true;
    }

    bool LayerEntry(Document& doc, std::size_t k, std::size_t end) {
        Layer layer;
        for (; k < end; ++k) {
            const Group& x = g_[k];
            switch (x.code) {
            case 2:
                layer.name = DecodeText(x.text);
                break;
            case 62:
                if (x.integer == 0 || x.integer < -256 || x.integer > 256)
                    return Fail(x.line, "layer colour out of range");
                layer.off = x.integer < 0;
                layer.color = static_cast<int>(x.integer < 0 ? -x.integer : x.integer);
                if (layer.color == 256) layer.color = 7;
                break;
            case 70:
                layer.frozen = (x.integer & 1) != 0;
                break;
            case 6:
                layer.lineType = std::string(x.text);
                break;
            case 370:
                if (x.integer < -3 || x.integer > 211)
                    return Fail(x.line, "line weight out of range");
                layer.lineWeight = static_cast<int>(x.integer);
                break;
            case 420:
                layer.rgb = static_cast<std::uint32_t>(x.integer) & 0xFFFFFF;
                break;
            default:
                break;
            }
        }
        if (layer.name.empty()) return Fail(g_[k - 1].line, "layer without a name");
        std::string key = layer.name;
        for (char& c : key)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        if (!layerNames_.insert(std::move(key)).second) return true; // first definition wins
        doc.layers.push_back(std::move(layer));
        return true;
    }

    bool Blocks(Document& doc) {
        while (i_ < g_.size() && g_[i_].code == 0 && !IsMarker(i_, "ENDSEC")) {
            if (IsMarker(i_, "EOF")) return Fail(g_[i_].line, "ENDSEC missing");
            if (!IsMarker(i_, "BLOCK")) {
                i_ = ObjectEnd(i_);
                continue;
            }
            Block block;
            const std::size_t end = ObjectEnd(i_);
            for (std::size_t k = i_ + 1; k < end; ++k) {
                const Group& x = g_[k];
                if (x.code == 2) block.name = DecodeText(x.text);
                if (x.code == 10) block.base.x = x.number;
                if (x.code == 20) block.base.y = x.number;
                if (x.code == 70) block.external = (x.integer & 4) != 0;
            }
            if (block.name.empty()) return Fail(g_[i_].line, "block without a name");
            i_ = end;
            if (!Entities(block.entities, "ENDBLK")) return false;
            i_ = ObjectEnd(i_); // ENDBLK
            doc.blocks.push_back(std::move(block));
        }
        return true;
    }

    // Reads entities up to the group "0 stop", which is left current.
    bool Entities(std::vector<Entity>& out, std::string_view stop) {
        while (true) {
            if (i_ >= g_.size()) return Fail(std::string(stop) + " missing");
            if (IsMarker(i_, stop)) return true;
            if (IsMarker(i_, "EOF") || IsMarker(i_, "ENDSEC"))
                return Fail(g_[i_].line, std::string(stop) + " missing");
            if (!Entity1(out)) return false;
        }
    }

    // Follows a POLYLINE's VERTEX records or an INSERT's ATTRIB records up to
    // and including SEQEND.
    bool Sequence(std::vector<Vertex>* vertices, bool* skip) {
        while (i_ < g_.size() && !IsMarker(i_, "SEQEND")) {
            const std::size_t end = ObjectEnd(i_);
            const bool vertex = IsMarker(i_, "VERTEX");
            if (!vertex && !IsMarker(i_, "ATTRIB"))
                return Fail(g_[i_].line, "SEQEND expected, found " + Quote(g_[i_].text));
            if (vertex && vertices) {
                Vertex v;
                int flags = 0;
                for (std::size_t k = i_ + 1; k < end; ++k) {
                    const Group& x = g_[k];
                    if (x.code >= 10 && x.code <= 42 && std::fabs(x.number) > kMaxCoordinate)
                        return Fail(x.line, "coordinate out of range");
                    if (x.code == 10) v.x = x.number;
                    if (x.code == 20) v.y = x.number;
                    if (x.code == 42) v.bulge = x.number;
                    if (x.code == 70) flags = static_cast<int>(x.integer);
                }
                if (flags & 128) *skip = true;             // face record of a polyface mesh
                if (!(flags & 16)) vertices->push_back(v); // not a spline frame point
            }
            i_ = end;
        }
        if (i_ >= g_.size()) return Fail("SEQEND missing");
        i_ = ObjectEnd(i_);
        return true;
    }

    bool Entity1(std::vector<Entity>& out) {
        const Group& head = g_[i_];
        const std::string_view type = Trim(head.text);
        const std::size_t begin = i_ + 1, end = ObjectEnd(i_);
        Entity e;
        Extrusion extrusion;
        bool skip = false, follows = false;
        // First pass: properties shared by every entity; coordinates checked.
        for (std::size_t k = begin; k < end; ++k) {
            const Group& x = g_[k];
            switch (x.code) {
            case 8:
                e.style.layer = x.text.empty() ? "0" : DecodeText(x.text);
                break;
            case 62:
                if (x.integer < 0 || x.integer > 256) {
                    if (x.integer >= -256 && x.integer < 0) break; // off-layer marker
                    return Fail(x.line, "colour number out of range");
                }
                e.style.color = static_cast<int>(x.integer);
                break;
            case 420:
                e.style.rgb = static_cast<std::uint32_t>(x.integer) & 0xFFFFFF;
                break;
            case 370:
                if (x.integer < -3 || x.integer > 211)
                    return Fail(x.line, "line weight out of range");
                e.style.lineWeight = static_cast<int>(x.integer);
                break;
            case 6:
                e.style.lineType = std::string(x.text);
                break;
            case 67:
                skip = skip || x.integer != 0;
                break; // paper space
            case 60:
                skip = skip || x.integer != 0;
                break; // invisible
            case 66:
                follows = x.integer != 0;
                break;
            case 230:
                extrusion.z = x.number;
                break;
            default:
                if (x.code >= 10 && x.code <= 59 && x.code != 50 && x.code != 51 && x.code != 52 &&
                    x.code != 53 && std::fabs(x.number) > kMaxCoordinate)
                    return Fail(x.line, "number out of range");
                break;
            }
        }
        i_ = end;
        bool known = true;
        if (type == "LINE") {
            e.geometry = ReadLine(begin, end);
        } else if (type == "LWPOLYLINE") {
            Polyline p;
            if (!ReadLwPolyline(begin, end, p)) return false;
            e.geometry = std::move(p);
        } else if (type == "POLYLINE") {
            Polyline p;
            int flags = 0;
            for (std::size_t k = begin; k < end; ++k)
                if (g_[k].code == 70) flags = static_cast<int>(g_[k].integer);
            p.closed = (flags & 1) != 0;
            if (flags & (16 | 64)) skip = true; // meshes are not section drawings
            if (!Sequence(&p.vertices, &skip)) return false;
            e.geometry = std::move(p);
        } else if (type == "ARC" || type == "CIRCLE") {
            Arc a;
            for (std::size_t k = begin; k < end; ++k) {
                const Group& x = g_[k];
                if (x.code == 10) a.center.x = x.number;
                if (x.code == 20) a.center.y = x.number;
                if (x.code == 40) a.radius = x.number;
                if (x.code == 50) a.startAngle = x.number;
                if (x.code == 51) a.endAngle = x.number;
            }
            if (a.radius < 0) return Fail(head.line, "negative radius");
            if (type == "ARC") {
                e.geometry = a;
            } else {
                e.geometry = Circle{a.center, a.radius};
            }
        } else if (type == "ELLIPSE") {
            Ellipse el;
            for (std::size_t k = begin; k < end; ++k) {
                const Group& x = g_[k];
                if (x.code == 10) el.center.x = x.number;
                if (x.code == 20) el.center.y = x.number;
                if (x.code == 11) el.majorAxis.x = x.number;
                if (x.code == 21) el.majorAxis.y = x.number;
                if (x.code == 40) el.ratio = x.number;
                if (x.code == 41) el.startParam = x.number;
                if (x.code == 42) el.endParam = x.number;
            }
            if (!(el.ratio > 0 && el.ratio <= 1 + 1e-9))
                return Fail(head.line, "ellipse axis ratio out of range");
            if (el.majorAxis.x == 0 && el.majorAxis.y == 0)
                return Fail(head.line, "ellipse without a major axis");
            e.geometry = el;
        } else if (type == "TEXT") {
            e.geometry = ReadText(begin, end);
        } else if (type == "MTEXT") {
            e.geometry = ReadMText(begin, end);
        } else if (type == "SOLID" || type == "TRACE") {
            Solid s;
            for (std::size_t k = begin; k < end; ++k) {
                const Group& x = g_[k];
                if (x.code >= 10 && x.code <= 13) s.corners[x.code - 10].x = x.number;
                if (x.code >= 20 && x.code <= 23) s.corners[x.code - 20].y = x.number;
            }
            e.geometry = s;
        } else if (type == "SPLINE") {
            Spline sp;
            if (!ReadSpline(begin, end, sp)) return false;
            e.geometry = std::move(sp);
        } else if (type == "HATCH") {
            Hatch h;
            if (!ReadHatch(begin, end, h)) return false;
            e.geometry = std::move(h);
        } else if (type == "INSERT" || type == "DIMENSION") {
            Insert ins;
            for (std::size_t k = begin; k < end; ++k) {
                const Group& x = g_[k];
                if (x.code == 2) ins.block = DecodeText(x.text);
                if (type == "DIMENSION") continue; // its picture lies at the origin
                if (x.code == 10) ins.position.x = x.number;
                if (x.code == 20) ins.position.y = x.number;
                if (x.code == 41) ins.scaleX = x.number;
                if (x.code == 42) ins.scaleY = x.number;
                if (x.code == 50) ins.rotation = x.number;
                if (x.code == 70) ins.columns = std::max<int>(1, static_cast<int>(x.integer));
                if (x.code == 71) ins.rows = std::max<int>(1, static_cast<int>(x.integer));
                if (x.code == 44) ins.columnSpacing = x.number;
                if (x.code == 45) ins.rowSpacing = x.number;
            }
            if (ins.block.empty()) skip = true; // a dimension without its picture
            if (type == "INSERT" && follows && !Sequence(nullptr, &skip)) return false;
            e.geometry = std::move(ins);
        } else {
            known = false; // not drawn here; its groups are already checked
        }
        if (!known || skip) return true;
        if (extrusion.mirrored()) std::visit(Mirror{}, e.geometry);
        out.push_back(std::move(e));
        return true;
    }

    bool ReadSpline(std::size_t k, std::size_t end, Spline& sp) {
        const std::size_t line = g_[k - 1].line;
        Point* fit = nullptr;
        Point* control = nullptr;
        for (; k < end; ++k) {
            const Group& x = g_[k];
            switch (x.code) {
            case 70:
                sp.closed = (x.integer & 1) != 0;
                break;
            case 71:
                sp.degree = static_cast<int>(x.integer);
                break;
            case 40:
                sp.knots.push_back(x.number);
                break;
            case 41:
                sp.weights.push_back(x.number);
                break;
            case 10:
                sp.controlPoints.push_back({x.number, 0, 0}), control = &sp.controlPoints.back();
                break;
            case 20:
                if (control) control->y = x.number;
                break;
            case 11:
                sp.fitPoints.push_back({x.number, 0, 0}), fit = &sp.fitPoints.back();
                break;
            case 21:
                if (fit) fit->y = x.number;
                break;
            default:
                break;
            }
        }
        if (sp.degree < 1 || sp.degree > 25) return Fail(line, "spline degree out of range");
        if (!sp.controlPoints.empty() &&
            sp.knots.size() != sp.controlPoints.size() + static_cast<std::size_t>(sp.degree) + 1)
            return Fail(line, "spline knot count does not match its control points");
        for (std::size_t i = 1; i < sp.knots.size(); ++i)
            if (sp.knots[i] < sp.knots[i - 1]) return Fail(line, "spline knots decrease");
        if (!sp.weights.empty() && sp.weights.size() != sp.controlPoints.size())
            return Fail(line, "spline weight count does not match its control points");
        for (double w : sp.weights)
            if (!(w > 0)) return Fail(line, "spline weight not positive");
        if (sp.controlPoints.empty() && sp.fitPoints.size() < 2)
            return Fail(line, "spline without points");
        return true;
    }

    Line ReadLine(std::size_t k, std::size_t end) const {
        Line l;
        for (; k < end; ++k) {
            const Group& x = g_[k];
            if (x.code == 10) l.start.x = x.number;
            if (x.code == 20) l.start.y = x.number;
            if (x.code == 30) l.start.z = x.number;
            if (x.code == 11) l.end.x = x.number;
            if (x.code == 21) l.end.y = x.number;
            if (x.code == 31) l.end.z = x.number;
        }
        return l;
    }

    bool ReadLwPolyline(std::size_t k, std::size_t end, Polyline& p) {
        std::int64_t expected = -1;
        bool haveY = true;
        for (; k < end; ++k) {
            const Group& x = g_[k];
            switch (x.code) {
            case 90:
                expected = x.integer;
                break;
            case 70:
                p.closed = (x.integer & 1) != 0;
                break;
            case 10:
                if (!haveY) return Fail(x.line, "vertex without y coordinate");
                p.vertices.push_back({x.number, 0, 0});
                haveY = false;
                break;
            case 20:
                if (haveY) return Fail(x.line, "y coordinate without a vertex");
                p.vertices.back().y = x.number;
                haveY = true;
                break;
            case 42:
                if (p.vertices.empty()) return Fail(x.line, "bulge before the first vertex");
                p.vertices.back().bulge = x.number;
                break;
            default:
                break;
            }
        }
        if (!haveY) return Fail(g_[end - 1].line, "vertex without y coordinate");
        if (expected >= 0 && static_cast<std::size_t>(expected) != p.vertices.size())
            return Fail(g_[end - 1].line, "polyline has " + std::to_string(p.vertices.size()) +
                                              " vertices, announced " + std::to_string(expected));
        return true;
    }

    Text ReadText(std::size_t k, std::size_t end) const {
        Text t;
        bool aligned = false;
        for (; k < end; ++k) {
            const Group& x = g_[k];
            switch (x.code) {
            case 1:
                t.text = DecodeControlCodes(DecodeText(x.text));
                break;
            case 7:
                t.style = std::string(x.text);
                break;
            case 10:
                t.position.x = x.number;
                break;
            case 20:
                t.position.y = x.number;
                break;
            case 11:
                t.alignPoint.x = x.number;
                aligned = true;
                break;
            case 21:
                t.alignPoint.y = x.number;
                break;
            case 40:
                t.height = x.number;
                break;
            case 41:
                t.widthFactor = x.number;
                break;
            case 50:
                t.rotation = x.number;
                break;
            case 72:
                if (x.integer >= 0 && x.integer <= 5) t.hAlign = static_cast<HAlign>(x.integer);
                break;
            case 73:
                if (x.integer >= 0 && x.integer <= 3) t.vAlign = static_cast<VAlign>(x.integer);
                break;
            default:
                break;
            }
        }
        if (!aligned) t.alignPoint = t.position;
        return t;
    }

    MText ReadMText(std::size_t k, std::size_t end) const {
        MText m;
        std::string head, tail;
        double dx = 0, dy = 0;
        bool direction = false;
        for (; k < end; ++k) {
            const Group& x = g_[k];
            switch (x.code) {
            case 1:
                tail = std::string(x.text);
                break;
            case 3:
                head += x.text;
                break;
            case 7:
                m.style = std::string(x.text);
                break;
            case 10:
                m.position.x = x.number;
                break;
            case 20:
                m.position.y = x.number;
                break;
            case 11:
                dx = x.number, direction = true;
                break;
            case 21:
                dy = x.number, direction = true;
                break;
            case 40:
                m.height = x.number;
                break;
            case 41:
                m.width = x.number;
                break;
            case 50:
                m.rotation = x.number;
                break;
            case 71:
                if (x.integer >= 1 && x.integer <= 9) m.attachment = static_cast<int>(x.integer);
                break;
            default:
                break;
            }
        }
        if (direction && (dx != 0 || dy != 0)) m.rotation = std::atan2(dy, dx) * 180 / M_PI;
        m.text = DecodeText(head + tail);
        return m;
    }

    // Cursor over the groups of one hatch: its boundary is a counted sequence
    // whose every group must come in order.
    struct Cursor {
        Parser& p;
        std::size_t k, end;
        const Group* Take(int code) {
            if (k >= end) {
                p.Fail(p.g_[end - 1].line,
                       "hatch data cut short, group code " + std::to_string(code) + " expected");
                return nullptr;
            }
            const Group& x = p.g_[k];
            if (x.code != code) {
                p.Fail(x.line, "group code " + std::to_string(code) + " expected in hatch, found " +
                                   std::to_string(x.code));
                return nullptr;
            }
            ++k;
            return &x;
        }
        bool Next(int code) const { return k < end && p.g_[k].code == code; }
        bool Point(dxf::Point& pt, int code) {
            const Group* x = Take(code);
            const Group* y = x ? Take(code + 10) : nullptr;
            if (!y) return false;
            pt.x = x->number;
            pt.y = y->number;
            return true;
        }
        bool Count(int code, std::int64_t& n) {
            const Group* x = Take(code);
            if (!x) return false;
            // Every counted item needs at least one group of the remaining data.
            if (x->integer < 0 || x->integer > static_cast<std::int64_t>(end - k)) {
                p.Fail(x->line, "hatch count out of range");
                return false;
            }
            n = x->integer;
            return true;
        }
        bool Number(int code, double& v) {
            const Group* x = Take(code);
            if (x) v = x->number;
            return x != nullptr;
        }
    };

    bool ReadEdge(Cursor& c, HatchEdge& e) {
        const Group* type = c.Take(72);
        if (!type) return false;
        const Group* ccw = nullptr;
        switch (type->integer) {
        case 1:
            e.kind = HatchEdge::Kind::Line;
            return c.Point(e.start, 10) && c.Point(e.end, 11);
        case 2:
            e.kind = HatchEdge::Kind::Arc;
            if (!c.Point(e.center, 10) || !c.Number(40, e.radius) || !c.Number(50, e.startAngle) ||
                !c.Number(51, e.endAngle) || !(ccw = c.Take(73)))
                return false;
            break;
        case 3:
            e.kind = HatchEdge::Kind::EllipseArc;
            if (!c.Point(e.center, 10) || !c.Point(e.majorAxis, 11) || !c.Number(40, e.ratio) ||
                !c.Number(50, e.startAngle) || !c.Number(51, e.endAngle) || !(ccw = c.Take(73)))
                return false;
            if (!(e.ratio > 0 && e.ratio <= 1 + 1e-9)) return Fail(type->line, "bad ellipse edge");
            break;
        case 4: {
            e.kind = HatchEdge::Kind::Spline;
            std::int64_t knots = 0, points = 0;
            const Group* rational = nullptr;
            if (!c.Take(94) || !(rational = c.Take(73)) || !c.Take(74) || !c.Count(95, knots) ||
                !c.Count(96, points))
                return false;
            for (std::int64_t n = 0; n < knots; ++n)
                if (!c.Take(40)) return false;
            for (std::int64_t n = 0; n < points; ++n) {
                dxf::Point pt;
                if (!c.Point(pt, 10)) return false;
                if (c.Next(42)) c.Take(42);
                e.controlPoints.push_back(pt);
            }
            // Fit data follow from R2010 (AC1024) on; before, a 97 here is
            // already the loop's count of source objects.
            if (version_ >= "AC1024" && c.Next(97)) {
                std::int64_t fit = 0;
                if (!c.Count(97, fit)) return false;
                for (std::int64_t n = 0; n < fit; ++n) {
                    dxf::Point pt;
                    if (!c.Point(pt, 11)) return false;
                }
                dxf::Point tangent;
                if (c.Next(12) && !c.Point(tangent, 12)) return false;
                if (c.Next(13) && !c.Point(tangent, 13)) return false;
            }
            return true;
        }
        default:
            return Fail(type->line, "unknown hatch edge type");
        }
        e.counterClockwise = ccw->integer != 0;
        if (!e.counterClockwise) { // stored as the mirror image
            e.startAngle = 360 - e.startAngle;
            e.endAngle = 360 - e.endAngle;
        }
        return true;
    }

    bool ReadHatch(std::size_t begin, std::size_t end, Hatch& h) {
        std::size_t k = begin;
        for (; k < end && g_[k].code != 91; ++k) {
            const Group& x = g_[k];
            if (x.code == 2) h.pattern = std::string(Trim(x.text));
            if (x.code == 70) h.solidFill = x.integer != 0;
        }
        if (k == end) return Fail(g_[begin - 1].line, "hatch without boundary");
        Cursor c{*this, k, end};
        std::int64_t loops = 0;
        if (!c.Count(91, loops)) return false;
        for (std::int64_t n = 0; n < loops; ++n) {
            HatchLoop loop;
            const Group* flags = c.Take(92);
            if (!flags) return false;
            loop.isPolyline = (flags->integer & 2) != 0;
            if (loop.isPolyline) {
                const Group* bulges = c.Take(72);
                std::int64_t count = 0;
                if (!bulges || !c.Take(73) || !c.Count(93, count)) return false;
                for (std::int64_t v = 0; v < count; ++v) {
                    dxf::Point pt;
                    if (!c.Point(pt, 10)) return false;
                    Vertex vertex{pt.x, pt.y, 0};
                    if (c.Next(42)) vertex.bulge = c.Take(42)->number;
                    loop.vertices.push_back(vertex);
                }
            } else {
                std::int64_t edges = 0;
                if (!c.Count(93, edges)) return false;
                for (std::int64_t v = 0; v < edges; ++v) {
                    HatchEdge edge;
                    if (!ReadEdge(c, edge)) return false;
                    loop.edges.push_back(std::move(edge));
                }
            }
            std::int64_t sources = 0;
            if (!c.Count(97, sources)) return false;
            for (std::int64_t s = 0; s < sources; ++s)
                if (!c.Take(330)) return false;
            h.loops.push_back(std::move(loop));
        }
        // Pattern definition, for patterned hatches.
        for (; c.k < end; ++c.k) {
            const Group& x = g_[c.k];
            if (x.code == 52) h.patternAngle = x.number;
            if (x.code == 41) h.patternScale = x.number;
            if (x.code == 78) {
                std::int64_t lines = 0;
                if (!c.Count(78, lines)) return false;
                for (std::int64_t n = 0; n < lines; ++n) {
                    HatchPatternLine pl;
                    std::int64_t dashes = 0;
                    if (!c.Number(53, pl.angle) || !c.Number(43, pl.base.x) ||
                        !c.Number(44, pl.base.y) || !c.Number(45, pl.offset.x) ||
                        !c.Number(46, pl.offset.y) || !c.Count(79, dashes))
                        return false;
                    for (std::int64_t d = 0; d < dashes; ++d) {
                        double dash = 0;
                        if (!c.Number(49, dash)) return false;
                        pl.dashes.push_back(dash);
                    }
                    h.patternLines.push_back(std::move(pl));
                }
                --c.k;
            }
        }
        return true;
    }

    friend struct Cursor;
};

} // namespace

ReadResult Read(std::string_view data) {
    ReadResult result;
    const std::string_view start = data.substr(0, 32);
    if (start.find("Binary DXF") != std::string_view::npos) {
        result.line = 1;
        result.error = "binary DXF is not supported; save the drawing as ASCII DXF";
        return result;
    }
    std::vector<Group> groups;
    // One group per two lines: reserving once spares the copies of growing.
    groups.reserve(static_cast<std::size_t>(std::count(data.begin(), data.end(), '\n')) / 2 + 1);
    Failure failure;
    if (!Tokenize(data, groups, failure)) {
        result.line = failure.line;
        result.error = failure.message;
        return result;
    }
    Parser parser(groups);
    Document doc;
    if (!parser.Run(doc)) {
        result.line = parser.failure.line;
        result.error = parser.failure.message;
        return result;
    }
    result.ok = true;
    result.document = std::move(doc);
    return result;
}

} // namespace dxf
