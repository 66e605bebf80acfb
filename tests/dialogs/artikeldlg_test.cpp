// The article and series dialogs on the sample catalogue, as a user drives
// them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>

#include "dialogs/Artikeldlg.h"
#include "dialogs/Nameiddlg.h"
#include "platform/drawing/planview.h"
#include "service/service_client.h"
#include "tests/mainform/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

class ArtikelDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseServiceIn("");
        form = MakeForm();
        ASSERT_GE(form->request.frames.size(), 2u);
    }
    std::unique_ptr<TArtikelForm> Open(std::vector<velmar_artikel>& list, int konstType,
                                       bool withReinforcement, int steel1 = 0, int steel2 = 0) {
        return std::make_unique<TArtikelForm>(serviceClient, true, withReinforcement, steel2,
                                              steel1, konstType, list[0].nameId.id, list,
                                              form->request);
    }
    std::unique_ptr<TForm1> form;
};

QListWidget* List(QDialog* d, const char* name) {
    return Find<QListWidget>(d, name);
}

TEST_F(ArtikelDialogTest, FrameChambersPreselectAndTheSectionFollowsTheChoice) {
    auto& r = form->request;
    const Materialdaten before = r;

    // The last reinforcement of each chamber, chosen by hand.
    auto first = Open(r.frames, 11, true);
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(List(d, "ListBox2")->isVisible());
        EXPECT_TRUE(List(d, "ListBox3")->isVisible());
        EXPECT_EQ(List(d, "ListBox1")->currentRow(), 0);
        auto* viewer = Find(d, "Panel2")->findChild<PlanviewWidget*>();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->HasPicture());
        for (const char* chamber : {"ListBox2", "ListBox3"}) {
            auto* list = List(d, chamber);
            ASSERT_GE(list->count(), 2) << chamber;
            ClickRow(list, list->count() - 1);
        }
        EXPECT_TRUE(viewer->HasPicture());
        ClickByName(d, "Panel_2");
    });
    first->exec();
    ASSERT_TRUE(first->accepted);
    EXPECT_EQ(first->chosenIndex, 0);
    EXPECT_FALSE(first->chosenSteel1.isDefault());
    EXPECT_GT(first->chosenSteel2.getId(), 0);
    // The queries leave the form's lists and fields as they were.
    EXPECT_EQ(r.frames, before.frames);
    EXPECT_EQ(r.systems, before.systems);
    EXPECT_EQ(r.glasses, before.glasses);
    EXPECT_EQ(r.articleId, before.articleId);
    EXPECT_EQ(r.elementSubcode, before.elementSubcode);
    EXPECT_TRUE(r.reinforcements.empty());

    // Opened with those, they are preselected; another frame offers its
    // own defaults.
    auto second =
        Open(r.frames, 11, true, first->chosenSteel1.getId(), first->chosenSteel2.getId());
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(List(d, "ListBox2")->currentItem()->text(),
                  vm::ToQString(first->chosenSteel1.getName()));
        EXPECT_EQ(List(d, "ListBox3")->currentItem()->text(),
                  vm::ToQString(first->chosenSteel2.getName()));
        ClickRow(List(d, "ListBox1"), 1);
        ClickByName(d, "Panel_2");
    });
    second->exec();
    ASSERT_TRUE(second->accepted);
    EXPECT_EQ(second->chosenIndex, 1);
    EXPECT_TRUE(second->chosenSteel1.isDefault());
    EXPECT_TRUE(second->chosenSteel2.isDefault());
}

TEST_F(ArtikelDialogTest, OneChamberForOtherProfilesNoneForBeads) {
    auto& r = form->request;
    ASSERT_FALSE(r.sashes.empty());
    auto sash = Open(r.sashes, 23, true);
    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(List(d, "ListBox3")->isVisible());
        EXPECT_FALSE(Find(d, "Label3")->isVisible());
        EXPECT_EQ(List(d, "ListBox2")->height(), 169);
        EXPECT_GT(List(d, "ListBox2")->count(), 0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    sash->exec();
    EXPECT_FALSE(sash->accepted);

    ASSERT_GE(r.beadsSashSide.size(), 2u);
    auto bead = Open(r.beadsSashSide, 26, false);
    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(List(d, "ListBox2")->isVisible());
        EXPECT_EQ(List(d, "ListBox1")->height(), Find(d, "Panel2")->height());
        EXPECT_FALSE(Find(d, "cbDefault")->isVisible());
        ClickRow(List(d, "ListBox1"), 1, true);
    });
    bead->exec();
    ASSERT_TRUE(bead->accepted);
    EXPECT_EQ(bead->chosenIndex, 1);
    EXPECT_EQ(bead->chosenSteel1, velmar_stahl());
    EXPECT_EQ(bead->chosenSteel2, velmar_stahl());

    // Nothing to choose: OK hands back no index.
    std::vector<velmar_artikel> none;
    TArtikelForm empty(serviceClient, true, true, 0, 0, 24, 0, none, r);
    WhenModal([](QDialog* d) { ClickByName(d, "Panel_2"); });
    empty.exec();
    EXPECT_TRUE(empty.accepted);
    EXPECT_EQ(empty.chosenIndex, -1);
}

TEST_F(ArtikelDialogTest, SeriesDialogOffersCladdingOnlyWhereTheSeriesTakesIt) {
    auto& r = form->request;
    std::vector<velmar_nameid> series = r.systems;
    series.push_back(velmar_nameid{});
    series.back().id = 4711;
    series.back().name = u"Serie ohne Vorsatzschale";
    const auto open = [&](bool cladding) {
        return std::make_unique<TNameIdForm>(true, true, cladding, 6, r.systemId, series, r,
                                             QStringLiteral("Profilserie wählen"),
                                             QStringLiteral("Bitte wählen Sie."));
    };
    auto dialog = open(true);
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Profilserie wählen"));
        EXPECT_EQ(Find<QLabel>(d, "Label1")->text(), QStringLiteral("Bitte wählen Sie."));
        auto* alu = Find<QCheckBox>(d, "Alu");
        EXPECT_FALSE(alu->isVisible());
        EXPECT_TRUE(alu->isChecked());
        EXPECT_TRUE(alu->isEnabled()) << "the current series takes cladding";
        ClickItem(List(d, "ListBox1"), QStringLiteral("Serie ohne Vorsatzschale"));
        EXPECT_FALSE(alu->isEnabled());
        ClickItem(List(d, "ListBox1"), QStringLiteral("Serie ohne Vorsatzschale"), true);
    });
    dialog->exec();
    ASSERT_TRUE(dialog->accepted);
    EXPECT_EQ(dialog->chosenIndex, static_cast<int>(series.size()) - 1);
    EXPECT_TRUE(dialog->cladding) << "the hidden box hands the flag back";
    EXPECT_TRUE(dialog->secondOption);

    // A locked request takes the flag away and keeps the box disabled.
    r.option3 = true;
    auto locked = open(true);
    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(Find(d, "Alu")->isEnabled());
        ClickByName(d, "Panel_2");
    });
    locked->exec();
    r.option3 = false;
    ASSERT_TRUE(locked->accepted);
    EXPECT_FALSE(locked->cladding);
    EXPECT_EQ(r.systems[static_cast<std::size_t>(locked->chosenIndex)].id, r.systemId);
}

} // namespace
