// The colour dialog on the sample catalogue's colour lists, as a user drives
// it: group radios, colour list, picture, RAL options and numbers.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/Colordlg.h"
#include "platform/os/locals.h"
#include "ui/list_helpers.h"
#include "service/service_client.h"
#include "tests/mainform/form_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

using namespace ui_driver;

constexpr int kPvc = 10222;
constexpr int kAluminium = 8404;

class ColorDialogTest : public ::testing::Test {
protected:
    void SetUp() override { UseServiceIn(""); }
    // The colours the service offers for a series, with or without cladding.
    std::vector<velmar_nameid> ColoursOf(int series, bool cladding = false) {
        velmar_data data;
        data.system.id = series;
        data.option1 = cladding;
        form = MakeForm(data);
        return form->request.colours;
    }
    int FirstOf(const std::vector<velmar_nameid>& colours, int group) {
        for (const velmar_nameid& c : colours)
            if (c.intValue & group) return c.id;
        ADD_FAILURE() << "no colour of group " << std::hex << group;
        return 0;
    }
    std::unique_ptr<TForm1> form;
};

bool Checked(QDialog* d, const char* name) {
    return Find<QAbstractButton>(d, name)->isChecked();
}

QStringList Items(QDialog* d) {
    QStringList items;
    auto* list = Find<QListWidget>(d, "ListBox1");
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

QStringList NamesOf(const std::vector<velmar_nameid>& colours, int group) {
    QStringList names;
    for (const velmar_nameid& c : colours)
        if (c.intValue & group) names << vm::ToQString(c.name);
    return names;
}

TEST_F(ColorDialogTest, FoilGroupsWithPictureAndBodyColours) {
    const auto colours = ColoursOf(kPvc);
    const int current = FirstOf(colours, TColorDlg::KoBoth);
    TColorDlg dialog(current, colours, form->request, serviceClient, u"");
    int chosen = 0;
    WhenModal([&](QDialog* d) {
        // Every foil group of the series has its radio; the RAL boxes none.
        for (const char* radio : {"RadioNone", "RadioOutside", "RadioBoth", "RadioKoOutside",
                                  "RadioKoBoth", "RadioTxOutside", "RadioTxBoth"})
            EXPECT_TRUE(Find(d, radio)->isVisible()) << radio;
        for (const char* hidden : {"gbRAL", "RadioRalAlu1", "RadioVarneoOutside", "LC", "edtRalai"})
            EXPECT_FALSE(Find(d, hidden)->isVisible()) << hidden;
        EXPECT_TRUE(Checked(d, "RadioKoBoth"));
        EXPECT_EQ(Items(d), NamesOf(colours, TColorDlg::KoBoth));
        auto* image = Find<QLabel>(d, "Image1");
        EXPECT_TRUE(image->isVisible());
        EXPECT_FALSE(image->pixmap().isNull());
        EXPECT_FALSE(Find<QLabel>(d, "GrundK")->text().isEmpty());
        EXPECT_FALSE(Find<QLabel>(d, "Dichtung")->text().isEmpty());

        ClickByName(d, "RadioTxOutside");
        EXPECT_FALSE(Checked(d, "RadioKoBoth"));
        EXPECT_EQ(Items(d), NamesOf(colours, TColorDlg::TxOutside));
        auto* list = Find<QListWidget>(d, "ListBox1");
        ClickRow(list, list->count() - 1);
        for (const velmar_nameid& c : colours)
            if (vm::ToQString(c.name) == list->currentItem()->text()) chosen = c.id;
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.colourId, chosen);
    EXPECT_TRUE(dialog.colourText.empty());
}

TEST_F(ColorDialogTest, RalPriceClassKeepsAndBuildsItsOptions) {
    const auto colours = ColoursOf(kPvc, true);
    const int current = FirstOf(colours, TColorDlg::RalStandard);
    TColorDlg dialog(current, colours, form->request, serviceClient, u"1@0");
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Find(d, "gbRAL")->isVisible());
        EXPECT_TRUE(Checked(d, "RadioRalStandard"));
        EXPECT_TRUE(Checked(d, "cbVoranodisiert"));
        EXPECT_TRUE(Checked(d, "rbweiss"));
        EXPECT_EQ(Find<QLabel>(d, "LC")->text(), QStringLiteral("1@0"));
        // A price class of the second box unchecks the first box's groups.
        ClickByName(d, "RadioRalSonder");
        for (const char* radio : {"RadioNone", "RadioOutside", "RadioBoth", "RadioRalStandard"})
            EXPECT_FALSE(Checked(d, radio)) << radio;
        EXPECT_EQ(Items(d), NamesOf(colours, TColorDlg::RalSonder));
        ClickByName(d, "rbDekor");
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.colourId, FirstOf(colours, TColorDlg::RalSonder));
    EXPECT_EQ(dialog.colourText, u"1@1");
}

