// Section drawings: the files read back, the layers a viewer hides leave a
// clean section, the dimensions say what the input said, and the parts of
// a cut sit where they sit in a window.
#include "dxf/dxf_reader.h"
#include "kalksrv/sections/article_profile.h"
#include "kalksrv/sections/section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

using namespace sections;

namespace {

Profile Frame70() {
    Profile p;
    p.kind = Kind::Frame;
    p.name = "Blendrahmen 70";
    p.faceWidth = 64;
    p.depth = 70;
    p.chambers = 5;
    p.rebateHeight = 20;
    p.glassRebate = 46;
    p.steel1 = {true, SteelShape::U, 30, 20, 1.5};
    p.steel2 = {true, SteelShape::L, 20, 15, 1.5};
    return p;
}

// The frame's rebates, 78 deep, lapping 8 mm over it.
Profile Sash78() {
    Profile p = Frame70();
    p.kind = Kind::Sash;
    p.name.clear();
    p.faceWidth = 77;
    p.depth = 78;
    p.overlap = 8;
    p.steel1 = {true, SteelShape::Z, 28, 20, 1.5};
    p.steel2 = {};
    return p;
}

Profile Bead() {
    Profile p;
    p.kind = Kind::GlazingBead;
    p.faceWidth = 20;
    p.depth = 24;
    return p;
}

dxf::Document Parse(const Drawing& d) {
    const dxf::ReadResult r = dxf::Read(d.dxf);
    EXPECT_TRUE(r.ok) << r.Message();
    return r.document;
}

std::set<std::string> Texts(const dxf::Document& doc, const std::string& layer) {
    std::set<std::string> out;
    for (const dxf::Entity& e : doc.entities)
        if (const auto* t = std::get_if<dxf::Text>(&e.geometry); t && e.style.layer == layer)
            out.insert(t->text);
    return out;
}

bool IsConstruction(const std::string& layer) {
    for (const char* name : ks_layer::construction)
        if (layer == name) return true;
    return false;
}

const Part* Find(const Drawing& d, const std::string& role) {
    for (const Part& p : d.parts)
        if (p.role == role) return &p;
    return nullptr;
}

bool Inside(const Bounds& inner, const Bounds& outer) {
    return inner.minX >= outer.minX - 1e-6 && inner.maxX <= outer.maxX + 1e-6 &&
           inner.minY >= outer.minY - 1e-6 && inner.maxY <= outer.maxY + 1e-6;
}

} // namespace

TEST(SectionDrawing, FrameReadsBackWithItsDimensionsChambersAndSteel) {
    const Drawing d = DrawProfile(Frame70());
    const dxf::Document doc = Parse(d);

    // The two main dimensions carry the input values; the detail ones the
    // glazing rebate.
    EXPECT_EQ(Texts(doc, "DIM_PROFILE"), (std::set<std::string>{"64", "70"}));
    EXPECT_EQ(Texts(doc, "DIM_PROFILE_DETAIL"), (std::set<std::string>{"20", "46"}));

    const Part* outline = Find(d, "profile");
    ASSERT_NE(outline, nullptr);
    EXPECT_NEAR(outline->bounds.width(), 70, 1e-9);
    EXPECT_NEAR(outline->bounds.height(), 64, 1e-9);

    // Outline and chambers are closed; chamber count as given.
    int closed = 0;
    for (const dxf::Entity& e : doc.entities) {
        const auto* p = std::get_if<dxf::Polyline>(&e.geometry);
        if (!p || e.style.layer != kLayerProfile) continue;
        EXPECT_TRUE(p->closed);
        ++closed;
    }
    EXPECT_EQ(closed, 1 + 5);

    // Both reinforcements lie inside the profile, apart from each other.
    const Part* s1 = Find(d, "steel1");
    const Part* s2 = Find(d, "steel2");
    ASSERT_TRUE(s1 && s2);
    EXPECT_TRUE(Inside(s1->bounds, outline->bounds));
    EXPECT_TRUE(Inside(s2->bounds, outline->bounds));
    EXPECT_TRUE(s1->bounds.maxX <= s2->bounds.minX || s2->bounds.maxX <= s1->bounds.minX);
}

