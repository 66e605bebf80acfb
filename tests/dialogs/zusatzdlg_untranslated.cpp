// The additional-profiles dialog in a program without a localisation file
// beside it: the parts show their keys and OK keeps what was chosen.

#include <gtest/gtest.h>

#include "dialogs/Zusatzdlg.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

TEST_F(FormTest, AccessoriesWithoutTextsStayChosen) {
    Materialdaten q = Open(RecordOfSeries(8830)).state.request;
    q.articleId = q.frameId;
    q.cutPositions.clear();
    q.accessoryPositions.assign(1, velmar_cutpos());
    auto& chosen = q.accessoryPositions[0].opening1.zusatz;
    chosen.resize(1);
    chosen[0].artikel.nameId.id = 27004; // the static extension of the frame
    chosen[0].intValue1 = 11;
    ASSERT_TRUE(serviceClient.getArtikelZusatz(q));
    TZusatzForm dialog(
        {serviceClient, form->state.request, q.cutPositions, q.accessoryPositions, 151, 0});
    ui_driver::WhenModal([&](QDialog* d) {
        auto* tree = ui_driver::Find<QTreeWidget>(d, "TreeView1");
        ASSERT_EQ(tree->topLevelItemCount(), 3) << "frame and the two sill groups";
        EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("IDS_RAHMEN"));
        ui_driver::ClickByName(d, "Panel_2");
    });
    dialog.exec();
    EXPECT_EQ(dialog.result.checkedCount, 1u);
    ASSERT_EQ(dialog.result.selection[0].opening1.zusatz.size(), 1u);
    EXPECT_EQ(dialog.result.selection[0].opening1.zusatz[0].getId(), 27004);
}

} // namespace
