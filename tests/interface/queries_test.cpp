// The query exports through the shared library, as a host calls them, on the
// sample catalogue; those that let the user choose in a dialog driven as a
// user does.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTreeWidget>
#include <QWidget>

#include "interface/velmar.h"
#include "platform/drawing/qv_database.h"
#include "tests/support/ui_driver.h"

namespace {

using namespace ui_driver;

class QueriesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vm_loadDatabase("", "", "", "", 0); }
    void SetUp() override {
        data.system.id = series;
        form = vm_create(&window, nullptr, 1, 1, 1, 0, emDefault, true, false, 0.0, cfDefault,
                         false, data, nullptr, nullptr);
        ASSERT_NE(form, nullptr);
        vm_getdata(form, data);
        ASSERT_GT(data.rahmen.nameId.id, 0);
    }
    void TearDown() override { vm_delete(form); }

    // A cut position holding the configuration's frame.
    velmar_cutpos FramePosition() const {
        velmar_cutpos position;
        velmar_artikel frame = data.rahmen;
        frame.konstType = 11;
        position.opening1.artikel.items.push_back(frame);
        return position;
    }

    int series = 0; // none: the catalogue's first
    QWidget window;
    velmar_data data;
    void* form = nullptr;
};

TEST_F(QueriesTest, HandleLessQueriesLeaveTheFormWorking) {
    int length = -1;
    char* block = vm_getArtikelDwg(length, 1, data.rahmen.nameId.id, data.system.id);
    ASSERT_NE(block, nullptr);
    EXPECT_GT(length, 100);
    EXPECT_NE(std::string(block, static_cast<std::size_t>(std::min(length, 200))).find("SECTION"),
              std::string::npos);
    vm_deleteData(block);
    EXPECT_EQ(vm_getArtikelDwg(length, 1, 987654321, data.system.id), nullptr);
    EXPECT_EQ(length, 0);

    EXPECT_GT(vm_getUfForCut(FramePosition(), 1, data.system.id, 1), 0.0);
    EXPECT_GT(vm_getGlasdickeReal(data.glas.nameId.id), 0.0);
    std::vector<std::string> shortTexts, tenderTexts;
    vm_getArtikelTextForCut(FramePosition(), 1, 1, shortTexts, tenderTexts);
    EXPECT_FALSE(shortTexts.empty());

    // The service was unloaded; the form loads it again for its next request.
    velmar_data again;
    vm_getdata(form, again);
    EXPECT_EQ(again.rahmen.nameId.id, data.rahmen.nameId.id);
    EXPECT_GT(again.ufValue, 0.0);
}

TEST_F(QueriesTest, CutDrawsIntoTheHostsDatabase) {
    velmar_cut cut;
    cut.data = data;
    cut.positions = {FramePosition()};
    QV_C_DataBase database(nullptr, nullptr);
    velmar_CutInfo info;
    std::string text;
    EXPECT_EQ(vm_getCut(form, cut, database, info, text), 1);
    EXPECT_TRUE(info.flag1);
    EXPECT_FALSE(database.IsEmpty());
    EXPECT_FALSE(info.materials.empty());
}

TEST_F(QueriesTest, RemovingAProfileTypeTouchesOnlyThoseAdditionalArticles) {
    velmar_cutpos position = FramePosition();
    for (int type : {30, 31, 30}) {
        velmar_zusatzartikel entry;
        entry.artikel.konstType = type;
        entry.artikel.nameId.id = type * 10;
        position.opening2.zusatz.push_back(entry);
    }
    std::vector<velmar_cutpos> positions = {position};
    vm_removeProfileTypeFromAccessories(form, positions, 99);
    EXPECT_EQ(positions.front(), position);
    vm_removeProfileTypeFromAccessories(form, positions, 30);
    ASSERT_EQ(positions.front().opening2.zusatz.size(), 1u);
    EXPECT_EQ(positions.front().opening2.zusatz.front().artikel.konstType, 31);
    EXPECT_EQ(positions.front().opening1, position.opening1);
}

