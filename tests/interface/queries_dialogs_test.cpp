// The queries that let the user choose in a dialog, as a host calls them
// through "interface/velmar.h" and libvelmar.so, on the sample catalogue.

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <QWidget>

#include "interface/velmar.h"
#include "tests/support/ui_driver.h"

namespace {

using namespace ui_driver;

constexpr int kSeries = 8830;
constexpr int kStaticExtension = 27004;
constexpr int kGlass = 6006; // 36 mm: two glass-dividing bars of the series hold it

class QueryDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vm_loadDatabase("", "", "", "", 0); }
    void SetUp() override {
        velmar_data data;
        data.system.id = kSeries;
        form = vm_create(&window, nullptr, 1, 1, 1, 0, emDefault, true, false, 0.0, cfDefault,
                         false, data, nullptr, nullptr);
        ASSERT_NE(form, nullptr);
        vm_getdata(form, before);
    }
    void TearDown() override {
        // The queries leave the instance's configuration as it was.
        velmar_data after;
        vm_getdata(form, after);
        EXPECT_EQ(after, before);
        vm_delete(form);
    }
    QWidget window;
    void* form = nullptr;
    velmar_data before;
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
    EXPECT_EQ(
        vm_getAccessoryForCut(form, before.rahmen.nameId.id, 1, clOpening2, positions, chosen), 0);
    EXPECT_EQ(positions, given);
    EXPECT_EQ(chosen, 99u);

    WhenModal([](QDialog* d) {
        EXPECT_GT(Find<QTreeWidget>(d, "TreeView1")->topLevelItemCount(), 0);
        ClickByName(d, "Panel_2");
    });
    EXPECT_EQ(
        vm_getAccessoryForCut(form, before.rahmen.nameId.id, 1, clOpening2, positions, chosen), 1);
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
        velmar_artikel frame = before.rahmen;
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
