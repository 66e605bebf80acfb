// The coupling dialog on the sample catalogue's couplings, as a user drives
// it: the tree, the reinforcements and the section drawing.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "dialogs/Kopplungdlg.h"
#include "model/ks_lists.h"
#include "platform/drawing/planview.h"
#include "platform/os/locals.h"
#include "service/service_client.h"
#include "tests/mainform/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

class KopplungDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseServiceIn("");
        form = MakeForm();
        ASSERT_GE(couplings().size(), 2u);
    }
    std::vector<velmar_artikel>& couplings() { return form->request.couplingsVertical; }
    // A coupling whose reinforcement fills both chambers.
    int Reinforced() const {
        const auto& list = form->request.couplingsVertical;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].nameId.intValue & ks_coupling::bothChambers) return static_cast<int>(i);
        ADD_FAILURE() << "the sample catalogue lacks a reinforced coupling";
        return 0;
    }
    std::unique_ptr<TForm1> form;
};

void ClickNode(QTreeWidget* tree, QTreeWidgetItem* node) {
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

bool HasDrawing(QDialog* d) {
    auto* viewer = Find(d, "Panel2")->findChild<PlanviewWidget*>();
    return viewer != nullptr && viewer->HasPicture();
}

TEST_F(KopplungDialogTest, TreeReinforcementAndDrawingOfTheChoice) {
    const int index = Reinforced();
    const velmar_artikel coupling = couplings()[static_cast<std::size_t>(index)];
    const int subcode = form->request.elementSubcode;
    TKopplungForm dialog(0, coupling.nameId.id, couplings(), form->request, serviceClient);
    int steelRow = -1;
    WhenModal([&](QDialog* d) {
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        EXPECT_EQ(root->text(0), localText("IDS_KOPPLUNG"));
        ASSERT_EQ(root->childCount(), static_cast<int>(couplings().size()));
        EXPECT_EQ(tree->currentItem(), root->child(index));
        auto* steel = Find<QListWidget>(d, "ListBox2");
        ASSERT_GE(steel->count(), 2);
        EXPECT_EQ(form->request.reinforcements.at(vm::SelectedEntryIndex(steel)).nameId.id,
                  coupling.steel1.nameId.id);
        EXPECT_TRUE(HasDrawing(d));
        EXPECT_TRUE(form->request.drawing.empty());

        // Another coupling, then the reinforcement of the first again; the
        // choice stays marked while the list has the focus.
        ClickNode(tree, root->child(index == 0 ? 1 : 0));
        ClickNode(tree, root->child(index));
        ClickRow(steel, steel->count() - 1);
        EXPECT_TRUE(root->child(index)->isSelected());
        steelRow = vm::SelectedEntryIndex(steel);
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.chosenIndex, index);
    EXPECT_EQ(dialog.reinforcement, form->request.reinforcements.at(steelRow));
    EXPECT_EQ(form->request.elementSubcode, subcode);
}

TEST_F(KopplungDialogTest, RootOrUnknownCouplingLeavesNothingChosen) {
    TKopplungForm dialog(0, couplings()[0].nameId.id, couplings(), form->request, serviceClient);
    WhenModal([&](QDialog* d) {
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        ClickNode(tree, tree->topLevelItem(0));
        EXPECT_EQ(Find<QListWidget>(d, "ListBox2")->count(), 0);
        EXPECT_FALSE(HasDrawing(d));
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    EXPECT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.chosenIndex, -1);

    TKopplungForm unknown(0, 4711, couplings(), form->request, serviceClient);
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(Find<QTreeWidget>(d, "TreeView1")->currentItem(), nullptr);
        EXPECT_EQ(Find<QListWidget>(d, "ListBox2")->count(), 0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    unknown.exec();
    EXPECT_FALSE(unknown.accepted);
}

// A service that cannot answer: no reinforcements, no drawing, and the
// coupling can still be chosen.
TEST_F(KopplungDialogTest, FailingServiceStillChooses) {
    ServiceClient broken;
    broken.setLibraryDirectory("/nonexistent/");
    TKopplungForm dialog(0, couplings()[1].nameId.id, couplings(), form->request, broken);
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(Find<QListWidget>(d, "ListBox2")->count(), 0);
        EXPECT_FALSE(HasDrawing(d));
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.chosenIndex, 1);
    EXPECT_EQ(dialog.reinforcement, velmar_stahl());
}

} // namespace