TEST_F(QueriesTest, CorrectedGlassComesFromTheCatalogue) {
    velmar_artikel glass = data.glas;
    glass.nameId.name = u"veraltet";
    velmar_artikel bead = data.glasleisteF;
    EXPECT_EQ(vm_correctGlas(form, glass, bead, data.fluegel.nameId.id, 23, true), 1);
    EXPECT_EQ(glass.nameId.id, data.glas.nameId.id);
    EXPECT_NE(glass.nameId.name, u"veraltet");
    EXPECT_GT(bead.nameId.id, 0);

    // A glass the catalogue does not have stays the host's, with its bead.
    velmar_artikel unknown = data.glas;
    unknown.nameId.id = 987654;
    unknown.konstType = 43;
    const velmar_artikel givenBead = bead;
    velmar_artikel kept = unknown;
    EXPECT_EQ(vm_correctGlas(form, kept, bead, data.fluegel.nameId.id, 23, true), 0);
    EXPECT_EQ(kept, unknown);
    EXPECT_EQ(bead, givenBead);
    std::vector<velmar_cutpos> positions(1);
    positions[0].opening1.artikel.items = {unknown, glass};
    EXPECT_EQ(vm_correctGlasses(form, positions, 0), 1);
    EXPECT_EQ(positions[0].opening1.artikel.items[0], unknown);
}

TEST_F(QueriesTest, BaseAndAddOnProfilesAndTheHostsGlasses) {
    ASSERT_EQ(data.system.id, 10222);
    // The series' base profile joins the first opening of every position, once.
    std::vector<velmar_cutpos> positions = {FramePosition(), FramePosition()};
    vm_addDefaultBasisProfile(form, positions);
    vm_addDefaultBasisProfile(form, positions);
    for (const velmar_cutpos& p : positions)
        EXPECT_EQ(p.opening1.zusatz.size() == 1 ? p.opening1.zusatz[0].getId() : 0, 27074);

    // One add-on profile above the frame; below it two, so none is chosen.
    velmar_artikel profile;
    EXPECT_EQ(vm_getAufbauprofil(form, FramePosition(), 0, 10222, true, profile), 1);
    EXPECT_EQ(vm_getAufbauprofil(form, FramePosition(), 0, 10222, false, profile), 0);
    EXPECT_EQ(profile.nameId.id, 27071);
    EXPECT_EQ(vm_getAufbauprofil(form, FramePosition(), 0, 8830, false, profile), 1);
    EXPECT_EQ(profile.nameId.id, 27008);

    // The host's glasses are the preselection of the next reload.
    velmar_vector<velmar_glas> glasses;
    glasses.items.resize(1);
    glasses.items[0].nameId.id = 6007;
    vm_setGlaeser(form, glasses);
    velmar_data noGlass = data;
    noGlass.glas = velmar_artikel();
    vm_setNewData(form, 1, 0, true, false, 0.0, cfDefault, false, &noGlass);
    vm_getdata(form, noGlass);
    EXPECT_EQ(noGlass.glas.nameId.id, 6007);
    vm_setGlaeser(form, velmar_vector<velmar_glas>());
}

TEST_F(QueriesTest, RollerShutterChecksAtTheirLimits) {
    auto curtainFits = [&](const velmar_rollkasten& box, double width, double height) {
        vm_setBreiteHoeheElement(form, width, height);
        return vm_checkPanzerGroesseWithRollkasten(form, box);
    };
    auto heightFits = [&](const velmar_rollkasten& box, double width, double height) {
        vm_setBreiteHoeheElement(form, width, height);
        return vm_checkElementHoeheWithRollkasten(form, box);
    };
    velmar_rollkasten box; // no box fits any element
    EXPECT_TRUE(curtainFits(box, 1e6, 1e6));
    EXPECT_TRUE(heightFits(box, 1e6, 1e6));

    // Top-mounted box 9286 with the aluminium curtain: 2510 mm and 9.6 m².
    box.box.id = 9286;
    box.part2.id = 7401;
    box.part4.id = 7948;
    EXPECT_TRUE(curtainFits(box, 2510, 1000));
    EXPECT_FALSE(curtainFits(box, 2511, 1000));
    EXPECT_TRUE(curtainFits(box, 2400, 4000));
    EXPECT_FALSE(curtainFits(box, 2400, 4001));
    // Another curtain in the same box: 10.3 m².
    box.part4.id = 7950;
    EXPECT_TRUE(curtainFits(box, 2400, 4001));
    // Front-mounted box with the large curtain: the limit holds its margin.
    box.part2.id = 8708;
    box.part4.id = 8749;
    EXPECT_TRUE(curtainFits(box, 4000.000001, 1000));
    EXPECT_FALSE(curtainFits(box, 4000.00001, 1000));

    box.size3 = 1700;
    box.size4 = 2510;
    EXPECT_TRUE(heightFits(box, 2510, 1700));
    EXPECT_FALSE(heightFits(box, 2510, 1700.000002));
    EXPECT_FALSE(heightFits(box, 2510.000002, 1700));
}

