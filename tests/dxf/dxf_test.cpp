#include "dxf/dxf_number.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_text.h"
#include "dxf/dxf_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace dxf;

// A drawing with every kind of entity the writer knows, in a block too.
Builder Sample() {
    Builder b;
    b.AddLayer("KONTUR", 7, 35);
    b.AddLayer("DIM_PROFILE", 3, 18, false);
    b.AddLine({"KONTUR"}, {0, 0, 0}, {80, 0, 0});
    b.AddPolyline({"KONTUR", 1}, {{0, 0, 0}, {70, 0, 0.41421356}, {80, 10, 0}, {0, 10, -0.5}},
                  true);
    b.AddArc({"KONTUR"}, {40, 5, 0}, 3.5, 10, 200);
    b.AddCircle({"KONTUR"}, {10, 5, 0}, 1.25);
    b.AddEllipse({"KONTUR"}, Ellipse{{20, 5, 0}, {4, 1, 0}, 0.5, 0.25, 3});
    Spline gasket;
    gasket.degree = 2;
    gasket.knots = {0, 0, 0, 1, 1, 1};
    gasket.controlPoints = {{0, 0, 0}, {5, 10, 0}, {10, 0, 0}};
    gasket.weights = {1, 2, 1};
    b.AddSpline({"KONTUR"}, gasket);
    b.AddText({"KONTUR"}, {5, 12, 0}, 2.5, "Rahmen 70 mm \xC3\xA4\xC3\xB6\xC3\xBC\xC2\xB0", 30,
              HAlign::Center, VAlign::Middle);
    b.AddMText({"KONTUR"}, {5, 20, 0}, 2, "Zeile 1\nZeile 2", 7);
    b.AddSolid({"KONTUR"}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0});
    b.AddHatch({"KONTUR"}, {{{0, 0, 0}, {10, 0, 1}, {10, 5, 0}}}, "SOLID");
    b.AddHatch({"KONTUR"}, {{{20, 0, 0}, {30, 0, 0}, {30, 5, 0}}}, "ANSI31", 45, 2);
    b.BeginBlock("SCHRAUBE", {1, 1, 0});
    b.AddCircle({"0"}, {1, 1, 0}, 0.5);
    b.EndBlock();
    b.AddInsert({"KONTUR"}, "SCHRAUBE", {50, 5, 0}, 2, 90);
    Style red{"KONTUR"};
    red.rgb = 0xC81E1E;
    red.lineWeight = 50;
    b.AddLine(red, {0, -5, 0}, {80, -5, 0});
    return b;
}

TEST(DxfCodec, WrittenFileReadsBackIdentically) {
    const Builder b = Sample();
    const ReadResult r = Read(b.ToDxf(Version::R2000));
    ASSERT_TRUE(r) << r.Message();
    EXPECT_EQ(r.document.version, "AC1015");
    EXPECT_EQ(r.document.units, 4);
    ASSERT_EQ(r.document.entities.size(), b.document().entities.size());
    for (std::size_t i = 0; i < r.document.entities.size(); ++i)
        EXPECT_TRUE(r.document.entities[i] == b.document().entities[i]) << "entity " << i;
    ASSERT_EQ(r.document.blocks.size(), 3u); // model space, paper space, ours
    EXPECT_EQ(r.document.blocks[2], b.document().blocks[0]);
    // Layer table in order, with visibility and line weight; "0" was added
    // when the block used it.
    EXPECT_EQ(r.document.layers, b.document().layers);
    ASSERT_EQ(r.document.layers.size(), 3u);
    EXPECT_EQ(r.document.layers[2].name, "0");
    // Writing what was read gives the same file.
    Document again = r.document;
    again.blocks.erase(again.blocks.begin(), again.blocks.begin() + 2);
    EXPECT_EQ(Write(again), b.ToDxf());
}