TEST(SectionDrawing, HidingTheConstructionLayersLeavesOnlyTheSection) {
    for (const Drawing& d : {DrawProfile(Frame70()), DrawProfile(Sash78()),
                             DrawCut({Frame70(), Sash78(), Bead(), Glass{}, {}, {}, {}})}) {
        const dxf::Document doc = Parse(d);
        int visible = 0;
        for (const dxf::Entity& e : doc.entities) {
            if (IsConstruction(e.style.layer)) continue;
            ++visible;
            // No text, no dimension arrow: those belong to hidden layers.
            EXPECT_FALSE(std::holds_alternative<dxf::Text>(e.geometry)) << e.style.layer;
            EXPECT_FALSE(std::holds_alternative<dxf::Solid>(e.geometry)) << e.style.layer;
        }
        EXPECT_GT(visible, 10);
    }
}

TEST(SectionDrawing, FrameAndSashCutSitsLikeAWindow) {
    Glass glass;
    glass.thickness = 24;
    glass.buildUp = "4/16/4";
    const Drawing d = DrawCut({Frame70(), Sash78(), Bead(), glass, {}, {}, {}});
    Parse(d);
    const Part* frame = Find(d, "carrier");
    const Part* sash = Find(d, "sash");
    const Part* g = Find(d, "glass");
    const Part* bead = Find(d, "bead");
    ASSERT_TRUE(frame && sash && g && bead);

    // The sash laps over the frame's room face and down into its rebate,
    // its weather face flush with the frame's.
    EXPECT_NEAR(sash->bounds.maxX - frame->bounds.maxX, 8, 1e-9);
    EXPECT_LT(sash->bounds.minY, frame->bounds.maxY - 20);
    EXPECT_NEAR(sash->bounds.minX, frame->bounds.minX, 1e-9);
    // The glass is as thick as its build-up and stands in the sash's rebate,
    // the bead on its room side.
    EXPECT_NEAR(g->bounds.width(), 24, 1e-9);
    EXPECT_TRUE(g->bounds.minY > sash->bounds.maxY - 20 && g->bounds.minY < sash->bounds.maxY);
    EXPECT_GE(bead->bounds.minX, g->bounds.maxX);
    EXPECT_TRUE(Inside(Find(d, "sash_steel1")->bounds, sash->bounds));
    EXPECT_TRUE(Inside(Find(d, "carrier_steel1")->bounds, frame->bounds));
}

TEST(SectionDrawing, FixedGlazingStandsInTheFrameAndACouplingJoinsMirroredPositions) {
    const Drawing fixed = DrawCut({Frame70(), std::nullopt, Bead(), Glass{}, {}, {}, {}});
    ASSERT_TRUE(Find(fixed, "carrier") && Find(fixed, "glass"));
    EXPECT_EQ(Find(fixed, "sash"), nullptr);
    EXPECT_GT(Find(fixed, "glass")->bounds.minY, 64 - 20); // above the frame's rebate floor

    Profile coupling;
    coupling.kind = Kind::Coupling;
    coupling.faceWidth = 42;
    coupling.depth = 70;
    coupling.chambers = 2;
    coupling.steel1 = {true, SteelShape::Tube, 40, 30, 3};
    Cut cut{Frame70(), Sash78(), Bead(), Glass{}, coupling, {}, {}};
    const Drawing d = DrawCut(cut);
    Parse(d);
    const Part* c = Find(d, "coupling");
    const Part* up = Find(d, "carrier");
    const Part* down = Find(d, "carrier2");
    ASSERT_TRUE(c && up && down && Find(d, "sash2") && Find(d, "coupling_steel1"));
    EXPECT_NEAR(up->bounds.minY, c->bounds.maxY, 1e-9);
    EXPECT_NEAR(down->bounds.maxY, c->bounds.minY, 1e-9);
    EXPECT_NEAR(up->bounds.maxY, -down->bounds.minY, 1e-9);
}

TEST(SectionDrawing, RollerShutterBoxSitsOnTheHeadOfTheElement) {
    Profile box;
    box.kind = Kind::RollerShutterBox;
    box.faceWidth = 210;
    box.depth = 232;
    Profile addOn;
    addOn.kind = Kind::AddOn;
    addOn.faceWidth = 20;
    addOn.depth = 70;
    for (BoxShape shape : {BoxShape::TopMounted, BoxShape::TopMountedInsect,
                           BoxShape::FrontChamfered, BoxShape::FrontRound, BoxShape::FrontSquare}) {
        box.box = shape;
        const Drawing d = DrawCut({Frame70(), Sash78(), Bead(), Glass{}, {}, box, addOn});
        const dxf::Document doc = Parse(d);
        const Part* b = Find(d, "box");
        const Part* frame = Find(d, "carrier");
        ASSERT_TRUE(b && frame);
        EXPECT_NEAR(b->bounds.height(), 210, 1e-9);
        // The box stands on its connection profile, the frame hangs below.
        EXPECT_NEAR(b->bounds.minY - frame->bounds.maxY, 20, 1e-9);
        int slats = 0;
        for (const dxf::Entity& e : doc.entities)
            if (e.style.layer == kLayerCurtain && std::holds_alternative<dxf::Polyline>(e.geometry))
                ++slats;
        EXPECT_GE(slats, 3);
    }
}

