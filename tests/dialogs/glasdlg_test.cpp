// The glass dialog on the sample catalogue's glass list, as a user drives it.

#include <gtest/gtest.h>

#include <QLabel>

#include <algorithm>
#include <cmath>

#include "dialogs/Glasdlg.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

class GlasDialogTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        FormTest::Open();
        ASSERT_GE(form->state.request.glasses.size(), 3u);
    }
    // The first glass for which `pred` holds.
    template <class Pred> int GlassWhere(Pred pred) {
        const auto& list = form->state.request.glasses;
        const auto it = std::find_if(list.begin(), list.end(), pred);
        EXPECT_NE(it, list.end()) << "the sample catalogue lacks such a glass";
        return it == list.end() ? -1 : static_cast<int>(it - list.begin());
    }
    // The choice on OK (value(): a dialog closed otherwise fails the test).
    TGlasForm::Result Ask(int glass, bool beads, double psiG, int konstType = 23) {
        auto& r = form->state.request;
        const int profile = konstType == 11 ? r.frameId : r.sashId;
        return vm::Ask<TGlasForm>({serviceClient, r, r.glasses,
                                   r.glasses[static_cast<std::size_t>(glass)].nameId.id, psiG,
                                   beads, konstType, profile, 0},
                                  nullptr)
            .value();
    }
};

QString Text(QDialog* dialog, const char* label) {
    return Find<QLabel>(dialog, label)->text();
}

TEST_F(GlasDialogTest, GlassAloneShowsRoundedValuesAndHandsThemBack) {
    const int g = GlassWhere([](const velmar_artikel& a) {
        return std::abs(a.nameId.value1 * 10 - std::round(a.nameId.value1 * 10)) > 1e-6 &&
               (a.nameId.intValue & 2) == 0;
    });
    ASSERT_GE(g, 0);
    const velmar_artikel before = form->state.request.glasses[static_cast<std::size_t>(g)];
    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(Find(d, "ListBox2")->isVisible());
        EXPECT_EQ(Text(d, "Ug"), vm::FormatFixed(before.nameId.value1, 1));
        // The opener passed no PsiG: the glass's own shows.
        EXPECT_EQ(Text(d, "PsiG"), vm::FormatFixed(before.nameId.value2, 3));
        auto* ornaments = Find<QListWidget>(d, "LbOrnamente");
        ASSERT_GE(ornaments->count(), 2);
        ClickRow(ornaments, 1);
        ClickByName(d, "Panel_2");
    });
    const double ug = Ask(g, false, -1.0).ug;
    const velmar_artikel& after = form->state.request.glasses[static_cast<std::size_t>(g)];
    EXPECT_DOUBLE_EQ(ug, vm::ParseNumber(vm::FormatFixed(before.nameId.value1, 1)));
    EXPECT_DOUBLE_EQ(after.nameId.value1, ug);
    EXPECT_GT(after.steel1.nameId.id, 0);
    EXPECT_FALSE(after.steel1.nameId.name.empty());
    // The spacer kinds stay hidden: no kind was chosen.
    EXPECT_EQ(after.intValue, 0);

    // Again, with the ornament list's first entry ("none") and the opener's
    // PsiG, which stands over the glass's own.
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(Text(d, "PsiG"), QStringLiteral("0.050"));
        ClickRow(Find<QListWidget>(d, "LbOrnamente"), 0);
        ClickByName(d, "Panel_2");
    });
    const auto again = Ask(g, false, 0.05);
    EXPECT_EQ(again.chosen.steel1.nameId.id, 0);
    EXPECT_TRUE(again.chosen.steel1.nameId.name.empty());
    EXPECT_DOUBLE_EQ(again.psiG, 0.05);
}

TEST_F(GlasDialogTest, PanelWithoutEdgeSealKeepsItsPsiAndSpacer) {
    const int g = GlassWhere([](const velmar_artikel& a) { return (a.nameId.intValue & 2) != 0; });
    ASSERT_GE(g, 0);
    const velmar_artikel before = form->state.request.glasses[static_cast<std::size_t>(g)];
    WhenModal([&](QDialog* d) {
        EXPECT_FALSE(Find(d, "PsiG")->isVisible());
        ClickByName(d, "Panel_2");
    });
    const velmar_artikel chosen = Ask(g, false, -1.0).chosen;
    EXPECT_EQ(chosen.intValue, before.intValue);
    EXPECT_DOUBLE_EQ(chosen.nameId.value2, before.nameId.value2);
}

TEST_F(GlasDialogTest, FrameSideBeadsWithTheirSection) {
    auto& r = form->state.request;
    r.beadsFrameSide.clear();
    r.beadsSashSide.clear();
    WhenModal([&](QDialog* d) {
        auto* beads = Find<QListWidget>(d, "ListBox2");
        EXPECT_TRUE(beads->isVisible());
        ASSERT_GT(beads->count(), 0);
        EXPECT_EQ(static_cast<std::size_t>(beads->count()), r.beadsFrameSide.size());
        EXPECT_GT(r.beadFrameSideId, 0);
        EXPECT_TRUE(ShowsDrawing(d));
        EXPECT_TRUE(r.drawing.empty()) << "the drawing block is released after use";
        ClickRow(beads, beads->count() - 1);
        // In the bead mode a double click on a glass only chooses it.
        ClickRow(Find<QListWidget>(d, "ListBox1"), 1, true);
        EXPECT_TRUE(d->isVisible());
        ClickByName(d, "Panel_2");
    });
    const auto chosen = Ask(0, true, -1.0, 11);
    EXPECT_EQ(chosen.chosen.nameId.id, r.glasses[1].nameId.id);
    EXPECT_GT(chosen.glazingBead.nameId.id, 0);
}

TEST_F(GlasDialogTest, NothingToChooseRefusesOk) {
    std::vector<velmar_artikel> none;
    WhenModal([&](QDialog* d) { ClickByName(d, "Panel_2"); });
    EXPECT_FALSE(vm::Ask<TGlasForm>(
        {serviceClient, form->state.request, none, 0, -1.0, false, 23, 0, 0}, nullptr));
}

} // namespace
