// The roller-shutter box dialog on the sample catalogue's boxes, as a user
// drives it.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "dialogs/Rollkastendlg.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

using namespace ui_driver;

// Sample boxes of the top-mounted type: 9279 allows both overhangs and is
// 1700 mm high at most, 9280 allows none, 9283 only the left one and is at
// most 2000 mm wide with a PVC curtain.
const QString kAufsatz = QStringLiteral("Aufsatzkasten");
const QString kBox9279 = QStringLiteral("Aufsatzkasten AK 175");
const QString kBox9280 = QStringLiteral("Aufsatzkasten AK 175 schmal");
const QString kBox9283 = QStringLiteral("Aufsatzkasten AK 210 kurz, bis 2000 mm");
const QString kBox9284 = QStringLiteral("Aufsatzkasten AK 210");

class RollkastenDialogTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open().show();
    }
    QListWidget* List(QDialog* d, const char* name) { return Find<QListWidget>(d, name); }
    TRollkastenForm::Inputs Inputs(const velmar_rollkasten& box) {
        return {serviceClient, form->state.request, box, form->state.elementSize};
    }
};

bool Shown(QDialog* d, const char* name) {
    return Find(d, name)->isVisible();
}

TEST_F(RollkastenDialogTest, TypeThenBoxThenPartsReachTheBoxOnOk) {
    WhenModal([&](QDialog* d) {
        // Without a box: the no-box entry under the first, unnamed type; no
        // guide rails, no overhangs, nothing drawn.
        EXPECT_EQ(List(d, "ListBox1")->currentRow(), 0);
        EXPECT_EQ(List(d, "ListBox2")->currentItem()->text(),
                  QStringLiteral("kein Rollladenkasten"));
        EXPECT_EQ(List(d, "LbRfs")->count(), 0);
        EXPECT_FALSE(Find(d, "CbUeberstandLinks")->isEnabled());
        EXPECT_FALSE(ShowsDrawing(d));

        ClickItem(List(d, "ListBox1"), kAufsatz);
        EXPECT_EQ(List(d, "ListBox2")->currentItem()->text(), kBox9279);
        EXPECT_TRUE(ShowsDrawing(d));
        EXPECT_TRUE(Find(d, "CbUeberstandLinks")->isEnabled());
        EXPECT_TRUE(Find(d, "CbUeberstandRechts")->isEnabled());
        ClickItem(List(d, "ListBox2"), kBox9280);
        EXPECT_FALSE(Find(d, "CbUeberstandLinks")->isEnabled());
        EXPECT_FALSE(Find(d, "CbUeberstandRechts")->isEnabled());
        ClickItem(List(d, "ListBox2"), kBox9283);
        EXPECT_TRUE(Find(d, "CbUeberstandLinks")->isEnabled());
        EXPECT_FALSE(Find(d, "CbUeberstandRechts")->isEnabled());

        for (const char* list : {"LbAntrieb", "LbPanzer", "LbPanzerfarbe", "LbRfs"})
            EXPECT_GT(List(d, list)->count(), 0) << list;
        ClickItem(List(d, "LbAntrieb"), QStringLiteral("Kurbelantrieb"));
        ClickItem(List(d, "LbPanzer"), QStringLiteral("PVC-Panzer 37 mm"));
        // The colours follow the curtain.
        EXPECT_EQ(List(d, "LbPanzerfarbe")->count(), 4);
        ClickItem(List(d, "LbPanzerfarbe"), QStringLiteral("Braun"));
        ClickItem(List(d, "LbRfs"), QStringLiteral("Führungsschiene Alu 53 x 22"));
        // Both overhangs ticked: only the one the box allows is written.
        ClickByName(d, "CbUeberstandLinks");
        Find<QCheckBox>(d, "CbUeberstandRechts")->setChecked(true);
        ClickByName(d, "rbBSr");
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LRollName");
    ExpectReport(9);
    EXPECT_TRUE(form->LRollName->text().startsWith(kBox9283));
    const velmar_rollkasten box = DataOf(*form).rollkasten;
    EXPECT_EQ(box.box.id, 9283);
    EXPECT_EQ(box.part2.id, 7401);
    EXPECT_EQ(box.part3.id, 8102);
    EXPECT_EQ(box.part4.id, 7950);
    EXPECT_EQ(box.part5.id, 8205);
    EXPECT_EQ(box.part5.name, u"Braun");
    EXPECT_EQ(box.accessory1.getId(), 9402);
    EXPECT_EQ(box.intValue, 1);
    EXPECT_TRUE(box.flag1);
    EXPECT_FALSE(box.flag2);
}

TEST_F(RollkastenDialogTest, ElementTooLargeOrTooHighHidesOk) {
    form->SetBreiteHoeheElement(1000, 1800);
    WhenModal([&](QDialog* d) {
        ClickItem(List(d, "ListBox1"), kAufsatz);
        // 9279 is lower than the element.
        EXPECT_TRUE(Shown(d, "LHighError"));
        EXPECT_FALSE(Shown(d, "LSizeError"));
        EXPECT_FALSE(Shown(d, "Panel_2"));
        EXPECT_TRUE(Shown(d, "Panel_1"));
        ClickItem(List(d, "ListBox2"), kBox9283);
        EXPECT_FALSE(Shown(d, "LHighError"));
        EXPECT_TRUE(Shown(d, "Panel_2"));

        // 2100 mm is too wide for the curtain of 9283, not for that of 9284.
        form->SetBreiteHoeheElement(2100, 1000);
        ClickItem(List(d, "ListBox2"), kBox9284);
        ClickItem(List(d, "ListBox2"), kBox9283);
        EXPECT_TRUE(Shown(d, "LSizeError"));
        EXPECT_LE(Find(d, "LSizeError")->geometry().right(), d->width()) << "message clipped";
        EXPECT_FALSE(Shown(d, "Panel_2"));
        ClickItem(List(d, "ListBox2"), kBox9284);
        EXPECT_FALSE(Shown(d, "LSizeError"));
        EXPECT_TRUE(Shown(d, "Panel_2"));
    });
    vm::Ask<TRollkastenForm>(Inputs(form->state.rollkasten), nullptr);
}

TEST_F(RollkastenDialogTest, OpensOnTheEditedBoxAndDoubleClickTakesTheTypesFirstBox) {
    velmar_rollkasten& box = form->state.rollkasten;
    // Open once to take a box of the catalogue over as the edited one.
    WhenModal([&](QDialog* d) {
        ClickItem(List(d, "ListBox1"), kAufsatz);
        ClickItem(List(d, "ListBox2"), kBox9284);
        ClickByName(d, "Panel_2");
    });
    box = vm::Ask<TRollkastenForm>(Inputs(box), nullptr).value().chosen;
    ASSERT_EQ(box.box.id, 9284);

    WhenModal([&](QDialog* d) {
        EXPECT_EQ(List(d, "ListBox2")->currentItem()->text(), kBox9284);
        EXPECT_TRUE(Find<QRadioButton>(d, "rbBSl")->isChecked());
    });
    vm::Ask<TRollkastenForm>(Inputs(box), nullptr);

    WhenModal(
        [&](QDialog* d) { ClickItem(List(d, "ListBox1"), QStringLiteral("Vorbaukasten"), true); });
    const velmar_rollkasten chosen = vm::Ask<TRollkastenForm>(Inputs(box), nullptr).value().chosen;
    EXPECT_EQ(chosen.box.id, 9301);
    EXPECT_EQ(chosen.part2.id, 8708);
}

} // namespace
