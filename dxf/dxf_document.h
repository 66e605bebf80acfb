// Plain records of a DXF drawing: what the reader fills and the writer writes.
// Coordinates are world coordinates; entities drawn in a mirrored object
// coordinate system (extrusion 0,0,-1) are normalised by the reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace dxf {

struct Point {
    double x = 0, y = 0, z = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Colour numbers of the colour index; 1..255 are real colours.
inline constexpr int kByBlock = 0;
inline constexpr int kByLayer = 256;
// Line weights in 1/100 mm; negative values are the symbolic ones.
inline constexpr int kWeightByLayer = -1;
inline constexpr int kWeightByBlock = -2;
inline constexpr int kWeightDefault = -3;

// Properties every entity carries.
struct Style {
    Style() = default;
    // `{"LAYER"}` or `{"LAYER", 1}`: by-layer properties, or a fixed colour.
    Style(std::string layerName, int colorIndex = kByLayer)
        : layer(std::move(layerName)), color(colorIndex) {}

    std::string layer = "0";
    int color = kByLayer;             // colour index 0..256
    std::optional<std::uint32_t> rgb; // true colour 0xRRGGBB, wins over `color`
    int lineWeight = kWeightByLayer;  // 1/100 mm or one of the symbolic values
    std::string lineType;             // empty: by layer
    friend bool operator==(const Style&, const Style&) = default;
};

struct Vertex {
    double x = 0, y = 0;
    double bulge = 0; // tan(included angle / 4) of the segment to the next vertex
    friend bool operator==(const Vertex&, const Vertex&) = default;
};

struct Line {
    Point start, end;
    friend bool operator==(const Line&, const Line&) = default;
};

// POLYLINE and LWPOLYLINE both end up here.
struct Polyline {
    std::vector<Vertex> vertices;
    bool closed = false;
    friend bool operator==(const Polyline&, const Polyline&) = default;
};

// Angles in degrees, counter-clockwise from start to end.
struct Arc {
    Point center;
    double radius = 0, startAngle = 0, endAngle = 360;
    friend bool operator==(const Arc&, const Arc&) = default;
};

struct Circle {
    Point center;
    double radius = 0;
    friend bool operator==(const Circle&, const Circle&) = default;
};

// Parameters in radians; majorAxis is relative to the centre.
struct Ellipse {
    Point center, majorAxis{1, 0, 0};
    double ratio = 1, startParam = 0, endParam = 6.283185307179586;
    friend bool operator==(const Ellipse&, const Ellipse&) = default;
};

enum class HAlign { Left = 0, Center = 1, Right = 2, Aligned = 3, Middle = 4, Fit = 5 };
enum class VAlign { Baseline = 0, Bottom = 1, Middle = 2, Top = 3 };

struct Text {
    Point position;   // first alignment point
    Point alignPoint; // second alignment point, used unless left/baseline
    double height = 1, rotation = 0, widthFactor = 1;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Baseline;
    std::string text; // UTF-8, control codes (%%d, %%c, %%p) resolved
    std::string style;
    friend bool operator==(const Text&, const Text&) = default;
};

struct MText {
    Point position;
    double height = 1, width = 0, rotation = 0;
    int attachment = 1; // 1..9: top/middle/bottom x left/centre/right
    std::string text;   // UTF-8 with the format codes as in the file
    std::string style;
    friend bool operator==(const MText&, const MText&) = default;
};

// Corners in file order; drawn as 0-1-3-2.
struct Solid {
    Point corners[4];
    friend bool operator==(const Solid&, const Solid&) = default;
};

// One edge of a hatch boundary that is not a polyline.
struct HatchEdge {
    enum class Kind { Line, Arc, EllipseArc, Spline } kind = Kind::Line;
    Point start, end;                    // Line
    Point center;                        // Arc, EllipseArc
    Point majorAxis;                     // EllipseArc (relative)
    double radius = 0, ratio = 1;        // Arc radius, EllipseArc minor/major
    double startAngle = 0, endAngle = 0; // degrees, as traversed
    bool counterClockwise = true;
    std::vector<Point> controlPoints; // Spline, drawn as its control polygon
    friend bool operator==(const HatchEdge&, const HatchEdge&) = default;
};

struct HatchLoop {
    bool isPolyline = true;
    std::vector<Vertex> vertices; // polyline loops
    std::vector<HatchEdge> edges; // edge loops
    friend bool operator==(const HatchLoop&, const HatchLoop&) = default;
};

// One family of parallel pattern lines.
struct HatchPatternLine {
    double angle = 0; // degrees
    Point base, offset;
    std::vector<double> dashes;
    friend bool operator==(const HatchPatternLine&, const HatchPatternLine&) = default;
};

struct Hatch {
    bool solidFill = true;
    std::string pattern = "SOLID";
    double patternAngle = 0, patternScale = 1;
    std::vector<HatchLoop> loops;
    std::vector<HatchPatternLine> patternLines;
    friend bool operator==(const Hatch&, const Hatch&) = default;
};

// Also the picture of a DIMENSION (its anonymous block at the origin).
struct Insert {
    std::string block;
    Point position;
    double scaleX = 1, scaleY = 1, rotation = 0;
    int columns = 1, rows = 1;
    double columnSpacing = 0, rowSpacing = 0;
    friend bool operator==(const Insert&, const Insert&) = default;
};

// A B-spline by its control points (and weights when rational); a spline
// given only by fit points is drawn through them.
struct Spline {
    int degree = 3;
    bool closed = false;
    std::vector<double> knots;
    std::vector<Point> controlPoints;
    std::vector<double> weights; // empty: all 1
    std::vector<Point> fitPoints;
    friend bool operator==(const Spline&, const Spline&) = default;
};

using Geometry =
    std::variant<Line, Polyline, Arc, Circle, Ellipse, Text, MText, Solid, Hatch, Insert, Spline>;

struct Entity {
    Style style;
    Geometry geometry;
    friend bool operator==(const Entity&, const Entity&) = default;
};

struct Layer {
    std::string name;
    int color = 7;                    // colour index 1..255
    std::optional<std::uint32_t> rgb; // true colour of the layer
    bool off = false;                 // negative colour in the file
    bool frozen = false;
    int lineWeight = kWeightDefault;
    std::string lineType = "Continuous";
    friend bool operator==(const Layer&, const Layer&) = default;
};

struct Block {
    std::string name;
    Point base;
    bool external = false; // an external reference, not drawn
    std::vector<Entity> entities;
    friend bool operator==(const Block&, const Block&) = default;
};

// Values of $INSUNITS.
enum class Units {
    Unitless = 0,
    Inches = 1,
    Feet = 2,
    Millimetres = 4,
    Centimetres = 5,
    Metres = 6
};

struct Document {
    std::string version = "AC1015"; // $ACADVER
    int units = static_cast<int>(Units::Millimetres);
    std::vector<Layer> layers;
    std::vector<Block> blocks;
    std::vector<Entity> entities; // model space
    friend bool operator==(const Document&, const Document&) = default;
};

// Colour of a colour index 1..255 as 0xRRGGBB (7 is white; a viewer on a
// light background shows it dark). Other values give 0.
std::uint32_t IndexColor(int index);

// Points along a spline in order, `perSpan` per knot span (at most `limit`
// points); the fit points when it has no control points.
std::vector<Point> SplinePoints(const Spline& spline, int perSpan = 16, std::size_t limit = 4096);

// Plain text of an MTEXT: paragraphs become '\n', formatting is dropped.
std::string MTextPlain(const std::string& text);

} // namespace dxf