TEST(DxfCodec, R12KeepsGeometryAndDropsWhatItCannotHold) {
    const std::string file = Sample().ToDxf(Version::R12);
    EXPECT_EQ(file.find("LWPOLYLINE"), std::string::npos);
    EXPECT_EQ(file.find("HATCH"), std::string::npos);
    EXPECT_EQ(file.find("\n  5\r"), std::string::npos); // no handles
    const ReadResult r = Read(file);
    ASSERT_TRUE(r) << r.Message();
    EXPECT_EQ(r.document.version, "AC1009");
    const auto& poly = std::get<Polyline>(r.document.entities[1].geometry);
    EXPECT_TRUE(poly.closed);
    ASSERT_EQ(poly.vertices.size(), 4u);
    EXPECT_DOUBLE_EQ(poly.vertices[1].bulge, 0.41421356);
    EXPECT_FALSE(r.document.entities.back().style.rgb);
    std::size_t polylines = 0;
    for (const Entity& e : r.document.entities)
        polylines += std::holds_alternative<Polyline>(e.geometry);
    EXPECT_EQ(polylines, 1u + 1 + 1 + 2); // polyline, ellipse and spline outlines, two hatches
}

TEST(DxfCodec, NumbersIgnoreTheLocaleAndRoundTrip) {
    // A decimal comma would fail the round trip: "1,5" does not parse.
    for (double v : {0.1, -123.456, 1e-7, 2.5e20, 1.0 / 3, 70.0})
        EXPECT_EQ(ParseDouble(FormatDouble(v)), v) << FormatDouble(v);
    EXPECT_EQ(FormatDouble(-0.0), "0");
    EXPECT_EQ(FormatDouble(70), "70.0");
    EXPECT_EQ(ParseDouble(" +1.5 "), 1.5);
    EXPECT_FALSE(ParseDouble("1,5"));
    EXPECT_FALSE(ParseDouble("nan"));
    EXPECT_FALSE(ParseDouble("1e999"));
    EXPECT_FALSE(ParseInteger("12x"));
}

