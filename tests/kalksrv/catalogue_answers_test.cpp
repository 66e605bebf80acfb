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

using Catalogue = test_support::ServiceFixture;

template <class T> int defaults(const std::vector<T>& list) {
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [](const T& e) { return e.isDefault(); }));
}

template <class T> std::set<int> ids(const std::vector<T>& list) {
    std::set<int> out;
    for (const T& e : list) out.insert(e.getId());
    return out;
}

template <class T> const T* find(const std::vector<T>& list, int id) {
    auto it = std::find_if(list.begin(), list.end(), [&](const T& e) { return e.getId() == id; });
    return it == list.end() ? nullptr : &*it;
}

const velmar_artikel& defaultOf(const std::vector<velmar_artikel>& list) {
    return *std::find_if(list.begin(), list.end(),
                         [](const velmar_artikel& a) { return a.isDefault(); });
}

TEST_F(Catalogue, SeriesCarryTheirCladdingFlagAndOneDefault) {
    Materialdaten m = request(0);
    ASSERT_TRUE(client.getSystems(m));
    ASSERT_GE(m.systems.size(), 3u);
    EXPECT_EQ(defaults(m.systems), 1);
    for (int id : {kPvc70, kPvc82, kAlu75}) ASSERT_NE(find(m.systems, id), nullptr) << id;
    // The component forces cladding on for 8830 and 10222: they must offer it.
    EXPECT_EQ(find(m.systems, kPvc70)->intValue & 1, 1);
    EXPECT_EQ(find(m.systems, kPvc82)->intValue & 1, 1);
    EXPECT_EQ(find(m.systems, kAlu75)->intValue & 1, 0);
    // The answer keeps the request's header.
    EXPECT_EQ(m.requestKind, 2);
    EXPECT_EQ(m.hostKey1, 1);
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
        ASSERT_EQ(defaults(m.colours), 1) << series.id;
        m.colourId = std::find_if(m.colours.begin(), m.colours.end(), [](auto& c) {
                         return c.isDefault();
                     })->id;
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
        EXPECT_EQ(defaults(m.beadsFrameSide), 1) << series.id;
        EXPECT_EQ(defaults(m.beadsSashSide), 1) << series.id;
        EXPECT_EQ(defaults(m.rollerShutterBoxes), 1) << series.id;
        EXPECT_EQ(defaults(m.astragals), 1) << series.id;
        EXPECT_EQ(defaults(m.couplingsVertical), 1) << series.id;
        EXPECT_EQ(defaults(m.couplingsHorizontal), 1) << series.id;
        // Lists of earlier levels are still there after the later calls.
        EXPECT_EQ(defaultOf(m.frames).nameId.id, m.frameId);
        EXPECT_FALSE(m.colours.empty());
        ASSERT_TRUE(client.getUfValue(m));
        EXPECT_GE(m.thermalValue, 0.8) << series.id;
        EXPECT_LE(m.thermalValue, 1.6) << series.id;
        EXPECT_EQ(m.glassId, defaultOf(m.glasses).nameId.id);
    }
}

TEST_F(Catalogue, ColoursCoverEveryGroupBodyAndGasketBitWithOneDefaultPerSeries) {
    int seen = 0;
    for (int series : {kPvc70, kPvc82, kAlu75}) {
        for (bool cladding : {false, true}) {
            Materialdaten m = request(series);
            m.option1 = cladding;
            ASSERT_TRUE(client.getColors(m));
            ASSERT_FALSE(m.colours.empty()) << series;
            EXPECT_EQ(defaults(m.colours), 1) << series;
            for (const velmar_nameid& c : m.colours) seen |= c.intValue;
        }
    }
    const int groups[] = {0x1,    0x4,    0x8,     0x400,   0x800,   0x1000,   0x2000,
                          0x4000, 0x8000, 0x10000, 0x20000, 0x40000, 0x200000, 0x400000};
    const int bodiesAndGaskets[] = {0x10, 0x20, 0x40, 0x80000, 0x100, 0x200, 0x80, 0x100000};
    for (int bit : groups) EXPECT_TRUE(seen & bit) << std::hex << bit;
    for (int bit : bodiesAndGaskets) EXPECT_TRUE(seen & bit) << std::hex << bit;

    // RAL price classes on PVC only with aluminium cladding shells.
    Materialdaten plain = request(kPvc70), clad = request(kPvc70);
    clad.option1 = true;
    ASSERT_TRUE(client.getColors(plain));
    ASSERT_TRUE(client.getColors(clad));
    auto ral = [](const Materialdaten& m) {
        return std::count_if(m.colours.begin(), m.colours.end(),
                             [](const velmar_nameid& c) { return c.intValue & 0x70000; });
    };
    EXPECT_EQ(ral(plain), 0);
    EXPECT_GT(ral(clad), 0);
    EXPECT_GT(clad.colours.size(), plain.colours.size());
}

