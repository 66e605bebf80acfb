// The article rows and the profile-series row end to end: a click on the row
// opens its dialog, the user's choice reaches the row, the host's report and
// the record.

#include <gtest/gtest.h>

#include "tests/mainform/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

class ArtikelCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseServiceIn("");
        form = MakeForm(velmar_data(), &recorder);
        form->show();
    }
    velmar_data Data() {
        velmar_data data;
        form->GetData(data);
        return data;
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
    ChangeRecorder recorder;
    std::unique_ptr<TForm1> form;
};

TEST_F(ArtikelCommandTest, FrameWithItsReinforcementsReportsTwoThenOne) {
    QString frame, steel1, steel2;
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Profil wählen"));
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
    ASSERT_GE(recorder.codes.size(), 2u);
    EXPECT_EQ(recorder.codes.front(), 2);
    EXPECT_EQ(recorder.codes.back(), 1);
    EXPECT_EQ(form->LRahmenName->text(), frame);
    const velmar_data data = Data();
    EXPECT_EQ(vm::ToQString(data.rahmen.getName()), frame);
    EXPECT_EQ(vm::ToQString(data.rahmen.steel1.getName()), steel1);
    EXPECT_EQ(vm::ToQString(data.rahmen.steel2.getName()), steel2);

    // Opened again, the dialog offers the row's reinforcements; Escape
    // changes nothing and reports nothing.
    recorder.codes.clear();
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(Find<QListWidget>(d, "ListBox2")->currentItem()->text(), steel1);
        EXPECT_EQ(Find<QListWidget>(d, "ListBox3")->currentItem()->text(), steel2);
        ClickRow(Find<QListWidget>(d, "ListBox1"), 0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    ClickByName(form.get(), "ImageRahmen");
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(Data().rahmen, data.rahmen);

    // The bead rows show only their icons; a bead reports code 6 and reloads
    // nothing else.
    const velmar_data beforeBead = Data();
    const QString bead = Choose("ImageGlasleisteF");
    EXPECT_EQ(recorder.codes, (std::vector<int>{6, 1}));
    EXPECT_EQ(vm::ToQString(Data().glasleisteF.getName()), bead);
    EXPECT_EQ(Data().rahmen, beforeBead.rahmen);
}

TEST_F(ArtikelCommandTest, SeriesReportsElevenAloneAndTakesTheNewDefaults) {
    const velmar_data before = Data();
    const QString series = Choose("LSystemName");
    EXPECT_EQ(recorder.codes, std::vector<int>{11});
    EXPECT_EQ(form->LSystemName->text(), series);
    const velmar_data data = Data();
    EXPECT_NE(data.system.id, before.system.id);
    // Every article row shows the new series' preselection.
    const auto& r = form->request;
    for (const auto& [label, list] :
         {std::pair{form->LRahmenName, &r.frames}, std::pair{form->LFluegelName, &r.sashes},
          std::pair{form->LPfostenName, &r.mullions}, std::pair{form->LGlasName, &r.glasses}}) {
        const velmar_artikel* shown = vm::EntryAt(*list, label->Tag);
        ASSERT_NE(shown, nullptr) << label->objectName().toStdString();
        EXPECT_TRUE(shown->isDefault()) << label->objectName().toStdString();
    }
    EXPECT_NE(data.rahmen.nameId.id, before.rahmen.nameId.id);
    EXPECT_EQ(data.rollkasten.box.id, 0);

    // The same series again still tells the host, and keeps the rows.
    WhenModal([](QDialog* d) { ClickByName(d, "Panel_2"); });
    recorder.codes.clear();
    ClickByName(form.get(), "ImageSystem");
    EXPECT_EQ(recorder.codes, std::vector<int>{11});
    EXPECT_EQ(Data().rahmen, data.rahmen);
    EXPECT_EQ(Data().system, data.system);

    // Cancelled, nothing is reported.
    WhenModal([](QDialog* d) { ClickByName(d, "Panel_1"); });
    recorder.codes.clear();
    ClickByName(form.get(), "LSystem");
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(Data().system, data.system);
}

TEST_F(ArtikelCommandTest, CladdingFollowsTheSeries) {
    // The sample series: 10222 and 8830 take cladding shells, 8404 does not.
    const auto chooseSeries = [&](int id) {
        const auto& systems = form->request.systems;
        for (std::size_t i = 0; i < systems.size(); ++i)
            if (systems[i].id == id) return Choose("LSystemName", static_cast<int>(i));
        ADD_FAILURE() << "no series " << id;
        return QString();
    };
    chooseSeries(8404);
    EXPECT_FALSE(Data().option1);
    chooseSeries(8830);
    EXPECT_TRUE(Data().option1);
}

} // namespace
