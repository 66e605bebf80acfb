// The service's answers through the component's real client, against the
// sample catalogue beside the test (the one the build installs).

#include "model/ks_lists.h"
#include "model/materialdaten.h"
#include "tests/support/service_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr int kPvc70 = test_support::kSampleSeries, kPvc82 = 10222, kAlu75 = 8404;
constexpr int kRalClad76 = 8850; // aluminium shell on every profile

using Catalogue = test_support::ServiceFixture;

using test_support::Defaults;
using test_support::Ids;

template <class T> const T& defaultOf(const std::vector<T>& list) {
    return *std::find_if(list.begin(), list.end(), [](const T& e) { return e.isDefault(); });
}

// The main form reloads level by level through one record, reading each
// row's default back into the request before the next call. Every series of
// the sample must fill every row that way, and a later call must not take
// away the lists an earlier one brought.
TEST_F(Catalogue, EverySeriesFillsEveryRowOfTheMainFormThroughOneRecord) {
    Materialdaten systems = request(0);
    ASSERT_TRUE(client.getSystems(systems));
    for (const velmar_nameid& series : systems.systems) {
        Materialdaten m = request(series.id);
        ASSERT_TRUE(client.getColors(m));
        ASSERT_EQ(Defaults(m.colours), 1) << series.id;
        m.colourId = defaultOf(m.colours).id;
        ASSERT_TRUE(client.getArtikel(m));
        ASSERT_TRUE(client.getRollkaesten(m));
        ASSERT_FALSE(m.frames.empty() || m.sashes.empty() || m.mullions.empty()) << series.id;
        m.frameId = defaultOf(m.frames).nameId.id;
        m.sashId = defaultOf(m.sashes).nameId.id;
        m.mullionId = defaultOf(m.mullions).nameId.id;
        ASSERT_TRUE(client.getGlas(m));
        ASSERT_TRUE(client.getStulp(m));
        ASSERT_TRUE(client.getKopplungen(m));
        ASSERT_FALSE(m.glasses.empty()) << series.id;
        m.glassId = defaultOf(m.glasses).nameId.id;
        ASSERT_TRUE(client.getGlasleisten(m));
        EXPECT_EQ(Defaults(m.beadsFrameSide), 1) << series.id;
        EXPECT_EQ(Defaults(m.beadsSashSide), 1) << series.id;
        EXPECT_EQ(Defaults(m.rollerShutterBoxes), 1) << series.id;
        EXPECT_EQ(Defaults(m.astragals), 1) << series.id;
        EXPECT_EQ(Defaults(m.couplingsVertical), 1) << series.id;
        EXPECT_EQ(Defaults(m.couplingsHorizontal), 1) << series.id;
        // Lists of earlier levels are still there after the later calls.
        EXPECT_EQ(defaultOf(m.frames).nameId.id, m.frameId);
        EXPECT_FALSE(m.colours.empty());
        ASSERT_TRUE(client.getUfValue(m));
        EXPECT_GE(m.thermalValue, 0.8) << series.id;
        EXPECT_LE(m.thermalValue, 1.6) << series.id;
        EXPECT_EQ(m.glassId, defaultOf(m.glasses).nameId.id);
    }
}

TEST_F(Catalogue, ArticlesFollowTheColourAndUnknownSeriesGiveEmptyLists) {
    Materialdaten white = request(kPvc70), foiled = request(kPvc70);
    white.colourId = 1001;  // ohne Folierung
    foiled.colourId = 1031; // KOLORIN, außen foliert
    ASSERT_TRUE(client.getArtikel(white));
    ASSERT_TRUE(client.getArtikel(foiled));
    EXPECT_TRUE(Ids(white.frames).count(23004));   // renovation frame
    EXPECT_FALSE(Ids(foiled.frames).count(23004)); // not supplied foiled
    EXPECT_EQ(Defaults(foiled.frames), 1);

    // A series the catalogue does not hold: complete answer, empty lists.
    Materialdaten unknown = request(4711);
    unknown.frames.resize(2);
    ASSERT_TRUE(client.getArtikel(unknown));
    ASSERT_TRUE(client.getGlas(unknown));
    ASSERT_TRUE(client.getColors(unknown));
    EXPECT_TRUE(unknown.frames.empty());
    EXPECT_TRUE(unknown.glasses.empty());
    EXPECT_TRUE(unknown.colours.empty());
    EXPECT_EQ(unknown.systemId, 4711);
}