TEST_F(Catalogue, ArticlesOfEverySeriesWithDefaultsFlagsAndReinforcements) {
    for (int series : {kPvc70, kPvc82, kAlu75}) {
        Materialdaten m = request(series);
        ASSERT_TRUE(client.getArtikel(m));
        ASSERT_TRUE(client.getStulp(m));
        ASSERT_TRUE(client.getKopplungen(m));
        const std::pair<const std::vector<velmar_artikel>*, int> lists[] = {
            {&m.frames, 11},
            {&m.sashes, 23},
            {&m.mullions, 24},
            {&m.astragals, 25},
            {&m.couplingsVertical, 18},
            {&m.couplingsHorizontal, 18}};
        for (const auto& [list, konstType] : lists) {
            EXPECT_EQ(defaults(*list), 1) << series << " " << konstType;
            for (const velmar_artikel& a : *list) {
                EXPECT_EQ(a.konstType, konstType) << a.nameId.id;
                EXPECT_GT(a.value1, 0.0) << a.nameId.id; // face width
            }
        }
        auto has = [](const std::vector<velmar_artikel>& list, auto pred) {
            return std::any_of(list.begin(), list.end(), pred);
        };
        EXPECT_TRUE(has(m.frames, [](auto& a) { return a.nameId.intValue & 4; }));
        EXPECT_TRUE(has(m.sashes, [](auto& a) { return a.nameId.intValue & 4; }));
        for (const velmar_artikel& a : m.couplingsVertical) EXPECT_TRUE(a.nameId.intValue & 0x20);
        for (const velmar_artikel& a : m.couplingsHorizontal) EXPECT_TRUE(a.nameId.intValue & 0x40);
    }

    Materialdaten m = request(kPvc70);
    ASSERT_TRUE(client.getArtikel(m));
    ASSERT_TRUE(client.getKopplungen(m));
    // Default reinforcements of both chambers ride on the frame.
    const velmar_artikel& frame = defaultOf(m.frames);
    EXPECT_EQ(frame.nameId.id, 23001);
    EXPECT_EQ(frame.steel1.nameId.id, 31001);
    EXPECT_EQ(frame.steel2.nameId.id, 31006);
    EXPECT_EQ(frame.steel1.nameId.name, u"Stahl U 30 x 20 x 1,5");
    // A coupling whose steel fills both chambers carries it twice.
    const velmar_artikel& coupling = defaultOf(m.couplingsVertical);
    EXPECT_TRUE(coupling.nameId.intValue & 0x10);
    EXPECT_GT(coupling.steel1.nameId.id, 0);
    EXPECT_EQ(coupling.steel2.nameId.id, coupling.steel1.nameId.id);
}

TEST_F(Catalogue, ArticlesFollowTheColourAndUnknownSeriesGiveEmptyLists) {
    Materialdaten white = request(kPvc70), foiled = request(kPvc70);
    white.colourId = 1001;  // ohne Folierung
    foiled.colourId = 1031; // KOLORIN, außen foliert
    ASSERT_TRUE(client.getArtikel(white));
    ASSERT_TRUE(client.getArtikel(foiled));
    EXPECT_TRUE(ids(white.frames).count(23004));   // renovation frame
    EXPECT_FALSE(ids(foiled.frames).count(23004)); // not supplied foiled
    EXPECT_EQ(defaults(foiled.frames), 1);

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
    EXPECT_EQ(head.opening1.artikel.items.front().konstType, ks_konst::frame);
    EXPECT_DOUBLE_EQ(head.opening1.artikel.items.front().value1, 100.0);
    EXPECT_TRUE(head.opening2.artikel.items.empty());
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
    ASSERT_GE(m.glasses.size(), 12u);
    EXPECT_EQ(defaults(m.glasses), 1);
    bool panel = false;
    for (const velmar_artikel& g : m.glasses) {
        EXPECT_EQ(g.konstType, ks_konst::glass);
        if (g.nameId.intValue & 2) {
            panel = true;
            EXPECT_EQ(g.nameId.value2, 0.0); // no edge seal, no PsiG
            EXPECT_EQ(g.intValue, 0);
        }
    }
    EXPECT_TRUE(panel);

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
        b.flag120 = c.sash == 4711;
        ASSERT_TRUE(client.getGlasleisten(b));
        EXPECT_EQ(ids(b.beadsFrameSide), c.frameSide) << c.glass;
        EXPECT_EQ(ids(b.beadsSashSide), c.sashSide) << c.glass;
        EXPECT_EQ(defaults(b.beadsFrameSide), 1);
        for (const velmar_artikel& bead : b.beadsSashSide) EXPECT_EQ(bead.konstType, 26);
        EXPECT_EQ(b.glassId, c.glass); // the request's numbers come back
    }

    // A glass too thick for the series' rebates has no bead.
    Materialdaten thick = request(kPvc70);
    thick.glassId = 6012; // 48 mm, not offered in the 70 mm series
    thick.frameId = 23001;
    ASSERT_TRUE(client.getGlasleisten(thick));
    EXPECT_EQ(ids(thick.beadsFrameSide), (std::set<int>{23101, 23106})) << "default glass";
}

