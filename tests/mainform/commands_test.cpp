// The rows as commands, end to end: a click on a row opens its dialog, the
// user's choice reaches the row, the host's report and the record; a
// cancelled choice changes and reports nothing, then or later.

#include <gtest/gtest.h>

#include <QTimer>
#include <QTreeWidget>

#include "model/ks_lists.h"
#include "platform/os/message.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;
using Codes = std::vector<int>;

class CommandTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open().show();
    }
    // Clicks `control` and, in the dialog it opens, the `row` of ListBox1
    // (-1: the first row not selected), then OK; the row's text.
    QString Choose(const char* control, int row = -1) {
        QString chosen;
        WhenModal([&](QDialog* d) {
            auto* list = Find<QListWidget>(d, "ListBox1");
            if (row < 0) row = list->currentRow() == 0 ? 1 : 0;
            ASSERT_LT(row, list->count());
            chosen = list->item(row)->text();
            ClickRow(list, row);
            ClickByName(d, "Panel_2");
        });
        recorder.codes.clear();
        ClickByName(form.get(), control);
        return chosen;
    }
};

TEST_F(CommandTest, FrameWithItsReinforcementsTheBeadByItsIconAndTheGlass) {
    QString frame, steel1, steel2;
    WhenModal([&](QDialog* d) {
        auto* frames = Find<QListWidget>(d, "ListBox1");
        const int row = frames->currentRow() == 0 ? 1 : 0;
        frame = frames->item(row)->text();
        ClickRow(frames, row);
        for (auto [name, text] : {std::pair{"ListBox2", &steel1}, std::pair{"ListBox3", &steel2}}) {
            auto* list = Find<QListWidget>(d, name);
            ASSERT_GT(list->count(), 0) << name;
            ClickRow(list, list->count() - 1);
            *text = list->item(list->count() - 1)->text();
        }
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LRahmenName");
    ExpectReport(2);
    EXPECT_EQ(form->LRahmenName->text(), frame);
    const velmar_data data = DataOf(*form);
    EXPECT_EQ(vm::ToQString(data.rahmen.getName()), frame);
    EXPECT_EQ(vm::ToQString(data.rahmen.steel1.getName()), steel1);
    EXPECT_EQ(vm::ToQString(data.rahmen.steel2.getName()), steel2);

    // Opened again, the dialog offers the row's reinforcements.
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(Find<QListWidget>(d, "ListBox2")->currentItem()->text(), steel1);
        EXPECT_EQ(Find<QListWidget>(d, "ListBox3")->currentItem()->text(), steel2);
    });
    ClickByName(form.get(), "ImageRahmen");

    // The bead rows show only their icons; a bead reports code 6 and reloads
    // nothing else.
    const QString bead = Choose("ImageGlasleisteF");
    EXPECT_EQ(recorder.codes, (Codes{6, 1}));
    EXPECT_EQ(vm::ToQString(DataOf(*form).glasleisteF.getName()), bead);
    EXPECT_EQ(DataOf(*form).rahmen, data.rahmen);

    // The glass row reports 6 for itself (colour and box: in their dialogs' tests).
    const int glass = form->state.request.glassId;
    Choose("LGlasName");
    ExpectReport(6);
    EXPECT_NE(DataOf(*form).glas.nameId.id, glass);
}

TEST_F(CommandTest, SeriesReportsElevenAloneAndTakesTheNewDefaults) {
    const velmar_data before = DataOf(*form);
    const QString series = Choose("LSystemName");
    EXPECT_EQ(recorder.codes, Codes{11});
    EXPECT_EQ(form->LSystemName->text(), series);
    const velmar_data data = DataOf(*form);
    EXPECT_NE(data.system.id, before.system.id);
    // Every article row shows the new series' preselection.
    const auto& r = form->state.request;
    for (const auto& [label, list] :
         {std::pair{form->LRahmenName, &r.frames}, std::pair{form->LFluegelName, &r.sashes},
          std::pair{form->LPfostenName, &r.mullions}, std::pair{form->LGlasName, &r.glasses}}) {
        const velmar_artikel* shown = vm::EntryAt(*list, label->Tag);
        ASSERT_NE(shown, nullptr) << label->objectName().toStdString();
        EXPECT_TRUE(shown->isDefault()) << label->objectName().toStdString();
    }

    // The same series again still tells the host, and keeps the rows.
    WhenModal([](QDialog* d) { ClickByName(d, "Panel_2"); });
    recorder.codes.clear();
    ClickByName(form.get(), "ImageSystem");
    EXPECT_EQ(recorder.codes, Codes{11});
    EXPECT_EQ(DataOf(*form).rahmen, data.rahmen);
}

