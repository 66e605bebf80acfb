// Cuts, drawings, pictures and the dialogs' lists through the component's
// real client, against the sample catalogue beside the test.

#include "dxf/dxf_reader.h"
#include "model/ks_lists.h"
#include "model/materialdaten.h"
#include "tests/support/service_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

constexpr int kFrame = 23001, kSash = 23011, kGlass24 = 6002, kPanel = 6015, kGlass48 = 6012;
constexpr int kCoupling = 23042, kBoxInsect = 9287, kBoxConnection = 9421;

using Dialogs = test_support::ServiceFixture;
using test_support::cutPosition;

dxf::Document Drawing(const Materialdaten& m) {
    const std::string text(m.drawing.begin(), m.drawing.end());
    const dxf::ReadResult r = dxf::Read(text);
    EXPECT_TRUE(r.ok) << r.Message();
    return r.document;
}

int Entities(const dxf::Document& d, const std::string& layer) {
    return static_cast<int>(
        std::count_if(d.entities.begin(), d.entities.end(),
                      [&](const dxf::Entity& e) { return e.style.layer == layer; }));
}

std::set<int> MaterialIds(const Materialdaten& m) {
    std::set<int> out;
    for (const KSP_MATERIAL& k : m.materials) out.insert(k.int1);
    return out;
}

std::vector<velmar_zusatzartikel> Offered(const Materialdaten& m) {
    return m.cutPositions.empty() ? std::vector<velmar_zusatzartikel>{}
                                  : m.cutPositions.front().opening1.zusatz;
}

} // namespace

TEST_F(Dialogs, FrameAndSashCutIsADrawingWithItsMaterialsAndWallConnections) {
    Materialdaten m = request();
    m.frameId = kFrame;
    m.sashId = kSash;
    m.glassId = kGlass24;
    ASSERT_TRUE(client.getCut(m));
    const dxf::Document d = Drawing(m);
    for (const char* layer : {"PROFIL", "STAHL", "DICHTUNG", "GLAS", "GLASLEISTE", "DIM_PROFILE"})
        EXPECT_GT(Entities(d, layer), 0) << layer;

    // Frame, sash, their default steels, the sash-side bead for 24 mm glass
    // and the glass itself, each once.
    const std::set<int> ids = MaterialIds(m);
    for (int id : {kFrame, kSash, 31001, 31006, 31011, 23111, kGlass24})
        EXPECT_TRUE(ids.count(id)) << id;
    EXPECT_EQ(ids.size(), m.materials.size());
    ASSERT_EQ(m.cutPositions.size(), 1u);
    EXPECT_GE(m.cutPositions[0].opening1.artikel.items.size(), 4u);

    ASSERT_EQ(m.wallConnections.size(), 3u);
    for (const KSP_WANDANSCHLUSS& w : m.wallConnections) EXPECT_FALSE(w.entries.empty());
    // The request's numbers come back as sent.
    EXPECT_EQ(m.frameId, kFrame);
    EXPECT_EQ(m.requestKind, 2);
}

