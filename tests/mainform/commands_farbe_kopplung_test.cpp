// The colour and coupling rows end to end: a click on the row opens the
// dialog, the user's choice reaches the row, the host's report and the
// record; a cancelled choice changes and reports nothing, then or later.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "model/ks_lists.h"
#include "tests/mainform/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

class FarbeKopplungCommand : public ::testing::Test {
protected:
    void SetUp() override {
        UseServiceIn("");
        form = MakeForm(velmar_data(), &recorder);
        form->show();
    }
    ChangeRecorder recorder;
    std::unique_ptr<TForm1> form;
};

TEST_F(FarbeKopplungCommand, ColourOfAnotherGroupReportsTenThenOne) {
    QString chosen;
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Farbauswahl"));
        ClickByName(d, "RadioKoOutside");
        auto* list = Find<QListWidget>(d, "ListBox1");
        ClickRow(list, 1);
        chosen = list->item(1)->text();
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LFarbeName");
    ASSERT_GE(recorder.codes.size(), 2u);
    EXPECT_EQ(recorder.codes[recorder.codes.size() - 2], 10);
    EXPECT_EQ(recorder.codes.back(), 1);
    EXPECT_EQ(form->LFarbeName->text(), chosen);
    velmar_data data;
    form->GetData(data);
    EXPECT_EQ(vm::ToQString(data.farbe.name), chosen);

    recorder.codes.clear();
    WhenModal([](QDialog* d) {
        ClickByName(d, "RadioNone");
        ClickByName(d, "Panel_1");
    });
    ClickByName(form.get(), "ImageFarbe");
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(form->LFarbeName->text(), chosen);
}

TEST_F(FarbeKopplungCommand, CouplingsWithTheirReinforcementReachTheRecord) {
    // Vertical: a coupling whose reinforcement fills both chambers, with its
    // last reinforcement.
    const auto& vertical = form->request.couplingsVertical;
    int both = 0;
    while (!(vertical.at(both).nameId.intValue & ks_coupling::bothChambers)) ++both;
    const int id = vertical[static_cast<std::size_t>(both)].nameId.id;
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Auswahl Kopplung"));
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        QTreeWidgetItem* node = tree->topLevelItem(0)->child(both);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
        auto* steel = Find<QListWidget>(d, "ListBox2");
        ClickRow(steel, steel->count() - 1);
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LKopplungSenkName");
    EXPECT_EQ(recorder.codes, (std::vector<int>{7, 1}));
    velmar_data data;
    form->GetData(data);
    EXPECT_EQ(data.kopplungSenk.nameId.id, id);
    EXPECT_GT(data.kopplungSenk.steel1.nameId.id, 0);
    EXPECT_EQ(data.kopplungSenk.steel2, data.kopplungSenk.steel1);

    // Horizontal: the row's current coupling again, still reported.
    recorder.codes.clear();
    WhenModal([](QDialog* d) { ClickByName(d, "Panel_2"); });
    ClickByName(form.get(), "LKopplungWaag");
    EXPECT_EQ(recorder.codes, (std::vector<int>{8, 1}));

    // Cancelled: nothing now, and nothing at the next reload.
    recorder.codes.clear();
    WhenModal([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    ClickByName(form.get(), "ImageKopplungWaag");
    form->UpdateData(100, true, 0);
    EXPECT_TRUE(recorder.codes.empty());
    form->GetData(data);
    EXPECT_EQ(data.kopplungSenk.nameId.id, id);
}

} // namespace