TEST_F(CommandTest, CouplingsWithTheirReinforcementAndACancelThatStaysSilent) {
    // Vertical: a coupling whose reinforcement fills both chambers, with its
    // last reinforcement.
    const auto& vertical = form->state.request.couplingsVertical;
    int both = 0;
    while (!(vertical.at(both).nameId.intValue & ks_coupling::bothChambers)) ++both;
    const int id = vertical[static_cast<std::size_t>(both)].nameId.id;
    WhenModal([&](QDialog* d) {
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        QTreeWidgetItem* node = tree->topLevelItem(0)->child(both);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
        auto* steel = Find<QListWidget>(d, "ListBox2");
        ClickRow(steel, steel->count() - 1);
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LKopplungSenkName");
    EXPECT_EQ(recorder.codes, (Codes{7, 1}));
    velmar_data data = DataOf(*form);
    EXPECT_EQ(data.kopplungSenk.nameId.id, id);
    EXPECT_GT(data.kopplungSenk.steel1.nameId.id, 0);
    EXPECT_EQ(data.kopplungSenk.steel2, data.kopplungSenk.steel1);

    // Horizontal: the row's current coupling again, still reported.
    recorder.codes.clear();
    WhenModal([](QDialog* d) { ClickByName(d, "Panel_2"); });
    ClickByName(form.get(), "LKopplungWaag");
    EXPECT_EQ(recorder.codes, (Codes{8, 1}));

    // Cancelled: nothing now, and nothing at the next reload.
    recorder.codes.clear();
    WhenModal([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    ClickByName(form.get(), "ImageKopplungWaag");
    form->UpdateData(vm::ReloadLevel::None, true, 0);
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(DataOf(*form).kopplungSenk.nameId.id, id);
}

// ---- no roller-shutter box on the 100 mm frame -----------------------------------------

constexpr int kFrame100 = 24004; // the 100 mm frame of series 10222

class HundredMillimetreFrame : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        data = RecordOfSeries(10222);
        data.rollkasten.box.id = 9286;
        data.rollkasten.box.name = u"Aufsatzkasten AK 245";
    }
    void ExpectBoxRemoved() {
        EXPECT_EQ(form->state.rollkasten.box.id, 0);
        ExpectReport(9);
    }
    velmar_data data;
    os::MessageRecorder messages;
};

TEST_F(HundredMillimetreFrame, BoxRowRemovesTheBoxAndNeverOpensTheDialog) {
    data.rahmen.nameId.id = kFrame100;
    Open(data).show();
    ASSERT_EQ(form->state.request.frameId, kFrame100);
    int opened = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++opened;
            dialog->reject();
        }
    });
    watch.start(10);
    ClickByName(form.get(), "LRollName");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].first,
              QStringLiteral("RK - ist in Kombination mit 100er Rahmen nicht möglich!"));
    EXPECT_EQ(messages.messages()[0].second, QStringLiteral("Achtung"));
    EXPECT_EQ(form->LRollName->text(), QStringLiteral("-"));
    ExpectBoxRemoved();

    // Without a box the row still only warns.
    recorder.codes.clear();
    ClickByName(form.get(), "LRoll");
    EXPECT_EQ(messages.messages().size(), 2u);
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(opened, 0);
}

TEST_F(HundredMillimetreFrame, FrameChosenWithABoxWarnsOnceAndRemovesIt) {
    Open(data).show();
    ASSERT_NE(form->state.request.frameId, kFrame100);
    ASSERT_EQ(form->state.rollkasten.box.id, 9286);
    WhenModal([](QDialog* d) {
        ClickItem(Find<QListWidget>(d, "ListBox1"),
                  QStringLiteral("Renovierungsrahmen 82 MD, 100 mm"));
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LRahmenName");
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(form->state.rollkasten.box.id, 0);
    EXPECT_EQ(recorder.codes, (std::vector<int>{2, 1, 9, 1}));
    EXPECT_EQ(DataOf(*form).rahmen.nameId.id, kFrame100) << "the frame stays chosen";
}

} // namespace
