// The additional-profiles dialog where the component has no localisation
// file (this program has none beside it): the accessories stay in reach and
// OK keeps what was chosen.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "dialogs/Zusatzdlg.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

using namespace ui_driver;

constexpr int kSeries = 8830;
constexpr int kStaticExtension = 27004;

TEST_F(FormTest, AccessoriesWithoutTextsStayChosen) {
    Open(RecordOfSeries(kSeries));
    Materialdaten q = form->state.request;
    q.articleId = q.frameId;
    q.cutPositions.clear();
    q.accessoryPositions.assign(1, velmar_cutpos());
    velmar_zusatzartikel extension;
    extension.artikel.nameId.id = kStaticExtension;
    extension.intValue1 = 11;
    q.accessoryPositions[0].opening1.zusatz = {extension};
    ASSERT_TRUE(serviceClient.getArtikelZusatz(q));
    const std::vector<velmar_cutpos> offered = q.cutPositions;
    std::vector<velmar_cutpos> selection = q.accessoryPositions;

    TZusatzForm dialog(serviceClient, form->state.request, offered, selection, 151, 0);
    WhenModal([&](QDialog* d) {
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        ASSERT_EQ(tree->topLevelItemCount(), 3) << "frame and the two sill groups";
        EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("IDS_RAHMEN"));
        const auto ticked = tree->findItems(QStringLiteral("Verbreiterung 50 mm, statisch"),
                                            Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(ticked.size(), 1);
        EXPECT_EQ(TZusatzForm::StateOf(ticked.front()), 2);
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.checkedCount, 1u);
    ASSERT_EQ(selection.size(), 1u);
    ASSERT_EQ(selection[0].opening1.zusatz.size(), 1u);
    EXPECT_EQ(selection[0].opening1.zusatz[0].getId(), kStaticExtension);
}

} // namespace