// The series with the aluminium shell comes in all three RAL price classes
// and in nothing else, with or without cladding asked for, each with its
// picture.
TEST_F(Catalogue, ShellSeriesComesInTheRalPriceClassesWithPictures) {
    constexpr int kRal = ks_colour::ralStandard | ks_colour::ralSpecial | ks_colour::ralPremium;
    for (const bool cladding : {false, true}) {
        Materialdaten m = request(kRalClad76);
        m.option1 = cladding;
        ASSERT_TRUE(client.getColors(m));
        int classes = 0;
        for (const velmar_nameid& colour : m.colours) {
            EXPECT_EQ(colour.intValue & ks_colour::groups & ~kRal, 0) << colour.id;
            classes |= colour.intValue & kRal;
            Materialdaten picture = request(kRalClad76);
            picture.articleId = colour.id;
            ASSERT_TRUE(client.getColorBlob(picture));
            EXPECT_GT(picture.drawing.size(), 100u) << colour.id;
        }
        EXPECT_EQ(classes, kRal);
    }
}

TEST_F(Catalogue, ArticleReloadAnswersTheElementsCutPositions) {
    // The 100 mm frame of a series whose boxes sit on the frame: the head
    // position says so, the frame carries its depth.
    Materialdaten m = request(kPvc82);
    m.frameId = 24004;
    ASSERT_TRUE(client.getArtikel(m));
    ASSERT_FALSE(m.cutPositions.empty());
    const velmar_cutpos& head = m.cutPositions.front();
    EXPECT_TRUE(head.flag2);
    ASSERT_FALSE(head.opening1.artikel.items.empty());
    EXPECT_EQ(head.opening1.artikel.items.front().nameId.id, 24004);
    EXPECT_DOUBLE_EQ(head.opening1.artikel.items.front().value1, 100.0);
    EXPECT_EQ(std::count_if(m.cutPositions.begin(), m.cutPositions.end(),
                            [](const velmar_cutpos& p) { return p.flag2; }),
              1);

    // Front-mounted boxes only: no position carries a box on the frame.
    Materialdaten alu = request(8404);
    ASSERT_TRUE(client.getArtikel(alu));
    ASSERT_FALSE(alu.cutPositions.empty());
    for (const velmar_cutpos& p : alu.cutPositions) EXPECT_FALSE(p.flag2);
}

TEST_F(Catalogue, GlassesAndTheBeadsThatHoldThem) {
    Materialdaten m = request(kPvc82);
    ASSERT_TRUE(client.getGlas(m));
    EXPECT_EQ(Defaults(m.glasses), 1);
    for (const velmar_artikel& g : m.glasses) EXPECT_EQ(g.konstType, ks_konst::glass);

    // Beads by glass thickness, side and rebate (sample catalogue values).
    struct Case {
        int glass, frame, sash;
        std::set<int> frameSide, sashSide;
    };
    const Case cases[] = {
        {6002, 23001, 23011, {23101, 23106}, {23111, 23116}}, // 24 mm, standard rebates
        {6009, 23001, 23011, {23105}, {23115}},               // 44 mm triple
        {6004, 23003, 23014, {23121}, {23131}},               // special rebates, 27 mm
        {6002, 0, 0, {23101, 23106}, {23111, 23116}},         // no profiles: the defaults'
        {6002, 0, 4711, {23101, 23106}, {23131}},             // unknown sash, special asked
    };
    for (const Case& c : cases) {
        Materialdaten b = request(kPvc70);
        b.glassId = c.glass;
        b.frameId = c.frame;
        b.sashId = c.sash;
        b.sashSpecialRebate = c.sash == 4711;
        ASSERT_TRUE(client.getGlasleisten(b));
        EXPECT_EQ(Ids(b.beadsFrameSide), c.frameSide) << c.glass;
        EXPECT_EQ(Ids(b.beadsSashSide), c.sashSide) << c.glass;
        EXPECT_EQ(Defaults(b.beadsFrameSide), 1);
        for (const velmar_artikel& bead : b.beadsSashSide) EXPECT_EQ(bead.konstType, 26);
        EXPECT_EQ(b.glassId, c.glass); // the request's numbers come back
    }

    // A glass too thick for the series' rebates has no bead.
    Materialdaten thick = request(kPvc70);
    thick.glassId = 6012; // 48 mm, not offered in the 70 mm series
    thick.frameId = 23001;
    ASSERT_TRUE(client.getGlasleisten(thick));
    EXPECT_EQ(Ids(thick.beadsFrameSide), (std::set<int>{23101, 23106})) << "default glass";
}