TEST_F(ColorDialogTest, RalNumbersAreTypedAndTrimmed) {
    const auto colours = ColoursOf(kAluminium);
    // One part only: the two-colour fields stay empty.
    TColorDlg dialog(FirstOf(colours, TColorDlg::RalAlu2), colours, form->request, serviceClient,
                     u"3003");
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Checked(d, "RadioRalAlu2"));
        EXPECT_FALSE(Find(d, "Image1")->isVisible());
        auto* outside = Find<QLineEdit>(d, "edtRalaussen");
        auto* inside = Find<QLineEdit>(d, "edtRalinnen");
        EXPECT_TRUE(outside->isVisible());
        EXPECT_TRUE(outside->text().isEmpty());
        EXPECT_TRUE(inside->text().isEmpty());
        QTest::keyClicks(outside, QStringLiteral(" 7016 "));
        QTest::keyClicks(inside, QStringLiteral("9016"));
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.colourText, u"7016@9016");

    TColorDlg one(FirstOf(colours, TColorDlg::RalAlu1), colours, form->request, serviceClient,
                  u"3003");
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(Find<QLineEdit>(d, "edtRalai")->text(), QStringLiteral("3003"));
        // Back to a decor: its picture shows, the RAL fields go.
        ClickByName(d, "RadioVarneoOutside");
        EXPECT_TRUE(Find(d, "Image1")->isVisible());
        EXPECT_FALSE(Find(d, "edtRalai")->isVisible());
        ClickByName(d, "Panel_2");
    });
    one.exec();
    EXPECT_EQ(one.colourId, FirstOf(colours, TColorDlg::VarneoOutside));
    EXPECT_TRUE(one.colourText.empty());
}

// Colours the catalogue has no picture for, and a current colour not in the
// list: the first group, its default entry, no picture, and still a choice.
TEST_F(ColorDialogTest, WithoutPictureOrCurrentColourStillChooses) {
    ColoursOf(kPvc);
    std::vector<velmar_nameid> colours(3);
    colours[0].id = 990001;
    colours[0].name = u"Weiß, Grundkörper ocker";
    colours[0].intValue = 0x1 | 0x10 | 0x40 | 0x100 | 0x80;
    colours[1].id = 990002;
    colours[1].name = u"Grau";
    colours[1].intValue = 0x1;
    colours[1].isDefault_ = true;
    colours[2] = colours[1];
    colours[2].id = 990003;
    TColorDlg dialog(4711, colours, form->request, serviceClient, u"");
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Find(d, "RadioNone")->isVisible());
        EXPECT_FALSE(Find(d, "RadioOutside")->isVisible());
        EXPECT_FALSE(Find(d, "gbRAL")->isVisible());
        EXPECT_EQ(Find<QListWidget>(d, "ListBox1")->currentRow(), 1);
        EXPECT_FALSE(Find(d, "Image1")->isVisible());
        ClickRow(Find<QListWidget>(d, "ListBox1"), 0);
        EXPECT_EQ(Find<QLabel>(d, "GrundK")->text(), localText("IDS_OCKER"));
        EXPECT_EQ(Find<QLabel>(d, "Dichtung")->text(), localText("IDS_SCHWARZ"));
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.colourId, 990001);
    EXPECT_TRUE(form->request.drawing.empty());

    TColorDlg cancelled(990002, colours, form->request, serviceClient, u"1@1");
    WhenModal([](QDialog* d) {
        ClickRow(Find<QListWidget>(d, "ListBox1"), 2);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    cancelled.exec();
    EXPECT_FALSE(cancelled.accepted);
    EXPECT_EQ(cancelled.colourId, -1);
    EXPECT_EQ(cancelled.colourText, u"1@1");
}

} // namespace