TEST_F(Catalogue, TheChosenOrnamentAndTheElementsGlassesComeBack) {
    Materialdaten m = request(kPvc70);
    velmar_artikel chosen;
    chosen.nameId.id = 6002;
    chosen.steel1.nameId.id = 6505; // Satinato
    m.glasses = {chosen};
    ASSERT_TRUE(client.getGlas(m));
    const velmar_artikel* glass = find(m.glasses, 6002);
    ASSERT_NE(glass, nullptr);
    EXPECT_EQ(glass->steel1.nameId.id, 6505);
    EXPECT_EQ(glass->steel1.nameId.name, u"Satinato, geätzt");
    EXPECT_EQ(defaultOf(m.glasses).nameId.id, 6002);

    // Glasses handed over for the element become the preselection.
    Materialdaten set = request(kPvc70);
    set.glasses.resize(1);
    set.glasses[0].nameId.id = 6007;
    ASSERT_TRUE(client.setGlas(set));
    Materialdaten after = request(kPvc70);
    ASSERT_TRUE(client.getGlas(after));
    EXPECT_EQ(defaultOf(after.glasses).nameId.id, 6007);
    EXPECT_EQ(defaults(after.glasses), 1);
}

TEST_F(Catalogue, RollerShutterBoxesWithPartsLimitsAndConstructionTypes) {
    Materialdaten m = request(kPvc70);
    ASSERT_TRUE(client.getRollkaesten(m));
    EXPECT_EQ(defaults(m.rollerShutterBoxes), 1);
    std::set<int> types;
    for (const velmar_rollkasten& box : m.rollerShutterBoxes) {
        types.insert(box.part2.id);
        EXPECT_GT(box.part3.id, 0) << box.box.id; // drive
        EXPECT_GT(box.part4.id, 0) << box.box.id; // curtain
        EXPECT_GT(box.part5.id, 0) << box.box.id; // curtain colour
        EXPECT_GT(box.accessory1.getId(), 0);     // guide rail
        EXPECT_GT(box.size3, 0.0);                // height limit
        EXPECT_GT(box.size4, 0.0);                // width limit
    }
    EXPECT_EQ(types, (std::set<int>{7401, 7405, 8708, 8715}));
    for (int id : {9279, 9284, 9286, 9287, 9289})
        EXPECT_NE(find(m.rollerShutterBoxes, id), nullptr) << id;
    const velmar_rollkasten* box = find(m.rollerShutterBoxes, 9287);
    EXPECT_EQ(box->box.intValue, 1); // left overhang only
    EXPECT_EQ(box->size4, 2500.0);

    Materialdaten alu = request(kAlu75);
    ASSERT_TRUE(client.getRollkaesten(alu));
    ASSERT_FALSE(alu.rollerShutterBoxes.empty());
    for (const velmar_rollkasten& b : alu.rollerShutterBoxes)
        EXPECT_TRUE(b.part2.id == 8708 || b.part2.id == 8715) << b.box.id;
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
    auto cutUf = [&](std::vector<std::pair<int, int>> articles) {
        Materialdaten m;
        velmar_cutpos position;
        for (auto [id, konstType] : articles) {
            velmar_artikel a;
            a.nameId.id = id;
            a.konstType = konstType;
            position.opening2.artikel.items.push_back(a);
        }
        m.cutPositions = {position};
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
        velmar_cutpos position;
        velmar_artikel sash, pane;
        sash.nameId.id = 23011;
        sash.konstType = 23;
        pane.nameId.id = glass;
        position.opening1.artikel.items = {sash, pane};
        m.cutPositions = {position};
        m.dimension12 = width;
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

    auto limits = [&](int box, int curtain) {
        Materialdaten m;
        m.articleId = box;
        m.int110 = curtain;
        EXPECT_TRUE(client.getMinMaxSizeForRollerShutter(m));
        return std::pair(m.rollerShutterMin, m.rollerShutterMax);
    };
    EXPECT_EQ(limits(9286, 7948), std::pair(500, 2510));
    EXPECT_EQ(limits(9280, 7950), std::pair(500, 2000));
    EXPECT_EQ(limits(9280, 0), std::pair(500, 2800));
    EXPECT_EQ(limits(4711, 0), std::pair(0, 0));

    client.ensureLoaded();
    double thickness = 0.0;
    client.getGlasdickeReal(6004, &thickness);
    EXPECT_DOUBLE_EQ(thickness, 26.76); // VSG 33.1 counts its foil
    thickness = -5.0;
    client.getGlasdickeReal(4711, &thickness);
    EXPECT_EQ(thickness, -5.0);
}

TEST_F(Catalogue, DialogListsOfReinforcementsOrnamentsAndBoxParts) {
    Materialdaten m = request(kPvc70);
    m.articleId = 23001;
    m.elementSubcode = 2;
    ASSERT_TRUE(client.getArtikelInc(m));
    EXPECT_EQ(ids(m.reinforcements), (std::set<int>{31006, 31007}));
    EXPECT_EQ(defaults(m.reinforcements), 1);

    Materialdaten o = request(kPvc70);
    o.glassId = 6002;
    ASSERT_TRUE(client.getOrnamente(o));
    ASSERT_GT(o.articleTexts1.size(), 1u);
    EXPECT_EQ(o.articleTexts1.front().nameId.id, 0); // "none" first

    Materialdaten z = request(kPvc70);
    z.articleId = 9286;
    z.int110 = 254;
    ASSERT_TRUE(client.getRollKastenZubehoer(z));
    EXPECT_EQ(ids(z.articleTexts1), (std::set<int>{7948, 7950}));
    z.int110 = 269;
    z.int66 = 8749;
    ASSERT_TRUE(client.getRollKastenZubehoer(z));
    EXPECT_EQ(ids(z.articleTexts1), (std::set<int>{8201, 8203, 8204, 8208}));
    ASSERT_TRUE(client.getRollKastenFuehrungen(z));
    ASSERT_EQ(z.cutPositions.size(), 1u);
    EXPECT_EQ(ids(z.cutPositions[0].opening1.zusatz), (std::set<int>{9401, 9402}));
}

// Whatever a request lacks, every entry point answers with a complete packet
// (the component then reads empty lists, not a failure).
TEST_F(Catalogue, EveryEntryPointAnswersARequestWithoutNumbers) {
    using Method = bool (ServiceClient::*)(Materialdaten&);
    const Method methods[] = {
        &ServiceClient::getSystems,
        &ServiceClient::getCut,
        &ServiceClient::getArtikel,
        &ServiceClient::getArtikelZusatz,
        &ServiceClient::getArtikelInc,
        &ServiceClient::getGlas,
        &ServiceClient::getColors,
        &ServiceClient::getColorBlob,
        &ServiceClient::getGlasMaterial,
        &ServiceClient::getGlasleisten,
        &ServiceClient::getSprossen,
        &ServiceClient::getStulp,
        &ServiceClient::getZusatzProfilInfo,
        &ServiceClient::getKopplungen,
        &ServiceClient::getProfileTypesForCut,
        &ServiceClient::getRollkaesten,
        &ServiceClient::getRollKastenZubehoer,
        &ServiceClient::setGlas,
        &ServiceClient::getArtikelDwgKatalog,
        &ServiceClient::getUfValue,
        &ServiceClient::addWallProfileToAccessoryForCut,
        &ServiceClient::getAufbauprofilOben,
        &ServiceClient::getAufbauprofilUnten,
        &ServiceClient::checkFluegelgroessen,
        &ServiceClient::checkBrand,
        &ServiceClient::getMinMaxSizeForRollerShutter,
        &ServiceClient::getArtikelTextForCut,
        &ServiceClient::getAusstattung,
        &ServiceClient::getOrnamente,
        &ServiceClient::addDefaultBasisProfile,
        &ServiceClient::getRollKastenFuehrungen,
        &ServiceClient::getUfForCut,
    };
    int i = 0;
    for (Method method : methods) {
        Materialdaten empty;
        EXPECT_TRUE((client.*method)(empty)) << "entry point " << i;
        Materialdaten unknown = request(4711);
        unknown.articleId = 4711;
        unknown.glassId = 4711;
        unknown.cutPositions.resize(1);
        EXPECT_TRUE((client.*method)(unknown)) << "entry point " << i;
        ++i;
    }
}

} // namespace