std::string Wrap(const std::string& entities) {
    return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

TEST(DxfReader, MalformedInputNamesTheLine) {
    struct Case {
        std::string data;
        std::size_t line;
        std::string fragment;
    } cases[] = {
        {"", 0, "without EOF"},
        {"CADPROG Binary DXF\r\n\x1a", 1, "binary DXF"},
        {Wrap("0\nLINE\n10\nabc\n"), 8, "not a number"},
        {Wrap("0\nLINE\n85\n1\n"), 7, "unknown group code"},
        {Wrap("0\nLINE\nten\n1\n"), 7, "group code expected"},
        {Wrap("0\nLINE\n62\n1.5\n"), 8, "not an integer"},
        {Wrap("0\nLINE\n62\n70000\n"), 8, "out of range"},
        {Wrap("0\nLINE\n330\nXYZ\n"), 8, "hexadecimal"},
        {Wrap("0\nLINE\n10\n1e300\n"), 7, "out of range"},
        {Wrap("0\nCIRCLE\n40\n-1\n"), 5, "negative radius"},
        {Wrap("0\nLWPOLYLINE\n90\n3\n10\n0\n20\n0\n"), 11, "announced 3"},
        {Wrap("0\nLWPOLYLINE\n10\n0\n10\n0\n"), 9, "without y"},
        {Wrap("0\nPOLYLINE\n70\n0\n0\nVERTEX\n10\n1\n"), 13, "SEQEND expected"},
        {Wrap("0\nHATCH\n70\n1\n91\n1000000\n92\n2\n"), 9, "count out of range"},
        {Wrap("0\nHATCH\n70\n1\n91\n1\n92\n2\n72\n0\n73\n1\n93\n1\n10\n0\n"), 19, "cut short"},
        {"0\nSECTION\n2\nENTITIES\n0\nLINE\n", 6, "without EOF"},
        {"0\nSECTION\n2\nENTITIES\n0\nEOF\n", 5, "ENDSEC missing"},
        {"0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nA\n0\nENDSEC\n0\nEOF\n", 13,
         "ENDTAB"},
        {"0\nBANANA\n0\nEOF\n", 1, "SECTION expected"},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\n", 7, "has no value"},
    };
    for (const Case& c : cases) {
        const ReadResult r = Read(c.data); // failed: it has an error to name
        EXPECT_EQ(r.line, c.line) << c.data << r.Message();
        EXPECT_NE(r.error.find(c.fragment), std::string::npos) << r.Message();
        EXPECT_TRUE(r.document.entities.empty());
    }
}

TEST(DxfReader, EveryCutShortFileFails) {
    const std::string file = Sample().ToDxf();
    const std::size_t eof = file.rfind("EOF");
    for (std::size_t n = 0; n < eof; n += 7) // every seventh cut keeps the test quick
        ASSERT_FALSE(Read(std::string_view(file).substr(0, n))) << n;
    EXPECT_TRUE(Read(std::string_view(file).substr(0, eof + 3)));
}

TEST(DxfReader, SkipsWhatItDoesNotDrawAndNormalisesMirroredEntities) {
    const std::string data = "999\nmade by hand\n"
                             "0\nSECTION\n2\nTHUMBNAILIMAGE\n90\n2\n310\nABCD\n0\nENDSEC\n"
                             "0\nSECTION\n2\nOBJECTS\n0\nDICTIONARY\n5\nC\n0\nENDSEC\n"
                             "0\nSECTION\n2\nENTITIES\n"
                             "0\nWIPEOUT\n8\nX\n10\n1\n20\n2\n"
                             "0\nLINE\n8\nX\n67\n1\n10\n0\n20\n0\n11\n1\n21\n1\n" // paper space
                             "0\nARC\n8\nX\n10\n5\n20\n0\n40\n2\n50\n0\n51\n90\n230\n-1\n"
                             "0\nLINE\n8\nY\n10\n0\n20\n0\n11\n1\n21\n1\n"
                             "0\nENDSEC\n0\nEOF\n";
    const ReadResult r = Read(data);
    ASSERT_TRUE(r) << r.Message();
    ASSERT_EQ(r.document.entities.size(), 2u);
    const Arc arc = std::get<Arc>(r.document.entities[0].geometry);
    EXPECT_EQ(arc.center.x, -5);
    EXPECT_EQ(arc.startAngle, 90);
    EXPECT_EQ(arc.endAngle, 180);
}

TEST(DxfReader, LayerTableAndEntityProperties) {
    const std::string data = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n"
                             "0\nLAYER\n2\nASSEMBLY\n62\n-5\n70\n0\n370\n25\n"
                             "0\nLAYER\n2\nFROZEN\n62\n1\n70\n1\n420\n16711680\n"
                             "0\nENDTAB\n0\nENDSEC\n" +
                             Wrap("0\nCIRCLE\n8\nASSEMBLY\n62\n0\n420\n255\n370\n-2\n40\n1\n");
    const ReadResult r = Read(data);
    ASSERT_TRUE(r) << r.Message();
    ASSERT_EQ(r.document.layers.size(), 2u);
    EXPECT_TRUE(r.document.layers[0].off);
    EXPECT_EQ(r.document.layers[0].color, 5);
    EXPECT_EQ(r.document.layers[0].lineWeight, 25);
    EXPECT_TRUE(r.document.layers[1].frozen);
    EXPECT_EQ(r.document.layers[1].rgb, 0xFF0000u);
    const Style& s = r.document.entities.at(0).style;
    EXPECT_EQ(s.color, kByBlock);
    EXPECT_EQ(s.rgb, 0x0000FFu);
    EXPECT_EQ(s.lineWeight, kWeightByBlock);
}

TEST(DxfReader, HatchEdgesAndOldStylePolylines) {
    const std::string header = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1024\n0\nENDSEC\n";
    const std::string hatch =
        "0\nHATCH\n2\nSOLID\n70\n1\n91\n1\n92\n1\n93\n4\n"
        "72\n1\n10\n0\n20\n0\n11\n5\n21\n0\n"                                 // line
        "72\n2\n10\n5\n20\n2\n40\n2\n50\n30\n51\n90\n73\n0\n"                 // clockwise arc
        "72\n3\n10\n2\n20\n4\n11\n3\n21\n0\n40\n0.5\n50\n0\n51\n180\n73\n1\n" // ellipse
        "72\n4\n94\n1\n73\n0\n74\n0\n95\n4\n96\n2\n40\n0\n40\n0\n40\n1\n40\n1\n"
        "10\n-1\n20\n4\n10\n0\n20\n0\n97\n1\n11\n0\n21\n0\n" // spline with fit data
        "97\n1\n330\n1F\n75\n1\n76\n1\n98\n0\n";
    const std::string polyline = "0\nPOLYLINE\n66\n1\n70\n1\n"
                                 "0\nVERTEX\n10\n0\n20\n0\n42\n1\n0\nVERTEX\n10\n9\n20\n9\n70\n16\n"
                                 "0\nVERTEX\n10\n4\n20\n0\n0\nSEQEND\n"
                                 "0\nPOLYLINE\n70\n64\n0\nVERTEX\n70\n128\n0\nSEQEND\n"; // mesh
    const ReadResult r = Read(header + Wrap(hatch + polyline));
    ASSERT_TRUE(r) << r.Message();
    ASSERT_EQ(r.document.entities.size(), 2u);
    const Hatch& h = std::get<Hatch>(r.document.entities[0].geometry);
    ASSERT_EQ(h.loops.size(), 1u);
    const auto& edges = h.loops[0].edges;
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_EQ(edges[1].kind, HatchEdge::Kind::Arc);
    EXPECT_FALSE(edges[1].counterClockwise);
    EXPECT_EQ(edges[1].startAngle, 330); // stored mirrored
    EXPECT_EQ(edges[1].endAngle, 270);
    EXPECT_EQ(edges[2].kind, HatchEdge::Kind::EllipseArc);
    EXPECT_EQ(edges[2].ratio, 0.5);
    EXPECT_EQ(edges[3].controlPoints.size(), 2u);
    const Polyline& p = std::get<Polyline>(r.document.entities[1].geometry);
    EXPECT_TRUE(p.closed);
    ASSERT_EQ(p.vertices.size(), 2u); // the spline frame point is not part of the outline
    EXPECT_EQ(p.vertices[0].bulge, 1);
    // Before R2010 the same 97 is the loop's source count: the fit data do
    // not parse, and the reader says where.
    const ReadResult old = Read(Wrap(hatch));
    EXPECT_FALSE(old);
    EXPECT_NE(old.error.find("hatch"), std::string::npos);
}

TEST(DxfDocument, SplinesFollowTheirControlPolygon) {
    Spline s;
    s.degree = 2;
    s.knots = {0, 0, 0, 1, 1, 1};
    s.controlPoints = {{0, 0, 0}, {5, 10, 0}, {10, 0, 0}};
    const std::vector<Point> points = SplinePoints(s, 4);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points.front(), (Point{0, 0, 0}));
    EXPECT_EQ(points.back(), (Point{10, 0, 0}));
    EXPECT_DOUBLE_EQ(points[2].x, 5); // a quadratic arc's top lies half-way up
    EXPECT_DOUBLE_EQ(points[2].y, 5);
    s.weights = {1, 3, 1}; // a heavier middle point pulls the curve towards it
    EXPECT_GT(SplinePoints(s, 4)[2].y, 7);
    s.knots.pop_back(); // inconsistent: the fit points (none) stand in
    EXPECT_TRUE(SplinePoints(s).empty());

    const auto spline = [](const std::string& groups) {
        return Read(Wrap("0\nSPLINE\n" + groups));
    };
    EXPECT_TRUE(spline("71\n1\n40\n0\n40\n0\n40\n1\n40\n1\n10\n0\n20\n0\n10\n1\n20\n1\n"));
    EXPECT_FALSE(spline("71\n1\n40\n0\n40\n1\n10\n0\n20\n0\n10\n1\n20\n1\n")); // knots
    EXPECT_FALSE(spline("71\n0\n11\n0\n21\n0\n11\n1\n21\n1\n"));               // degree
    EXPECT_FALSE(spline("71\n1\n40\n1\n40\n0\n40\n1\n40\n1\n10\n0\n20\n0\n10\n1\n20\n1\n"));
    EXPECT_TRUE(spline("11\n0\n21\n0\n11\n1\n21\n1\n")); // fit points only
}

TEST(DxfText, EncodingsEscapesAndControlCodes) {
    EXPECT_EQ(DecodeText("Gr\xF6\xDF"
                         "e \x80"),
              "Gr\xC3\xB6\xC3\x9F"
              "e \xE2\x82\xAC");                   // cp1252
    EXPECT_EQ(DecodeText("\xC3\xA4"), "\xC3\xA4"); // UTF-8 kept
    EXPECT_EQ(DecodeText("a\\U+00B0b\\U+12"), "a\xC2\xB0"
                                              "b\\U+12");
    EXPECT_EQ(DecodeControlCodes("90%%d %%c5 %%p1 100%%% %%uU%%u"), "90\xC2\xB0 \xE2\x8C\x80"
                                                                    "5 \xC2\xB1"
                                                                    "1 100% U");
    EXPECT_EQ(EncodeText("\xC3\xA4\nx"), "\\U+00E4 x");
    EXPECT_EQ(MTextPlain("{\\fArial|b1;Fl\\H2.5;\xC3\xBC}gel\\PZeile\\~2 \\S1^2; \\\\"),
              "Fl\xC3\xBCgel\nZeile 2 1/2 \\");
}

} // namespace
