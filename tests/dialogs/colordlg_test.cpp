// The colour dialog on the sample catalogue's colour lists, as a user drives
// it: group radios, colour list, picture, RAL options and numbers.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/Colordlg.h"
#include "platform/os/locals.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

class ColorDialogTest : public FormTest {
protected:
    // The colours the service offers for a series, with or without cladding.
    const std::vector<velmar_nameid>& ColoursOf(int series, bool cladding = false) {
        velmar_data data = RecordOfSeries(series);
        data.option1 = cladding;
        return Open(data).state.request.colours;
    }
    QStringList Names(int group) {
        QStringList names;
        for (const velmar_nameid& c : form->state.request.colours)
            if (c.intValue & group) names << vm::ToQString(c.name);
        return names;
    }
    int First(int group) {
        for (const velmar_nameid& c : form->state.request.colours)
            if (c.intValue & group) return c.id;
        return 0;
    }
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

TEST_F(ColorDialogTest, FoilGroupsWithPictureAndBodyColours) {
    const auto& colours = ColoursOf(10222);
    EXPECT_TRUE(
        Names(TColorDlg::RalStandard | TColorDlg::RalSonder | TColorDlg::RalPremium).isEmpty())
        << "RAL price classes come with cladding only";
    // White and ochre base body: the later bit names it.
    TColorDlg dialog({serviceClient, form->state.request, colours, 1005, u""});
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Checked(d, "RadioNone"));
        EXPECT_EQ(Find<QLabel>(d, "GrundK")->text(), localText("IDS_OCKER"));
        EXPECT_EQ(Find<QLabel>(d, "Dichtung")->text(), localText("IDS_GRAU"));
        EXPECT_FALSE(Find<QLabel>(d, "Image1")->pixmap().isNull());
        EXPECT_TRUE(Find(d, "Image1")->isVisible());

        ClickByName(d, "RadioTxOutside");
        EXPECT_FALSE(Checked(d, "RadioNone"));
        EXPECT_EQ(Items(d), Names(TColorDlg::TxOutside));
        ClickRow(Find<QListWidget>(d, "ListBox1"), 0);
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    EXPECT_EQ(dialog.result.chosenId, First(TColorDlg::TxOutside));
    EXPECT_TRUE(dialog.result.text.empty());
}

TEST_F(ColorDialogTest, RalPriceClassKeepsAndBuildsItsOptions) {
    const auto& colours = ColoursOf(10222, true);
    TColorDlg dialog(
        {serviceClient, form->state.request, colours, First(TColorDlg::RalStandard), u"1@0"});
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
        EXPECT_EQ(Items(d), Names(TColorDlg::RalSonder));
        ClickByName(d, "rbDekor");
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    EXPECT_EQ(dialog.result.chosenId, First(TColorDlg::RalSonder));
    EXPECT_EQ(dialog.result.text, u"1@1");
}

TEST_F(ColorDialogTest, RalNumbersAreTypedAndTrimmed) {
    const auto& colours = ColoursOf(8404);
    // One part only: the two-colour fields stay empty.
    TColorDlg dialog(
        {serviceClient, form->state.request, colours, First(TColorDlg::RalAlu2), u"3003"});
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Checked(d, "RadioRalAlu2"));
        EXPECT_FALSE(Find(d, "Image1")->isVisible());
        auto* outside = Find<QLineEdit>(d, "edtRalaussen");
        EXPECT_TRUE(outside->isVisible());
        EXPECT_TRUE(outside->text().isEmpty());
        QTest::keyClicks(outside, QStringLiteral(" 7016 "));
        QTest::keyClicks(Find<QLineEdit>(d, "edtRalinnen"), QStringLiteral("9016"));
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    EXPECT_EQ(dialog.result.text, u"7016@9016");
}

// The series with an aluminium shell comes in the RAL price classes alone:
// its colour row opens the RAL box in the decor box's place, no group beside.
TEST_F(ColorDialogTest, ShellSeriesOffersTheRalBoxInTheDecorsPlace) {
    Open(RecordOfSeries(8850)).show();
    QString chosen;
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Find(d, "gbRAL")->isVisible());
        EXPECT_EQ(Find(d, "gbRAL")->pos(), Find(d, "gbDekor")->pos());
        for (const QRadioButton* radio : Find(d, "gbDekor")->findChildren<QRadioButton*>())
            EXPECT_FALSE(radio->isVisible()) << radio->objectName().toStdString();
        EXPECT_EQ(Find<QLabel>(d, "LC")->text(), QStringLiteral("0@0"));
        ClickByName(d, "RadioRalPremium");
        auto* list = Find<QListWidget>(d, "ListBox1");
        ClickRow(list, list->count() - 1);
        chosen = list->item(list->count() - 1)->text();
        EXPECT_TRUE(Find(d, "Image1")->isVisible()) << "the colour's picture";
        ClickByName(d, "cbVoranodisiert");
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LFarbeName");
    EXPECT_EQ(form->state.colourCode, u"1@0");
    EXPECT_EQ(vm::ToQString(DataOf(*form).farbe.name), chosen);
    EXPECT_EQ(form->LFarbeName->text(), chosen);
    // The colour row reports 10, after rows its lists changed and before the 1.
    ASSERT_GE(recorder.codes.size(), 2u);
    EXPECT_EQ(recorder.codes.end()[-2], 10);
}

// No picture (a service that cannot answer) and a current colour not in the
// list: the first group, the default entry, no picture, still a choice.
TEST_F(ColorDialogTest, WithoutPictureOrCurrentColourStillChooses) {
    const auto& colours = ColoursOf(10222);
    ServiceClient broken;
    broken.setLibraryDirectory("/nonexistent/");
    TColorDlg dialog({broken, form->state.request, colours, 4711, u"1@1"});
    WhenModal([&](QDialog* d) {
        EXPECT_TRUE(Checked(d, "RadioNone"));
        EXPECT_FALSE(Find(d, "Image1")->isVisible());
        ClickRow(Find<QListWidget>(d, "ListBox1"), 2);
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    EXPECT_EQ(dialog.result.chosenId, colours.at(2).id);
    EXPECT_TRUE(dialog.result.text.empty());
}

} // namespace
