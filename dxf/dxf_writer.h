// DXF writer and a small drawing builder for section drawings.
//
//   dxf::Builder b;
//   b.AddLayer("KONTUR", 7, 35);
//   b.AddPolyline({"KONTUR"}, {{0, 0}, {70, 0, 0.4142}, {80, 10}, {0, 10}}, true);
//   b.AddDimension({"DIM_PROFILE"}, {0, 0}, {80, 0}, -8, 2.5);
//   std::string file = b.ToDxf();
#pragma once

#include "dxf/dxf_document.h"

#include <string>
#include <string_view>
#include <vector>

namespace dxf {

enum class Version {
    R12,  // AC1009 without handles: every program reads it; hatches become
          // their outlines, true colours and line weights are dropped
    R2000 // AC1015 with handles, tables, block records and the root dictionary
};

// The whole file, with CR LF line ends.
std::string Write(const Document& doc, Version version = Version::R2000);

// Collects entities into a Document. Angles in degrees, lengths in drawing
// units (millimetres unless SetUnits says otherwise). Every Add* takes the
// entity's style; `{"LAYER"}` is enough for "by layer" colour and weight.
// Layers that entities use are added to the layer table on demand.
class Builder {
public:
    explicit Builder(Units units = Units::Millimetres);

    void SetUnits(Units units);
    // Adds or updates a layer; lineWeight in 1/100 mm.
    void AddLayer(const std::string& name, int color = 7, int lineWeight = kWeightDefault,
                  bool visible = true);

    void AddLine(const Style& style, Point start, Point end);
    void AddPolyline(const Style& style, std::vector<Vertex> vertices, bool closed = false);
    void AddArc(const Style& style, Point center, double radius, double startAngle,
                double endAngle);
    void AddCircle(const Style& style, Point center, double radius);
    void AddEllipse(const Style& style, const Ellipse& ellipse);
    void AddSpline(const Style& style, const Spline& spline);
    void AddText(const Style& style, Point position, double height, const std::string& text,
                 double rotation = 0, HAlign hAlign = HAlign::Left,
                 VAlign vAlign = VAlign::Baseline);
    void AddMText(const Style& style, Point position, double height, const std::string& text,
                  int attachment = 1);
    void AddSolid(const Style& style, Point a, Point b, Point c, Point d);
    // Each loop is a closed polyline with bulges. "SOLID" fills; other
    // pattern names get parallel lines at `angle` with `spacing`.
    void AddHatch(const Style& style, std::vector<std::vector<Vertex>> loops,
                  const std::string& pattern = "SOLID", double angle = 45, double spacing = 2);
    // A linear dimension drawn with plain entities: extension lines, the
    // dimension line at `offset` (to the left of start->end) with filled
    // arrows, and the measured length (or `text`) above it.
    void AddDimension(const Style& style, Point start, Point end, double offset, double textHeight,
                      const std::string& text = {});

    // Block definitions and references.
    void BeginBlock(const std::string& name, Point base = {});
    void EndBlock();
    void AddInsert(const Style& style, const std::string& block, Point position, double scale = 1,
                   double rotation = 0);

    const Document& document() const { return doc_; }
    Document& document() { return doc_; }
    std::string ToDxf(Version version = Version::R2000) const { return Write(doc_, version); }

private:
    void Add(const Style& style, Geometry geometry);
    Document doc_;
    int openBlock_ = -1;
};

} // namespace dxf
