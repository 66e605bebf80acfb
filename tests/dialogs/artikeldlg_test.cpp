// The article and series dialogs on the sample catalogue, as a user drives
// them.

#include <gtest/gtest.h>

#include <QCheckBox>

#include "dialogs/Artikeldlg.h"
#include "dialogs/Nameiddlg.h"
#include "model/ks_lists.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

class ArtikelDialogTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        FormTest::Open();
        ASSERT_GE(form->state.request.frames.size(), 2u);
    }
    // The choice on OK (value(): a dialog closed otherwise fails the test).
    TArtikelForm::Result Ask(std::vector<velmar_artikel>& list, int konstType,
                             bool withReinforcement, int steel1 = 0, int steel2 = 0) {
        return vm::Ask<TArtikelForm>({serviceClient, form->state.request, true, withReinforcement,
                                      steel2, steel1, konstType, list[0].nameId.id, list},
                                     nullptr)
            .value();
    }
};

QListWidget* List(QDialog* d, const char* name) {
    return Find<QListWidget>(d, name);
}

TEST_F(ArtikelDialogTest, ChambersByProfileTypeAndTheSectionOfTheChoice) {
    auto& r = form->state.request;
    const Materialdaten before = r;
    // Preselected reinforcements hold only while the dialog opens: the
    // second frame offers its own defaults, not these others of its own.
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(List(d, "ListBox3")->isVisible());
        EXPECT_TRUE(ShowsDrawing(d));
        ClickRow(List(d, "ListBox1"), 1);
        EXPECT_TRUE(ShowsDrawing(d));
        ClickByName(d, "Panel_2");
    });
    const auto frame = Ask(r.frames, 11, true, 31012, 31014);
    EXPECT_EQ(frame.chosenIndex, 1);
    EXPECT_TRUE(frame.reinforcement1.isDefault());
    EXPECT_TRUE(frame.reinforcement2.isDefault());
    // The queries leave the form's lists and fields as they were.
    EXPECT_EQ(r.frames, before.frames);
    EXPECT_EQ(r.systems, before.systems);
    EXPECT_EQ(r.articleId, before.articleId);
    EXPECT_EQ(r.elementSubcode, before.elementSubcode);

    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(List(d, "ListBox3")->isVisible());
        EXPECT_GT(List(d, "ListBox2")->count(), 0);
        ClickByName(d, "Panel_2");
    });
    Ask(r.sashes, 23, true);

    ASSERT_GE(r.beadsSashSide.size(), 2u);
    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(List(d, "ListBox2")->isVisible());
        ClickRow(List(d, "ListBox1"), 1, true);
    });
    const auto bead = Ask(r.beadsSashSide, 26, false);
    EXPECT_EQ(bead.chosenIndex, 1);
    EXPECT_EQ(bead.reinforcement1, velmar_stahl());
}

TEST_F(ArtikelDialogTest, SeriesDialogOffersCladdingOnlyWhereTheSeriesTakesIt) {
    auto& r = form->state.request;
    std::vector<velmar_nameid> series = r.systems;
    series.push_back(velmar_nameid{});
    series.back().id = 4711;
    series.back().name = u"Serie ohne Vorsatzschale";
    const auto ask = [&] {
        return vm::Ask<TNameIdForm>({serviceClient, r, series, r.systemId, true,
                                     QStringLiteral("Profilserie wählen"),
                                     QStringLiteral("Bitte wählen Sie."), true, true, 6},
                                    nullptr)
            .value();
    };
    // The lock is the service's (its series answer), not the host's third
    // option: the third option alone locks nothing.
    r.option3 = true;
    WhenModal([&](QDialog* d) {
        auto* alu = Find<QCheckBox>(d, "Alu");
        EXPECT_FALSE(alu->isVisible());
        EXPECT_TRUE(alu->isChecked());
        EXPECT_TRUE(alu->isEnabled()) << "the current series takes cladding";
        ClickItem(List(d, "ListBox1"), QStringLiteral("Serie ohne Vorsatzschale"));
        EXPECT_FALSE(alu->isEnabled());
        ClickItem(List(d, "ListBox1"), QStringLiteral("Serie ohne Vorsatzschale"), true);
    });
    const auto chosen = ask();
    EXPECT_EQ(chosen.chosenIndex, static_cast<int>(series.size()) - 1);
    EXPECT_TRUE(chosen.cladding) << "the hidden box hands the flag back";

    // A locked request takes the flag away and disables the box.
    *r.flagField(ks_request::claddingLock) = true;
    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(Find(d, "Alu")->isEnabled());
        ClickByName(d, "Panel_2");
    });
    const auto locked = ask();
    *r.flagField(ks_request::claddingLock) = false;
    r.option3 = false;
    EXPECT_FALSE(locked.cladding);
    EXPECT_EQ(r.systems[static_cast<std::size_t>(locked.chosenIndex)].id, r.systemId);
}

} // namespace