TEST(SectionDrawing, EveryKindGivesAClosedOutline) {
    for (Kind kind :
         {Kind::Frame, Kind::Sash, Kind::Mullion, Kind::Astragal, Kind::GlazingBead,
          Kind::GlazingBar, Kind::Coupling, Kind::RollerShutterBox, Kind::GuideRail, Kind::AddOn}) {
        Profile p = Frame70();
        p.kind = kind;
        if (kind == Kind::GuideRail) {
            p = Profile{};
            p.kind = kind;
            p.faceWidth = 53;
            p.depth = 34;
            p.wall = 1.8;
        }
        const std::vector<BarKind> bars = {BarKind::GlassDividing, BarKind::Adhesive,
                                           BarKind::Internal, BarKind::Viennese};
        for (BarKind bar : kind == Kind::GlazingBar ? bars : std::vector<BarKind>{p.bar}) {
            p.bar = bar;
            const Drawing d = DrawProfile(p);
            const dxf::Document doc = Parse(d);
            bool outline = false;
            for (const dxf::Entity& e : doc.entities)
                if (const auto* pl = std::get_if<dxf::Polyline>(&e.geometry))
                    if (e.style.layer == kLayerProfile || e.style.layer == kLayerBead) {
                        EXPECT_TRUE(pl->closed) << static_cast<int>(kind);
                        outline = true;
                    }
            EXPECT_TRUE(outline) << static_cast<int>(kind);
            EXPECT_FALSE(Texts(doc, "DIM_PROFILE").empty()) << static_cast<int>(kind);
            EXPECT_GT(d.bounds.width(), 0);
        }
    }
}

TEST(SectionDrawing, BadDimensionsGiveAnEmptyButValidDrawing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double bad : {0.0, -10.0, nan, 1e12}) {
        Profile p = Frame70();
        p.faceWidth = bad;
        const Drawing d = DrawProfile(p);
        const dxf::Document doc = Parse(d);
        for (const dxf::Entity& e : doc.entities) EXPECT_NE(e.style.layer, kLayerProfile);
        Cut cut{p, Sash78(), Bead(), Glass{}, {}, {}, {}};
        Parse(DrawCut(cut));
    }
    // Values that cannot fit are brought into range, never drawn outside.
    Profile p = Frame70();
    p.chambers = 1000;
    p.wall = 80;
    p.rebateHeight = 500;
    p.steel1 = {true, SteelShape::C, 400, 300, 50};
    p.steel2.wall = nan;
    const Drawing d = DrawProfile(p);
    Parse(d);
    const Part* steel = Find(d, "steel1");
    ASSERT_NE(steel, nullptr);
    EXPECT_TRUE(Inside(steel->bounds, Find(d, "profile")->bounds));
}

TEST(GlassLayers, BuildUpsAndFallbacks) {
    const auto sum = [](const std::vector<GlassLayer>& ls) {
        double t = 0;
        for (const GlassLayer& l : ls) t += l.thickness;
        return t;
    };
    const auto triple = GlassLayers({36, "4/12/4/12/4", false});
    ASSERT_EQ(triple.size(), 5u);
    EXPECT_TRUE(triple[0].pane && !triple[1].pane && triple[2].pane);

    // Laminated panes count their foils: 3 + 3 + 0.38.
    const auto laminated = GlassLayers({27, "VSG 33.1/16/4", false});
    ASSERT_EQ(laminated.size(), 3u);
    EXPECT_NEAR(laminated[0].thickness, 6.38, 1e-9);
    EXPECT_NEAR(GlassLayers({31, "VSG 44.2S/16/6", false})[0].thickness, 8.76, 1e-9);

    // A build-up that is unreadable or does not add up to the thickness
    // falls back to a double glazing of the thickness.
    for (const char* bad : {"", "abc", "4/16", "4/40/4", "4//4"}) {
        const auto l = GlassLayers({24, bad, false});
        EXPECT_EQ(l.size(), 3u) << bad;
        EXPECT_NEAR(sum(l), 24, 1e-9) << bad;
    }
    const auto panel = GlassLayers({36, "Paneel 36", true});
    ASSERT_EQ(panel.size(), 1u);
    EXPECT_NEAR(panel[0].thickness, 36, 1e-9);
}