constexpr int kStaticExtension = 27004;
constexpr int kGlass = 6006; // 36 mm: two glass-dividing bars of series 8830 hold it

// On series 8830; the queries leave the instance's configuration as it was.
class QueryDialogsTest : public QueriesTest {
protected:
    QueryDialogsTest() { series = 8830; }
    void TearDown() override {
        velmar_data after;
        vm_getdata(form, after);
        EXPECT_EQ(after, data);
        QueriesTest::TearDown();
    }
};

TEST_F(QueryDialogsTest, AccessoriesComeBackOnOkOnly) {
    // The host's choice so far: the static extension in the second opening.
    std::vector<velmar_cutpos> positions(1);
    velmar_zusatzartikel extension;
    extension.artikel.nameId.id = kStaticExtension;
    extension.intValue1 = 11;
    positions[0].opening2.zusatz = {extension};
    const auto given = positions;
    unsigned int chosen = 99;

    WhenModal([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(vm_getAccessoryForCut(form, data.rahmen.nameId.id, 1, clOpening2, positions, chosen),
              0);
    EXPECT_EQ(positions, given);
    EXPECT_EQ(chosen, 99u);

    WhenModal([](QDialog* d) {
        EXPECT_GT(Find<QTreeWidget>(d, "TreeView1")->topLevelItemCount(), 0);
        ClickByName(d, "Panel_2");
    });
    EXPECT_EQ(vm_getAccessoryForCut(form, data.rahmen.nameId.id, 1, clOpening2, positions, chosen),
              1);
    EXPECT_EQ(chosen, 1u);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_TRUE(positions[0].opening1.zusatz.empty());
    EXPECT_TRUE(positions[0].opening3.zusatz.empty());
    ASSERT_EQ(positions[0].opening2.zusatz.size(), 1u);
    // The service completed the entry with the catalogue's data.
    EXPECT_EQ(positions[0].opening2.zusatz[0].getName(), u"Verbreiterung 50 mm, statisch");
}

TEST_F(QueryDialogsTest, GlazingBarOfTheChosenKindAsListed) {
    velmar_artikel bar, result;
    VM_KONST_TYPE kind = ktSprosseWiener;
    QString chosen, listedSteel;
    WhenModal([&](QDialog* d) {
        ClickByName(d, "GlasRB");
        auto* bars = Find<QListWidget>(d, "ListBox1");
        ASSERT_GE(bars->count(), 2);
        chosen = bars->item(1)->text();
        ClickRow(bars, 1);
        // Another reinforcement than the bar's own: it only shapes the section.
        auto* steel = Find<QListWidget>(d, "ListBox2");
        ASSERT_GE(steel->count(), 2);
        const int preselected = steel->row(steel->selectedItems().value(0));
        listedSteel = steel->item(preselected)->text();
        ClickRow(steel, preselected == 0 ? 1 : 0);
        ClickByName(d, "Panel_2");
    });
    EXPECT_EQ(vm_getSprosse(form, bar, kGlass, kind, result), 1);
    EXPECT_EQ(kind, ktSprosseGlasteilend);
    EXPECT_EQ(QString::fromStdU16String(result.nameId.name), chosen);
    EXPECT_EQ(result.konstType, 1295);
    EXPECT_EQ(QString::fromStdU16String(result.steel1.nameId.name), listedSteel)
        << "the bar as listed, with its own reinforcement";
}

TEST_F(QueryDialogsTest, ChangedArticleOfEitherForm) {
    // The first form offers the frame's reinforcements, the second (under
    // the same name) only when asked to.
    for (const bool second : {false, true}) {
        velmar_artikel frame = data.rahmen;
        frame.konstType = 11;
        QString chosen;
        WhenModal([&](QDialog* d) {
            EXPECT_EQ(Find(d, "ListBox2")->isVisible(), !second);
            auto* frames = Find<QListWidget>(d, "ListBox1");
            chosen = frames->item(frames->count() - 1)->text(); // not the current one
            ClickRow(frames, frames->count() - 1);
            ClickByName(d, "Panel_2");
        });
        EXPECT_EQ(second ? vm_changeArtikel(form, frame, 0, false) : vm_changeArtikel(form, frame),
                  1);
        EXPECT_EQ(QString::fromStdU16String(frame.getName()), chosen);
    }
}

} // namespace
