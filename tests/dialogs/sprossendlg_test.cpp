// The glazing-bar dialog on the sample catalogue's bars of a PVC series, as a
// user drives it.

#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>

#include "dialogs/Sprossendlg.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"

namespace {

using namespace ui_driver;

constexpr int kSeries = 8830;
// Bars of the series and their reinforcements: 26001 offers 31007 (its
// default) and 31014, 26002 offers 31014 (its default) and 31001.
constexpr int kBar1 = 26001;
constexpr int kBar2 = 26002;
// A 36 mm glass: both bars hold it, and bars of every kind fit it.
constexpr int kGlass = 6006;

class SprossenDialogTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open(RecordOfSeries(kSeries));
        form->state.request.glassId = kGlass;
        ASSERT_TRUE(serviceClient.getSprossen(form->state.request));
        ASSERT_GE(form->state.request.barsGlassDividing.size(), 2u);
        ASSERT_FALSE(form->state.request.barsViennese.empty());
    }
    QString BarName(int id) const {
        for (const velmar_artikel& bar : form->state.request.barsGlassDividing)
            if (bar.nameId.id == id) return vm::ToQString(bar.nameId.name);
        ADD_FAILURE() << "no bar " << id;
        return {};
    }
    // The reinforcement selected in ListBox2 among those the service offers
    // for `bar`.
    int Selected(int bar, QDialog* d) {
        const auto list = vm::QueryReinforcements(serviceClient, form->state.request, bar, 1);
        const velmar_stahl* steel = vm::SelectedEntry(Find<QListWidget>(d, "ListBox2"), list);
        return steel != nullptr ? steel->nameId.id : -1;
    }
};

TEST_F(SprossenDialogTest, KindsSwitchListsAndReinforcement) {
    auto& r = form->state.request;
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Find<QRadioButton>(d, "WienerRB")->isChecked());
        auto* bars = Find<QListWidget>(d, "ListBox1");
        EXPECT_FALSE(Find(d, "ListBox2")->isVisible());
        EXPECT_EQ(static_cast<std::size_t>(bars->count()), r.barsViennese.size());

        ClickByName(d, "KlebeRB");
        EXPECT_EQ(static_cast<std::size_t>(bars->count()), r.barsAdhesive.size());
        ClickByName(d, "GlasRB");
        EXPECT_TRUE(Find(d, "ListBox2")->isVisible());
        EXPECT_EQ(static_cast<std::size_t>(bars->count()), r.barsGlassDividing.size());
        EXPECT_GT(Find<QListWidget>(d, "ListBox2")->count(), 0);
        EXPECT_TRUE(ShowsDrawing(d));

        ClickByName(d, "InnenRB");
        ClickItem(bars, bars->item(bars->count() - 1)->text());
        ClickByName(d, "Panel_2");
    });
    const auto chosen = vm::Ask<TSprossenForm>({serviceClient, r, 8377, 0, 0}, nullptr).value();
    EXPECT_EQ(chosen.konstType, 1297);
    EXPECT_EQ(chosen.chosenIndex, static_cast<int>(r.barsInternal.size()) - 1);
    EXPECT_EQ(chosen.reinforcement.getId(), 0) << "other kinds: the one passed in";
}

TEST_F(SprossenDialogTest, PassedReinforcementOnlyOnOpening) {
    auto& r = form->state.request;
    // A kind outside the four shows the glass-dividing bars.
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Find<QRadioButton>(d, "GlasRB")->isChecked());
        EXPECT_EQ(Selected(kBar2, d), 31001);
        auto* bars = Find<QListWidget>(d, "ListBox1");
        ClickItem(bars, BarName(kBar1));
        EXPECT_EQ(Selected(kBar1, d), 31007);
        ClickItem(bars, BarName(kBar2));
        EXPECT_EQ(Selected(kBar2, d), 31014) << "the default, not the id passed in";
        ClickItem(Find<QListWidget>(d, "ListBox2"),
                  Find<QListWidget>(d, "ListBox2")->item(1)->text());
        ClickItem(bars, BarName(kBar2), true); // a double click is OK
    });
    const auto chosen =
        vm::Ask<TSprossenForm>({serviceClient, r, 4711, kBar2, 31001}, nullptr).value();
    EXPECT_EQ(chosen.konstType, 1295);
    const velmar_artikel* bar = vm::EntryAt(r.barsGlassDividing, chosen.chosenIndex);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->nameId.id, kBar2);
    EXPECT_EQ(chosen.reinforcement.getId(), 31014) << "the double click reloads them";
    EXPECT_FALSE(chosen.reinforcement.getName().empty());
}

} // namespace