TEST_F(Catalogue, ThermalValuesAndChecks) {
    auto uf = [&](int frame, int sash) {
        Materialdaten m = request(kPvc70);
        m.frameId = frame;
        m.sashId = sash;
        EXPECT_TRUE(client.getUfValue(m));
        return m.thermalValue;
    };
    EXPECT_DOUBLE_EQ(uf(23001, 23011), 1.3);  // measured combination
    EXPECT_DOUBLE_EQ(uf(23005, 0), 1.3);      // fixed glazing: the frame alone
    EXPECT_DOUBLE_EQ(uf(23002, 23013), 1.36); // 1.3 and 1.4 weighted by 78 and 97 mm
    EXPECT_DOUBLE_EQ(uf(4711, 23011), 0.0);   // unknown frame: no value

    // The same values for a cut: its outer profile and the sash it holds.
    auto cutUf = [&](std::initializer_list<std::pair<int, int>> articles) {
        Materialdaten m;
        m.cutPositions = {velmar_cutpos{}};
        m.cutPositions[0].opening2 = test_support::cutPosition(articles).opening1;
        EXPECT_TRUE(client.getUfForCut(m));
        return m.thermalValue;
    };
    EXPECT_DOUBLE_EQ(cutUf({{6002, 0}, {23011, 23}, {23001, 11}}), 1.3);
    EXPECT_DOUBLE_EQ(cutUf({{23021, 24}}), 1.4); // mullion, fixed glazing
    EXPECT_DOUBLE_EQ(cutUf({{23011, 23}}), 0.0); // a sash alone is no cut

    auto sashCheck = [&](double width, double height, int glass) {
        Materialdaten m;
        m.hostKey1 = 1;
        m.requestKind = 1;
        m.cutPositions = {test_support::cutPosition({{23011, 23}, {glass, 0}})};
        m.firstDimension = width;
        m.thermalValue = height;
        EXPECT_TRUE(client.checkFluegelgroessen(m));
        return m.articleId;
    };
    EXPECT_EQ(sashCheck(900, 1400, 6002), 1); // fits
    EXPECT_EQ(sashCheck(300, 1400, 6002), 2); // too narrow
    EXPECT_EQ(sashCheck(1500, 1400, 6002), 3);
    EXPECT_EQ(sashCheck(900, 2500, 6002), 5);
    EXPECT_EQ(sashCheck(1300, 2300, 6002), 6); // 2.99 m² > 2.8 m²
    EXPECT_EQ(sashCheck(1200, 2200, 6009), 1); // 2.64 m² x 30 kg/m² = 79 kg
    EXPECT_EQ(sashCheck(1400, 1950, 6005), 7); // 2.73 m² x 36.9 = 100.7 kg > 100
    auto brand = [&](int series, int article) {
        Materialdaten m;
        m.systemId = series;
        m.hostKey2 = article;
        EXPECT_TRUE(client.checkBrand(m));
        return m.fireProtectionOk;
    };
    EXPECT_TRUE(brand(kAlu75, 0));
    EXPECT_TRUE(brand(kAlu75, 6014));  // EI 30 glass
    EXPECT_FALSE(brand(kAlu75, 6002)); // ordinary glass
    EXPECT_FALSE(brand(kPvc70, 0));

    client.ensureLoaded();
    double thickness = 0.0;
    client.getGlasdickeReal(6004, &thickness);
    EXPECT_DOUBLE_EQ(thickness, 26.76); // VSG 33.1 counts its foil
    thickness = -5.0;
    client.getGlasdickeReal(4711, &thickness);
    EXPECT_EQ(thickness, -5.0);
}

} // namespace
