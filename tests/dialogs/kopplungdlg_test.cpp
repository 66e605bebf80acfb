// The coupling dialog on the sample catalogue's couplings, as a user drives
// it: the tree, the reinforcements and the section drawing.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "dialogs/Kopplungdlg.h"
#include "model/ks_lists.h"
#include "platform/os/locals.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"

namespace {

using namespace ui_driver;

class KopplungDialogTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open();
        couplings = form->state.request.couplingsVertical;
        ASSERT_GE(couplings.size(), 2u);
    }
    // The choice on OK (value(): a dialog closed otherwise fails the test).
    TKopplungForm::Result Ask(int current, ServiceClient& service = serviceClient) {
        return vm::Ask<TKopplungForm>({service, form->state.request, 0, current, couplings},
                                      nullptr)
            .value();
    }
    std::vector<velmar_artikel> couplings;
};

void ClickNode(QTreeWidget* tree, QTreeWidgetItem* node) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

TEST_F(KopplungDialogTest, TreeReinforcementAndDrawingOfTheChoice) {
    int index = 0;
    while (!(couplings.at(index).nameId.intValue & ks_coupling::bothChambers)) ++index;
    const velmar_artikel coupling = couplings[static_cast<std::size_t>(index)];
    const int subcode = form->state.request.elementSubcode;
    const std::vector<velmar_stahl> offered =
        vm::QueryReinforcements(serviceClient, form->state.request, coupling.nameId.id, 1);
    int steelRow = -1;
    WhenModal([&](QDialog* d) {
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        QTreeWidgetItem* root = tree->topLevelItem(0);
        EXPECT_EQ(root->text(0), localText("IDS_KOPPLUNG"));
        ASSERT_EQ(root->childCount(), static_cast<int>(couplings.size()));
        EXPECT_EQ(tree->currentItem(), root->child(index));
        auto* steel = Find<QListWidget>(d, "ListBox2");
        ASSERT_GE(steel->count(), 2);
        EXPECT_EQ(offered.at(vm::SelectedEntryIndex(steel)).nameId.id, coupling.steel1.nameId.id);
        EXPECT_TRUE(ShowsDrawing(d));

        // Another coupling, then the first again with another reinforcement;
        // the coupling stays marked while the list has the focus.
        ClickNode(tree, root->child(index == 0 ? 1 : 0));
        ClickNode(tree, root->child(index));
        ClickRow(steel, steel->count() - 1);
        EXPECT_TRUE(root->child(index)->isSelected());
        steelRow = vm::SelectedEntryIndex(steel);
        ClickByName(d, "Panel_2");
    });
    const auto chosen = Ask(coupling.nameId.id);
    EXPECT_EQ(chosen.chosenIndex, index);
    EXPECT_EQ(chosen.reinforcement, offered.at(steelRow));
    EXPECT_EQ(form->state.request.elementSubcode, subcode);
}

// The root chosen, a service that cannot answer: the dialog stays usable and
// chooses what the tree shows.
TEST_F(KopplungDialogTest, NothingChosenOrNoAnswerStaysUsable) {
    WhenModal([&](QDialog* d) {
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        ClickNode(tree, tree->topLevelItem(0));
        EXPECT_EQ(Find<QListWidget>(d, "ListBox2")->count(), 0);
        EXPECT_FALSE(ShowsDrawing(d));
        ClickByName(d, "Panel_2");
    });
    EXPECT_EQ(Ask(couplings[0].getId()).chosenIndex, -1);

    ServiceClient broken;
    broken.setLibraryDirectory("/nonexistent/");
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(Find<QListWidget>(d, "ListBox2")->count(), 0);
        EXPECT_FALSE(ShowsDrawing(d));
        ClickByName(d, "Panel_2");
    });
    const auto failing = Ask(couplings[1].nameId.id, broken);
    EXPECT_EQ(failing.chosenIndex, 1);
    EXPECT_EQ(failing.reinforcement, velmar_stahl());
}

} // namespace