TEST_F(Dialogs, CutFollowsItsPositionsAndSingleArticles) {
    velmar_cutpos frameWithSteel = cutPosition({{kFrame, 11}});
    frameWithSteel.opening1.artikel.items[0].steel1.nameId.id = 31003;
    const velmar_cutpos coupled = cutPosition({{kFrame, 11}, {kSash, 23}, {kCoupling, 18}});
    const velmar_cutpos boxed = cutPosition({{kFrame, 11}, {kBoxInsect, 170}});
    struct Case {
        int elementCode, articleId, frameId, sashId, glassId;
        std::vector<velmar_cutpos> positions;
        std::set<int> drawn, notDrawn;
        const char* layer; // a layer with entities, or none (null) at all
    };
    const Case cases[] = {
        // A coupling between two elements, with its steel tube.
        {0, 0, 0, 0, kGlass24, {coupled}, {kCoupling, 31009}, {}, "PROFIL"},
        // The box on its connection profile, with the curtain; the same
        // through a cut position in a record whose tag 63 still holds a
        // colour from an earlier query.
        {151, kBoxInsect, 0, 0, 0, {}, {kBoxConnection}, {}, "PANZER"},
        {151, 1011, 0, 0, 0, {boxed}, {kBoxConnection}, {}, "PANZER"},
        // The no-box entry draws nothing, not the box tag 63 still names.
        {151, kBoxInsect, 0, 0, 0, {cutPosition({{0, 170}})}, {}, {}, nullptr},
        // A sash-side bead holds the glass in its sash; a frame-side one sits
        // on the frame, without the sash.
        {151, 23111, 0, kSash, kGlass24, {}, {kSash, kGlass24}, {}, "GLAS"},
        {151, 23101, kFrame, kSash, kGlass24, {}, {kFrame}, {kSash}, "GLAS"},
        // A profile alone, with the steel chosen in the dialog.
        {151, 0, 0, 0, 0, {frameWithSteel}, {31003}, {31001}, "PROFIL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Materialdaten m = request();
        m.elementCode = c.elementCode;
        m.articleId = c.articleId;
        m.frameId = c.frameId;
        m.sashId = c.sashId;
        m.glassId = c.glassId;
        m.cutPositions = c.positions;
        ASSERT_TRUE(client.getCut(m));
        if (c.layer == nullptr) {
            EXPECT_TRUE(m.drawing.empty());
            continue;
        }
        const std::set<int> ids = MaterialIds(m);
        for (int id : c.drawn) EXPECT_TRUE(ids.count(id)) << id;
        for (int id : c.notDrawn) EXPECT_FALSE(ids.count(id)) << id;
        EXPECT_GT(Entities(Drawing(m), c.layer), 0);
    }
}

TEST_F(Dialogs, UnknownArticlesGiveAnAnswerWithoutDrawing) {
    for (int id : {0, 999, kGlass24}) {
        Materialdaten m = request();
        m.elementCode = 151;
        m.articleId = id;
        ASSERT_TRUE(client.getCut(m)) << id;
        EXPECT_TRUE(m.drawing.empty()) << id;
        EXPECT_TRUE(m.materials.empty()) << id;
    }
    Materialdaten m = request(424242);
    m.frameId = 99999;
    ASSERT_TRUE(client.getCut(m));
    EXPECT_TRUE(m.drawing.empty());
    for (auto query : {&ServiceClient::getArtikelDwgKatalog, &ServiceClient::getColorBlob}) {
        Materialdaten d = request();
        d.articleId = 99999;
        ASSERT_TRUE((client.*query)(d));
        EXPECT_TRUE(d.drawing.empty());
    }
}

TEST_F(Dialogs, CatalogueDrawingsOfArticlesAndBoxes) {
    for (int id : {kFrame, kSash, 23111, kCoupling, 9302, 9401, 26301}) {
        Materialdaten m = request();
        m.articleId = id;
        ASSERT_TRUE(client.getArtikelDwgKatalog(m)) << id;
        Drawing(m);
        EXPECT_GT(m.drawing.size(), 1000u) << id;
    }
}

TEST_F(Dialogs, GlazingBarsByKindForTheGlass) {
    Materialdaten m = request();
    m.articleId = kSash;
    m.glassId = kGlass24;
    ASSERT_TRUE(client.getSprossen(m));
    const std::pair<int, std::vector<velmar_artikel>*> kinds[] = {{1295, &m.barsGlassDividing},
                                                                  {1296, &m.barsAdhesive},
                                                                  {1297, &m.barsInternal},
                                                                  {8377, &m.barsViennese}};
    for (const auto& [kind, list] : kinds) {
        ASSERT_FALSE(list->empty()) << kind;
        EXPECT_EQ(test_support::Defaults(*list), 1);
        for (const velmar_artikel& a : *list) EXPECT_EQ(a.konstType, kind);
    }
    for (const velmar_artikel& a : m.barsGlassDividing) EXPECT_GT(a.steel1.nameId.id, 0);

    // A panel takes only glass-dividing bars; a glass the series' rebates
    // do not hold takes none.
    Materialdaten panel = request();
    panel.glassId = kPanel;
    ASSERT_TRUE(client.getSprossen(panel));
    EXPECT_FALSE(panel.barsGlassDividing.empty());
    EXPECT_TRUE(panel.barsAdhesive.empty() && panel.barsInternal.empty() &&
                panel.barsViennese.empty());
    Materialdaten thick = request();
    thick.glassId = kGlass48;
    ASSERT_TRUE(client.getSprossen(thick));
    EXPECT_TRUE(thick.barsGlassDividing.empty() && thick.barsAdhesive.empty());
}

TEST_F(Dialogs, AccessoriesOfACutKeepOnlyWhatTheCatalogueOffers) {
    Materialdaten m = request();
    m.articleId = kFrame;
    velmar_cutpos chosen;
    velmar_zusatzartikel keep, stray;
    keep.artikel.nameId.id = 27001;
    keep.intValue1 = 11;
    keep.artikel.steel1.nameId.id = 31007;
    stray.artikel.nameId.id = 424242;
    stray.intValue1 = 11;
    chosen.opening2.zusatz = {keep, stray};
    m.accessoryPositions = {chosen};
    ASSERT_TRUE(client.getArtikelZusatz(m));

    // (The tree the offer forms is driven in the additional-profiles
    // dialog's test.) Every opening offers the same; the selection keeps only
    // what the catalogue offers, completed, with its chosen steel.
    const auto offer = Offered(m);
    ASSERT_FALSE(offer.empty());
    EXPECT_EQ(m.cutPositions[0].opening3.zusatz.size(), offer.size());
    ASSERT_EQ(m.accessoryPositions.size(), 1u);
    ASSERT_EQ(m.accessoryPositions[0].opening2.zusatz.size(), 1u);
    const auto& kept = m.accessoryPositions[0].opening2.zusatz[0];
    EXPECT_FALSE(kept.artikel.nameId.name.empty());
    EXPECT_EQ(kept.artikel.steel1.nameId.id, 31007);

    Materialdaten sash = request();
    sash.articleId = kSash;
    ASSERT_TRUE(client.getArtikelZusatz(sash));
    for (const auto& z : Offered(sash)) EXPECT_EQ(z.intValue1, 23);
}

TEST_F(Dialogs, AccessoryListsGrowByProfileAndWallConnection) {
    const velmar_cutpos pos = cutPosition({{kFrame, 0}, {kSash, 0}});

    Materialdaten info = request();
    info.articleId = 27003;
    info.queryArgument = 152;
    info.cutPositions = {pos};
    ASSERT_TRUE(client.getZusatzProfilInfo(info));
    ASSERT_EQ(info.cutPositions.size(), 1u);
    EXPECT_TRUE(info.cutPositions[0].opening1.zusatz.empty());
    ASSERT_EQ(info.cutPositions[0].opening2.zusatz.size(), 1u);
    EXPECT_EQ(info.cutPositions[0].opening2.zusatz[0].intValue1, 11);
    EXPECT_GT(info.cutPositions[0].opening2.zusatz[0].artikel.value1, 0);

    // A second wall connection replaces the first one's profiles.
    Materialdaten wall = request();
    wall.articleId = 34001;
    wall.accessoryPositions = {pos};
    ASSERT_TRUE(client.addWallProfileToAccessoryForCut(wall));
    EXPECT_EQ(wall.accessoryPositions[0].opening1.zusatz.size(), 2u);
    wall.articleId = 34002;
    ASSERT_TRUE(client.addWallProfileToAccessoryForCut(wall));
    EXPECT_EQ(test_support::Ids(wall.accessoryPositions[0].opening1.zusatz),
              (std::set<int>{27081, 27083}));
    wall.articleId = 34011; // a connection of another series: unchanged
    ASSERT_TRUE(client.addWallProfileToAccessoryForCut(wall));
    EXPECT_EQ(wall.accessoryPositions[0].opening1.zusatz.size(), 2u);
}

TEST_F(Dialogs, QueriesOfACutAnswerFromTheCatalogue) {
    const velmar_cutpos pos = cutPosition({{kFrame, 0}, {kSash, 0}, {9286, 0}});

    Materialdaten types = request();
    types.cutPositions = {pos};
    ASSERT_TRUE(client.getProfileTypesForCut(types));
    const auto& items = types.cutPositions[0].opening1.artikel.items;
    EXPECT_EQ(items[0].konstType, 11);
    EXPECT_EQ(items[1].konstType, 23);
    EXPECT_EQ(items[2].konstType, 170);

    Materialdaten texts = request();
    texts.cutPositions = {pos};
    ASSERT_TRUE(client.getArtikelTextForCut(texts));
    ASSERT_EQ(texts.articleTexts1.size(), 2u);
    EXPECT_EQ(texts.articleTexts1[0].nameId.name, u"70.101 Blendrahmen 70 AD, 64 mm");
    EXPECT_GE(texts.articleTexts2().size(), 6u);

    // Equipment for a window and for a door (element code 2).
    Materialdaten window = request(), door = request();
    door.elementCode = 2;
    ASSERT_TRUE(client.getAusstattung(window));
    ASSERT_TRUE(client.getAusstattung(door));
    ASSERT_EQ(window.cutPositions.size(), 1u);
    EXPECT_GT(door.cutPositions[0].opening3.zusatz.size(),
              window.cutPositions[0].opening3.zusatz.size());

    Materialdaten glass = request();
    glass.glassId = kGlass24;
    ASSERT_TRUE(client.getGlasMaterial(glass));
    ASSERT_EQ(glass.materials.size(), 1u);
    EXPECT_DOUBLE_EQ(glass.materials[0].double12, 1.0);   // Ug
    EXPECT_DOUBLE_EQ(glass.materials[0].double24, 0.041); // PsiG
}
